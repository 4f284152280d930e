// Drawing a text object, checked from the positions of the characters actually drawn.
#include "report/memo/memo_view.h"

#include <QMap>
#include <QPainter>

#include <gtest/gtest.h>

#include "memo_test_support.h"
#include "report/datasets/data_set.h"
#include "report/text/draw_text.h"
#include "text_capture_device.h"

namespace {

// The drawn characters grouped into lines by baseline, top to bottom.
QList<QList<CapturedGlyph>> linesOf(const QList<CapturedGlyph>& glyphs) {
  QMap<long long, QList<CapturedGlyph>> byBaseline;
  for (const CapturedGlyph& g : glyphs) byBaseline[rpRound(g.Position.y())].append(g);
  return byBaseline.values();
}

QString textOf(const QList<CapturedGlyph>& glyphs) {
  QString text;
  for (const CapturedGlyph& g : glyphs) text += g.Text;
  return text;
}

QList<CapturedGlyph> draw(TrpCustomMemoView& memo, Extended scale, QList<CapturedLine>* lines = nullptr) {
  TextCaptureDevice device;
  {
    QPainter painter(&device);
    memo.Draw(painter, scale, scale, 0, 0);
  }
  if (lines) *lines = device.Lines();
  return device.Glyphs();
}

Extended measured(const TrpCustomMemoView& memo, const QStringList& lines) {
  TrpDrawText probe;
  TrpDrawText::Lock();
  probe.SetFont(memo.TextFont());
  probe.SetOptions(false, false, 0, true, false, false, false);
  probe.SetGaps(memo.LineSpacing(), 0, 0);
  probe.SetDimensions(1, 1, 1, QRect(0, 0, 10000, 10000), QRect(0, 0, 10000, 10000));
  probe.SetText(lines);
  const Extended value = lines.size() == 1 ? probe.CalcWidth() : probe.CalcHeight();
  TrpDrawText::Unlock();
  return value;
}

class MemoZoom : public ::testing::TestWithParam<double> {
 protected:
  void SetUp() override {
    memo->SetBounds(10, 20, 420, 90);
    memo->SetWordWrap(false);
    memo->SetMemo(kLines);
  }
  const QStringList kLines{QStringLiteral("Quilted lines of forty characters, each!"),
                           QStringLiteral("Another row: jumping over the lazy dogs."),
                           QStringLiteral("Third and last line of the sample text.")};
  CalcTableReport report;
  TrpMemoView* memo = new TrpMemoView(&report);
};

// Left and right alignment place the same line at both edges of the text area, so the distance
// between the two starts is the free width; the line itself is then exactly round(width x scale).
TEST_P(MemoZoom, EachLineSpansItsMeasuredWidthTimesTheScale) {
  const Extended scale = GetParam();
  memo->SetHAlign(haLeft);
  const auto left = linesOf(draw(*memo, scale));
  memo->SetHAlign(haRight);
  const auto right = linesOf(draw(*memo, scale));
  const QRect area = memo->TextRect();
  ASSERT_EQ(left.size(), 3);
  ASSERT_EQ(right.size(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(textOf(left[i]), QString(kLines[i]).remove(u' '));
    EXPECT_EQ(left[i].first().Position.x(), area.left());
    const long long drawnWidth = area.left() + area.width() - rpRound(right[i].first().Position.x());
    EXPECT_EQ(drawnWidth, rpRound(measured(*memo, {kLines[i]}) * scale));
    // The same advances at both places, all inside the drawn width.
    for (int k = 0; k < left[i].size(); ++k) {
      EXPECT_EQ(left[i][k].Position.x() - left[i][0].Position.x(), right[i][k].Position.x() - right[i][0].Position.x());
    }
    EXPECT_LT(left[i].last().Position.x() - area.left(), drawnWidth);
  }
}

// Top and bottom alignment put the block at both ends of the text area: the distance between
// the two first baselines is the free height, and the block is exactly round(height x scale).
TEST_P(MemoZoom, TheBlockHeightScalesExactly) {
  const Extended scale = GetParam();
  memo->SetVAlign(vaTop);
  const auto top = linesOf(draw(*memo, scale));
  memo->SetVAlign(vaBottom);
  const auto bottom = linesOf(draw(*memo, scale));
  const QRect area = memo->TextRect();
  ASSERT_EQ(top.size(), 3);
  const long long free = rpRound(bottom[0][0].Position.y() - top[0][0].Position.y());
  EXPECT_EQ(area.height() - free, rpRound(measured(*memo, kLines) * scale));
  EXPECT_EQ(rpRound(measured(*memo, kLines)), 46);  // 3 x 15.28
}

INSTANTIATE_TEST_SUITE_P(Scales, MemoZoom, ::testing::Values(0.5, 1.0, 1.37, 2.0, 4.0));

TEST(MemoDraw, AutoWidthFitsOneCharacterExactly) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(100, 0, 60, 30);
  memo->SetMemo({QString::fromUtf8("永")});
  memo->SetAutoWidth(true);
  memo->SetHAlign(haCenter);
  const Extended advance = measured(*memo, memo->Memo());
  draw(*memo, 1);
  EXPECT_EQ(memo->Width(), advance + 4);  // unrounded
  EXPECT_EQ(memo->Left() + memo->Width() / 2, 130);  // the centre stays
}

TEST(MemoDraw, AutoWidthKeepsTheRightEdgeOfRightAlignedText) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(100, 0, 200, 30);
  memo->SetMemo({QStringLiteral("right")});
  memo->SetAutoWidth(true);
  memo->SetHAlign(haRight);
  draw(*memo, 1);
  EXPECT_EQ(memo->Left() + memo->Width(), 300);
  EXPECT_LT(memo->Width(), 200);
}

