// Fonts: defaults, following the parent's font, and character sets.
#include <gtest/gtest.h>

#include "report/objects/charset.h"
#include "report/xml/code_page.h"
#include "test_classes.h"

TEST(Fonts, NewObjectHasTheDefaultFontAndFollowsItsParent) {
  TestMemo memo(nullptr);
  const TrpFont& f = *memo.Font();
  EXPECT_EQ(f.Name(), "Arial");
  EXPECT_EQ(f.Size(), 10);
  EXPECT_EQ(f.Color(), clBlack);
  EXPECT_TRUE(f.Style().IsEmpty());
  EXPECT_EQ(f.Charset(), rpCharset);
  EXPECT_EQ(f.PixelsPerInch(), 96);
  EXPECT_TRUE(memo.ParentFont());
}

TEST(Fonts, ObjectFollowingItsParentTakesTheParentsFontWhenItGetsAParent) {
  TestBand band(nullptr);
  band.Font()->SetName("Times New Roman");
  TestMemo* memo = new TestMemo(nullptr);
  memo->SetParent(&band);
  EXPECT_EQ(memo->Font()->Name(), "Times New Roman");
  EXPECT_TRUE(memo->ParentFont());
}

TEST(Fonts, ObjectCreatedInsideAParentTakesItsFontAtOnce) {
  TestBand band(nullptr);
  band.Font()->SetSize(14);
  auto* memo = new TestMemo(&band);
  EXPECT_EQ(memo->Font()->Size(), 14);
}

TEST(Fonts, ParentsFontChangesReachFollowingChildrenAndTheirChildren) {
  TestBand band(nullptr);
  auto* inner = new TestBand(&band);
  auto* memo = new TestMemo(inner);
  band.Font()->SetStyle({fsBold, fsItalic});
  band.Font()->SetColor(0x0000FF);
  EXPECT_EQ(memo->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(memo->Font()->Color(), 0x0000FF);
  EXPECT_TRUE(inner->ParentFont());
  EXPECT_TRUE(memo->ParentFont());
}

TEST(Fonts, ChildWithItsOwnFontKeepsItWhenTheParentsFontChanges) {
  TestBand band(nullptr);
  auto* memo = new TestMemo(&band);
  memo->Font()->SetName("Courier New");
  band.Font()->SetName("Tahoma");
  EXPECT_EQ(memo->Font()->Name(), "Courier New");
  EXPECT_FALSE(memo->ParentFont());
}

TEST(Fonts, AssigningAFontClearsParentFont) {
  TestBand band(nullptr);
  auto* memo = new TestMemo(&band);
  TrpFont font;
  font.SetName("標楷體");
  font.SetCharset(CHINESEBIG5_CHARSET);
  memo->SetFont(font);
  EXPECT_FALSE(memo->ParentFont());
  EXPECT_EQ(memo->Font()->Name(), "標楷體");
  EXPECT_EQ(memo->Font()->Charset(), CHINESEBIG5_CHARSET);
}

TEST(Fonts, ChangingOneAttributeOfTheOwnFontClearsParentFont) {
  TestMemo memo(nullptr);
  memo.Font()->SetSize(20);
  EXPECT_FALSE(memo.ParentFont());
}

TEST(Fonts, SettingParentFontTrueAgainTakesTheParentsFontBack) {
  TestBand band(nullptr);
  auto* memo = new TestMemo(&band);
  memo->Font()->SetSize(20);
  memo->SetParentFont(true);
  EXPECT_EQ(memo->Font()->Size(), 10);
  EXPECT_TRUE(memo->ParentFont());
}

TEST(Fonts, ParentFontWithoutAParentOnlySetsTheFlag) {
  TestMemo memo(nullptr);
  memo.Font()->SetSize(20);
  memo.SetParentFont(true);
  EXPECT_TRUE(memo.ParentFont());
  EXPECT_EQ(memo.Font()->Size(), 20);
}

TEST(Fonts, AssignNotifiesOnceAndSameValuesDoNotNotify) {
  TrpFont font;
  int changes = 0;
  font.SetOnChange([&] { ++changes; });
  font.SetSize(10);
  EXPECT_EQ(changes, 0);
  TrpFont other;
  other.SetName("Tahoma");
  other.SetSize(8);
  font.Assign(other);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(font.SameAs(other));
}

struct HeightCase {
  int Size;
  int Height;
};

class FontHeights : public ::testing::TestWithParam<HeightCase> {};

TEST_P(FontHeights, HeightIsMinusSizeInPixelsAndReadsBack) {
  TrpFont font;
  font.SetSize(GetParam().Size);
  EXPECT_EQ(font.Height(), GetParam().Height);
  TrpFont back;
  back.SetHeight(GetParam().Height);
  EXPECT_EQ(back.Size(), GetParam().Size);
}

INSTANTIATE_TEST_SUITE_P(At96Dpi, FontHeights,
                         ::testing::Values(HeightCase{7, -9}, HeightCase{8, -11}, HeightCase{9, -12},
                                           HeightCase{10, -13}, HeightCase{11, -15},
                                           HeightCase{12, -16}, HeightCase{72, -96}));

struct CharsetCase {
  int Charset;
  int CodePage;
};

class CharsetCodePages : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(CharsetCodePages, CharsetGivesItsCodePage) {
  EXPECT_EQ(CharSetToCodePage(GetParam().Charset), GetParam().CodePage);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CharsetCodePages,
    ::testing::Values(CharsetCase{ANSI_CHARSET, 1252}, CharsetCase{CHINESEBIG5_CHARSET, 950},
                      CharsetCase{GB2312_CHARSET, 936}, CharsetCase{SHIFTJIS_CHARSET, 932},
                      CharsetCase{HANGEUL_CHARSET, 949}, CharsetCase{RUSSIAN_CHARSET, 1251},
                      CharsetCase{EASTEUROPE_CHARSET, 1250}, CharsetCase{THAI_CHARSET, 874},
                      CharsetCase{OEM_CHARSET, 437}));

TEST(Charsets, DefaultAndUnknownCharsetsGiveTheMachinesCodePage) {
  EXPECT_EQ(CharSetToCodePage(DEFAULT_CHARSET), rpSystemCodePage());
  EXPECT_EQ(CharSetToCodePage(99), rpSystemCodePage());
}

TEST(Charsets, Big5TextSurvivesARoundTrip) {
  const QString text = QStringLiteral("中文練習");
  const QByteArray bytes = rpUnicodeToCharset(text, CHINESEBIG5_CHARSET);
  EXPECT_EQ(bytes.size(), 8);
  EXPECT_EQ(rpCharsetToUnicode(bytes, CHINESEBIG5_CHARSET), text);
}

TEST(Charsets, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(rpUnicodeToCharset(QStringLiteral("a中b"), ANSI_CHARSET), QByteArray("a?b"));
}
