#include "report/text/html_tags.h"

#include <gtest/gtest.h>

namespace {

class HtmlTags : public ::testing::Test {
 protected:
  void SetUp() override { tags.Init(/*color*/ 0x000000, /*size*/ 12, /*style*/ 0); }
  QString expand(const QString& line) {
    tags.NewLine();
    return tags.ExpandHTMLTags(line);
  }
  TrpHTMLTagsList tags;
};

TEST_F(HtmlTags, TagsAreRemovedAndChangeTheStateFromTheNextCharacter) {
  EXPECT_EQ(expand(QStringLiteral("a<b>b</b>c")), QStringLiteral("abc"));
  const TrpHTMLTags& line = tags.Items(0);
  ASSERT_EQ(line.size(), 3);
  EXPECT_EQ(line[0].Style, 0);
  EXPECT_EQ(line[1].Style, TrpTagStyle::Bold);
  EXPECT_FALSE(line[1].Default);
  EXPECT_EQ(line[2].Style, 0);
  EXPECT_FALSE(line[2].Default);
  // Positions index the plain text, tags included.
  EXPECT_EQ(line[0].Position, 1);
  EXPECT_EQ(line[1].Position, 5);
  EXPECT_EQ(line[2].Position, 10);
}

TEST_F(HtmlTags, MatchingIgnoresCase) {
  EXPECT_EQ(expand(QStringLiteral("<I>x</I>")), QStringLiteral("x"));
  EXPECT_EQ(tags.Items(0)[0].Style, TrpTagStyle::Italic);
}

TEST_F(HtmlTags, SubscriptShrinksAndLowersSuperscriptOnlyShrinks) {
  expand(QStringLiteral("H<sub>2</sub>O x<sup>2</sup>"));
  const TrpHTMLTags& line = tags.Items(0);
  EXPECT_EQ(line[1].Size, 8);  // 12 / 1.5
  EXPECT_EQ(line[1].AddY, 1);
  EXPECT_TRUE(line[1].Small);
  EXPECT_EQ(line[1].SubType, ssSubscript);
  EXPECT_EQ(line[2].Size, 12);
  EXPECT_FALSE(line[2].Small);
  EXPECT_EQ(line[5].SubType, ssSuperscript);
  EXPECT_EQ(line[5].AddY, 0);
}

TEST_F(HtmlTags, FontColorTakesHexRgbOrAColourName) {
  expand(QStringLiteral("<font color=\"#FF8000\">a</font><font color=red>b</font>c"));
  const TrpHTMLTags& line = tags.Items(0);
  EXPECT_EQ(line[0].Color, 0x0080FF);  // stored blue-green-red
  EXPECT_EQ(line[1].Color, 0x0000FF);
  EXPECT_EQ(line[2].Color, 0x000000);
}

TEST_F(HtmlTags, UnknownTagsStayText) {
  EXPECT_EQ(expand(QStringLiteral("<img>")), QStringLiteral("<img>"));
  EXPECT_EQ(expand(QStringLiteral("<font color=nocolour>x")), QStringLiteral("<font color=nocolour>x"));
  EXPECT_EQ(expand(QStringLiteral("a < b")), QStringLiteral("a < b"));
}

TEST_F(HtmlTags, NoWrapMarksTheCharactersInside) {
  expand(QStringLiteral("a<nowrap>b c</nowrap>d"));
  const TrpHTMLTags& line = tags.Items(0);
  EXPECT_FALSE(line[0].DontWRAP);
  EXPECT_TRUE(line[2].DontWRAP);
  EXPECT_FALSE(line[4].DontWRAP);
}

TEST_F(HtmlTags, LineThatBecomesEmptyGetsOneBlank) {
  EXPECT_EQ(expand(QStringLiteral("<b></b>")), QStringLiteral(" "));
  EXPECT_EQ(tags.Items(0).size(), 1);
}

TEST_F(HtmlTags, WithTagsOffEverythingIsTextAndDefault) {
  tags.SetAllowTags(false);
  EXPECT_EQ(expand(QStringLiteral("<b>x")), QStringLiteral("<b>x"));
  for (const TrpHTMLTag& tag : tags.Items(0)) EXPECT_TRUE(tag.Default);
}

TEST_F(HtmlTags, StateRunsOnAcrossLines) {
  expand(QStringLiteral("<b>a"));
  tags.SkipPosition(2);
  expand(QStringLiteral("b"));
  EXPECT_EQ(tags.Items(1)[0].Style, TrpTagStyle::Bold);
  EXPECT_EQ(tags.Items(1)[0].Position, 7);
}

TEST(HtmlTagsRestore, RestoringTagsRebuildTheState) {
  TrpHTMLTag tag;
  tag.Color = 0x0080FF;
  tag.Style = TrpTagStyle::Bold | TrpTagStyle::Underline;
  tag.SubType = ssSuperscript;
  EXPECT_EQ(TrpHTMLTagsList::RestoringTags(tag), QStringLiteral("<font color=\"#FF8000\"><sup><u><b>"));
}

TEST(HtmlTagsDelete, DeleteTagsKeepsOnlyText) {
  EXPECT_EQ(DeleteTags(QStringLiteral("<b>bold</b> and <i>it</i>\r\n<sub>x</sub>")),
            QStringLiteral("bold and it\r\nx"));
  EXPECT_EQ(DeleteTags(QString()), QString());
}

}  // namespace
