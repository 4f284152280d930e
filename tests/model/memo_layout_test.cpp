// Measuring and splitting a text object, with "Arial" resolved to the installed metric twin
// "Liberation Sans" as at start-up.
#include "report/memo/memo_view.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include "memo_test_support.h"
#include "report/text/draw_text.h"
#include "report/views/frame.h"

namespace {

// The unrounded width the machine measures for one line in `memo`'s font.
Extended measuredWidth(const TrpCustomMemoView& memo, const QString& line) {
  TrpDrawText probe;
  TrpDrawText::Lock();
  probe.SetFont(memo.TextFont());
  probe.SetOptions(false, false, 0, true, false, false, false);
  probe.SetGaps(0, 0, 0);
  probe.SetDimensions(1, 1, 1, QRect(0, 0, 10000, 10000), QRect(0, 0, 10000, 10000));
  probe.SetText({line});
  const Extended width = probe.CalcWidth();
  TrpDrawText::Unlock();
  return width;
}

class MemoLayout : public ::testing::Test {
 protected:
  CalcTableReport report;
  TrpMemoView* memo = new TrpMemoView(&report);
};

TEST(MemoFont, ArialIsDrawnInLiberationSans) {
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
}

TEST_F(MemoLayout, TenPointTextIs13_28UnitsHighWithLinesOf15_28) {
  memo->SetBounds(0, 0, 300, 100);
  memo->SetMemo({QStringLiteral("x")});
  memo->CalcHeight();
  EXPECT_NEAR(static_cast<double>(report.DrawText().TextHeight()), 13.28, 1e-12);
  EXPECT_NEAR(static_cast<double>(report.DrawText().LineHeight()), 15.28, 1e-12);
}

TEST_F(MemoLayout, ThreeLinesAtTenPointsAre48High) {
  memo->SetBounds(0, 0, 300, 20);
  memo->SetMemo({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
  EXPECT_EQ(memo->CalcHeight(), 48);  // 3 x 15.28 + 2 x GapY = 47.84
}

TEST_F(MemoLayout, FrameLinesAndShadowAddToTheMargins) {
  memo->SetBounds(0, 0, 300, 20);
  memo->SetMemo({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
  memo->Frame()->SetTyp({ftTop, ftBottom, ftLeft, ftRight});
  memo->Frame()->SetWidth(2);
  EXPECT_EQ(memo->VerticalMargin(), 2 + 0.5L + 1);
  EXPECT_EQ(memo->CalcHeight(), 49);  // 45.84 + 3.5
  memo->Frame()->SetDropShadow(true);
  EXPECT_EQ(memo->HorizontalMargin(), 4 + 0.5L + 1 + 4);
  EXPECT_EQ(memo->CalcHeight(), 53);
}

TEST_F(MemoLayout, HeightFollowsTheWidthUnlessTheWidthIsAutomatic) {
  const QString line = QStringLiteral("a line that is far too long for a narrow box");
  memo->SetBounds(0, 0, 80, 20);
  memo->SetMemo({line});
  const Extended wrapped = memo->CalcHeight();
  EXPECT_GT(wrapped, 48);
  memo->SetAutoWidth(true);
  EXPECT_EQ(memo->CalcHeight(), 17);  // 15.28 + 2
}

TEST_F(MemoLayout, WidthHoldsTheLongestLinePlusTheGaps) {
  memo->SetMemo({QStringLiteral("short"), QStringLiteral("the longest line"), QStringLiteral("mid line")});
  const Extended longest = measuredWidth(*memo, QStringLiteral("the longest line"));
  EXPECT_EQ(memo->CalcWidth(), static_cast<Extended>(rpRound(longest + 4)));
}

TEST_F(MemoLayout, AnEmptyMemoMeasuresItsMarginsOnly) {
  EXPECT_EQ(memo->CalcHeight(), 2);
  EXPECT_EQ(memo->CalcWidth(), 4);
}

TEST_F(MemoLayout, ObjectsWithoutAReportUseTheSharedMachine) {
  TrpMemoView loose(nullptr);
  loose.SetBounds(0, 0, 300, 20);
  loose.SetMemo({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
  EXPECT_EQ(loose.CalcHeight(), 48);
  EXPECT_EQ(rpSharedDrawText().Text().size(), 3);
}

TEST_F(MemoLayout, DrawPartKeepsWhatFitsAndHandsOnTheRest) {
  memo->SetBounds(0, 0, 200, 40);  // text area 39 high: two lines
  memo->SetMemo({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
  memo->InitPart();
  const Extended unused = memo->DrawPart();
  EXPECT_EQ(memo->Memo(), (QStringList{"one", "two"}));
  EXPECT_NEAR(static_cast<double>(unused), 40 - 2 * 15.28, 1e-9);
  EXPECT_FALSE(memo->LastParaBreak());  // cut between paragraphs
  memo->DrawPart();
  EXPECT_EQ(memo->Memo(), QStringList{"three"});
}

TEST_F(MemoLayout, ACutInsideAParagraphIsMarkedAndThePartsJoinBack) {
  const QString paragraph = QStringLiteral("word word word word word word word word word word");
  memo->SetBounds(0, 0, 80, 40);
  memo->SetMemo({paragraph});
  memo->InitPart();
  QStringList parts;
  for (int i = 0; i < 20; ++i) {
    memo->DrawPart();
    if (memo->Memo().isEmpty()) break;
    ASSERT_EQ(memo->Memo().size(), 1);  // a part of the one paragraph, wrapped again when drawn
    parts << memo->Memo().first();
    if (i == 0) {
      EXPECT_TRUE(memo->LastParaBreak());
    }
  }
  EXPECT_GE(parts.size(), 2);
  // Each part keeps the blank at its cut, so the parts put together are the paragraph again.
  EXPECT_EQ(parts.join(QString()), paragraph);
}

TEST_F(MemoLayout, AnAreaShorterThanALineKeepsNothingAndReturnsTheFullHeight) {
  memo->SetBounds(0, 0, 200, 8);
  memo->SetMemo({QStringLiteral("one"), QStringLiteral("two")});
  memo->InitPart();
  EXPECT_EQ(memo->DrawPart(), 8);
  EXPECT_TRUE(memo->Memo().isEmpty());
}

TEST_F(MemoLayout, WrapTextBreaksAsTheMachineDoesOrStripsTags) {
  memo->SetBounds(0, 0, 60, 100);
  memo->SetMemo({QStringLiteral("alpha beta gamma")});
  EXPECT_TRUE(memo->WrapText(true).contains(QLatin1String("\r\n")));
  memo->SetAllowHTMLTags(true);
  memo->SetMemo({QStringLiteral("<b>bold</b> and <i>more</i> text")});
  EXPECT_EQ(memo->WrapText(false), QStringLiteral("bold and more text"));
}

}  // namespace