TEST(MemoDraw, AutoWidthIsLeftAloneWhileDesigning) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(0, 0, 200, 30);
  memo->SetMemo({QStringLiteral("x")});
  memo->SetAutoWidth(true);
  memo->SetIsDesigning(true);
  draw(*memo, 1);
  EXPECT_EQ(memo->Width(), 200);
}

TEST(MemoDraw, ThePageCountIsFilledInWhenDrawn) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(0, 0, 300, 30);
  memo->SetText(QStringLiteral("Page 1 of [TotalPages#]"));
  memo->TotalPages = 7;
  EXPECT_EQ(textOf(draw(*memo, 1)), QStringLiteral("Page1of7"));
  EXPECT_EQ(memo->Text(), QStringLiteral("Page 1 of 7\r\n"));
}

TEST(MemoDraw, ADataBoundObjectShowsItsFieldWhileDesigning) {
  CalcTableReport report;
  auto* dataSet = new TrpDataSet(&report);
  dataSet->SetUserName(QStringLiteral("Pupils"));
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(0, 0, 400, 30);
  memo->SetDataSet(dataSet);
  memo->SetDataField(QStringLiteral("Name"));
  memo->SetIsDesigning(true);
  EXPECT_EQ(textOf(draw(*memo, 1)), QStringLiteral("[Pupils.\"Name\"]"));
  EXPECT_TRUE(memo->Memo().isEmpty());
}

TEST(MemoDraw, RotatedOrTopAlignedTextStartsAtTheTextArea) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(50, 40, 200, 60);
  memo->SetMemo({QStringLiteral("A")});
  const auto glyphs = draw(*memo, 2);
  ASSERT_EQ(glyphs.size(), 1);
  EXPECT_EQ(memo->TextRect().left(), 100 + 4);  // x + round(2 x GapX)
  EXPECT_EQ(memo->TextRect().top(), 80 + 2);
  EXPECT_EQ(glyphs[0].Position.x(), 104);
}

TEST(MemoDraw, UnderlinesRuleEveryTextLineInTheFrameColour) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(0, 0, 200, 50);
  memo->SetMemo({QStringLiteral("a"), QStringLiteral("b")});
  memo->SetUnderlines(true);
  QList<CapturedLine> lines;
  draw(*memo, 1, &lines);
  // Step 15.28; the first rule at 15.28 + (GapY - LineSpacing + 1) = 15.28, then 30.56 and 45.84,
  // all above the bottom (50).
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0].Line.y1(), 15);
  EXPECT_EQ(lines[1].Line.y1(), 31);
  EXPECT_EQ(lines[2].Line.y1(), 46);
  EXPECT_EQ(lines[0].Line.x1(), 0);
  EXPECT_EQ(lines[0].Line.x2(), 200);
  memo->SetRotation(90);  // rotated text has no rules
  draw(*memo, 1, &lines);
  EXPECT_TRUE(lines.isEmpty());
}

TEST(MemoDraw, AMaskIsDrawnInBlack) {
  CalcTableReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(0, 0, 200, 30);
  memo->SetMemo({QStringLiteral("x")});
  memo->Font()->SetColor(0x0000FF);
  EXPECT_EQ(draw(*memo, 1).first().Color, QColor(Qt::red));
  memo->SetDrawAsMask(true);
  EXPECT_EQ(draw(*memo, 1).first().Color, QColor(Qt::black));
}

}  // namespace
