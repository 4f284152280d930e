#include "report/text/draw_text.h"

#include "text_capture_device.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A font the set-up installs, so metrics are the same on every machine.
TrpTextFont testFont(int size = 10) {
  TrpTextFont font;
  font.Name = QStringLiteral("Liberation Sans");
  font.Size = size;
  return font;
}

class DrawTextTest : public ::testing::Test {
 protected:
  void SetUp() override { TrpDrawText::Lock(); }
  void TearDown() override { TrpDrawText::Unlock(); }

  // Lays `lines` out in a box of width x height report units at scale 1.
  void layout(const QStringList& lines, int width, int height = 1000, bool wordBreak = false,
              bool tags = false) {
    text.SetFont(testFont());
    text.SetOptions(/*wordWrap*/ true, tags, 0, /*wysiwyg*/ true, false, wordBreak, false);
    text.SetGaps(0, 0, 0);
    text.SetDimensions(1, 1, 1, QRect(0, 0, width, height), QRect(0, 0, width, height));
    text.SetText(lines);
  }

  Extended widthOf(const QString& s) {
    TrpDrawText probe;
    probe.SetFont(testFont());
    probe.SetOptions(false, false, 0, true, false, false, false);
    probe.SetGaps(0, 0, 0);
    probe.SetDimensions(1, 1, 1, QRect(0, 0, 10000, 100), QRect(0, 0, 10000, 100));
    probe.SetText({s});
    return probe.CalcWidth();
  }

  TrpDrawText text;
};

TEST_F(DrawTextTest, SingleCharacterNeverWraps) {
  layout({QStringLiteral("W")}, 1);
  EXPECT_EQ(text.Text(), QStringList{QStringLiteral("W")});
}

TEST_F(DrawTextTest, CharactersWiderThanTheBoxGoOnePerLine) {
  layout({QStringLiteral("WWW")}, 2);
  EXPECT_EQ(text.Text(), (QStringList{QStringLiteral("W"), QStringLiteral("W"), QStringLiteral("W")}));
}

TEST_F(DrawTextTest, WrapsAtTheLastBlankThatFitsAndDropsIt) {
  const int width = static_cast<int>(widthOf(QStringLiteral("aaa bbb"))) + 2;
  layout({QStringLiteral("aaa bbb ccc")}, width);
  EXPECT_EQ(text.Text(), (QStringList{QStringLiteral("aaa bbb"), QStringLiteral("ccc")}));
  EXPECT_EQ(text.LineFlags(0), TrpDrawText::FirstLineOfParagraph);
  EXPECT_EQ(text.LineFlags(1), TrpDrawText::LastLineOfParagraph);
}

TEST_F(DrawTextTest, EmptyLineIsOneBlankParagraph) {
  layout({QStringLiteral("a"), QString(), QStringLiteral("b")}, 500);
  EXPECT_EQ(text.Text(), (QStringList{QStringLiteral("a"), QStringLiteral(" "), QStringLiteral("b")}));
  EXPECT_EQ(text.LineFlags(1), TrpDrawText::FirstLineOfParagraph | TrpDrawText::LastLineOfParagraph);
}

TEST_F(DrawTextTest, WordBreakCutsACyrillicWordBetweenSyllablesWithAHyphen) {
  const QString word = QString::fromUtf16(u"МОЛОКОМОЛОКО");
  const int width = static_cast<int>(widthOf(word.left(5))) + 2;  // five letters fit
  layout({word}, width, 1000, /*wordBreak*/ true);
  ASSERT_GE(text.Text().size(), 2);
  EXPECT_EQ(text.Text()[0], QString::fromUtf16(u"МОЛО-"));
}

TEST_F(DrawTextTest, WordBreakCutsALatinWordAtTheFittingCountWithoutHyphen) {
  const int width = static_cast<int>(widthOf(QStringLiteral("abcde"))) + 1;
  layout({QStringLiteral("abcdefghij")}, width, 1000, true);
  ASSERT_GE(text.Text().size(), 2);
  EXPECT_EQ(text.Text()[0], QStringLiteral("abcde"));
}

TEST_F(DrawTextTest, OneCharacterWidthIsItsAdvanceAtSixHundredPpiPlusSpacing) {
  const Extended plain = widthOf(QStringLiteral("M"));
  text.SetFont(testFont());
  text.SetOptions(true, false, 0, true, false, false, false);
  text.SetGaps(0, 3, 0);
  text.SetDimensions(1, 1, 1, QRect(0, 0, 100, 100), QRect(0, 0, 100, 100));
  text.SetText({QStringLiteral("M")});
  EXPECT_NEAR(static_cast<double>(text.CalcWidth()), static_cast<double>(plain + 3), 0.2);
  EXPECT_GT(plain, 5);
  EXPECT_LT(plain, 15);
}

TEST_F(DrawTextTest, HeightCountsLinesAndNegativeSpacingOnceLess) {
  layout({QStringLiteral("a"), QStringLiteral("b")}, 100);
  const Extended lineHeight = 83 / 6.25L;  // 10 pt at 600 ppi, in report units
  EXPECT_NEAR(static_cast<double>(text.CalcHeight()), static_cast<double>(2 * lineHeight), 1e-9);
  text.SetGaps(-2, 0, 0);
  EXPECT_NEAR(static_cast<double>(text.CalcHeight()), static_cast<double>(2 * (lineHeight - 2) + 2), 1e-9);
}

TEST_F(DrawTextTest, UnusedSpaceOfExactlyFittingLinesIsNotZero) {
  // Line height 83 / 6.25 = 13.28; three lines are 39.84, so a box of height H with H + 1 = 39.84
  // cannot be made of integers; use a line spacing that makes the line height 14 instead.
  text.SetFont(testFont());
  text.SetOptions(true, false, 0, true, false, false, false);
  text.SetGaps(14 - 83 / 6.25L, 0, 0);
  text.SetDimensions(1, 1, 1, QRect(0, 0, 100, 41), QRect(0, 0, 100, 41));
  text.SetText({QStringLiteral("a")});
  EXPECT_NEAR(static_cast<double>(text.UnusedSpace()), 0.0001, 1e-9);
  text.SetDimensions(1, 1, 1, QRect(0, 0, 100, 45), QRect(0, 0, 100, 45));
  EXPECT_NEAR(static_cast<double>(text.UnusedSpace()), 4, 1e-9);
}

TEST_F(DrawTextTest, OutBoundsTextIsTheRestAndInBoundsTheLinesThatFit) {
  layout({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}, 200, 20);
  bool paraBreak = true;
  const QString rest = text.GetOutBoundsText(paraBreak);
  EXPECT_EQ(rest, QStringLiteral("two\r\nthree\r\n"));
  EXPECT_FALSE(paraBreak);
  EXPECT_EQ(text.GetInBoundsText(), QStringLiteral("one\r\n"));
  EXPECT_EQ(text.Text(), QStringList{QStringLiteral("one")});
}

TEST_F(DrawTextTest, SplitInsideAParagraphRestoresTheTagState) {
  const int width = static_cast<int>(widthOf(QStringLiteral("aaa"))) + 2;
  layout({QStringLiteral("<b>aaa bbb</b>")}, width, 20, false, /*tags*/ true);
  bool paraBreak = false;
  const QString rest = text.GetOutBoundsText(paraBreak);
  EXPECT_TRUE(paraBreak);
  EXPECT_EQ(rest, QStringLiteral("<font color=\"#000000\"><b>bbb</b>\r\n"));
}

TEST_F(DrawTextTest, EmptyTextMeasuresZero) {
  layout({}, 100);
  EXPECT_EQ(text.CalcWidth(), 0);
  EXPECT_EQ(text.CalcHeight(), 0);
}

// ---- drawing: the same text lands in the same place at every scale

QRect inkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

QImage render(TrpDrawText& text, const QStringList& lines, Extended scale, const QSize& box,
              TrpHAlign h = haLeft, TrpVAlign v = vaTop, int rotation = 0) {
  const QSize scaled(static_cast<int>(box.width() * scale), static_cast<int>(box.height() * scale));
  QImage image(scaled, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  text.SetFont(testFont(20));
  text.SetOptions(true, false, rotation, true, true, false, false);
  text.SetGaps(0, 0, 0);
  text.SetDimensions(scale, scale, 1, QRect(QPoint(0, 0), box), QRect(QPoint(0, 0), scaled));
  text.SetText(lines);
  text.DrawText(&painter, h, v);
  return image;
}

TEST_F(DrawTextTest, TextOccupiesTheSamePlaceAtEveryScale) {
  const QStringList lines{QStringLiteral("Handwriting 123")};
  const QRect one = inkBounds(render(text, lines, 1, QSize(300, 60)));
  const QRect three = inkBounds(render(text, lines, 3, QSize(300, 60)));
  ASSERT_FALSE(one.isEmpty());
  EXPECT_NEAR(three.width() / 3.0, one.width(), 2.0);
  EXPECT_NEAR(three.left() / 3.0, one.left(), 1.5);
}

TEST_F(DrawTextTest, RightAlignedTextEndsAtTheRightEdge) {
  const QRect ink = inkBounds(render(text, {QStringLiteral("Right")}, 1, QSize(300, 60), haRight));
  EXPECT_GE(ink.right(), 290);
  EXPECT_LE(ink.right(), 299);
}

TEST_F(DrawTextTest, CentredTextIsCentredBothWays) {
  const QRect ink = inkBounds(render(text, {QStringLiteral("H")}, 1, QSize(100, 100), haCenter, vaCenter));
  EXPECT_NEAR(ink.center().x(), 50, 3);
  EXPECT_NEAR(ink.center().y(), 50, 6);
}

TEST_F(DrawTextTest, JustifiedLastLineStaysLeft) {
  const QRect ink = inkBounds(render(text, {QStringLiteral("ab cd")}, 1, QSize(300, 60), haBlock));
  EXPECT_LT(ink.left(), 5);
  EXPECT_LT(ink.right(), 150);
}

TEST_F(DrawTextTest, ARotatedLineRunsUpwards) {
  const QRect ink = inkBounds(render(text, {QStringLiteral("Rotated")}, 1, QSize(100, 300), haLeft, vaTop, 90));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.height(), ink.width() * 2);
}

// Each character of a rotated line sits further along the line's direction than the one before:
// up the page at 90 degrees, down it at 270, leftwards upside down at 180.
struct RotationCase {
  int Rotation;
  int DirX, DirY;  // the sign of each step between characters
};

class RotatedLine : public DrawTextTest, public ::testing::WithParamInterface<RotationCase> {};

TEST_P(RotatedLine, RunsInItsDirection) {
  const RotationCase c = GetParam();
  TextCaptureDevice device;
  QPainter painter(&device);
  text.SetFont(testFont());
  text.SetOptions(false, false, c.Rotation, true, false, false, false);
  text.SetGaps(0, 0, 0);
  text.SetDimensions(1, 1, 1, QRect(100, 100, 300, 300), QRect(100, 100, 300, 300));
  text.SetText({QStringLiteral("ABCD")});
  text.DrawText(&painter, haLeft, vaTop);
  painter.end();
  const QList<CapturedGlyph>& glyphs = device.Glyphs();
  ASSERT_EQ(glyphs.size(), 4);
  for (int i = 1; i < glyphs.size(); ++i) {
    const QPointF step = glyphs[i].Position - glyphs[i - 1].Position;
    EXPECT_EQ(step.x() > 0.5 ? 1 : step.x() < -0.5 ? -1 : 0, c.DirX) << "rotation " << c.Rotation << " step " << i;
    EXPECT_EQ(step.y() > 0.5 ? 1 : step.y() < -0.5 ? -1 : 0, c.DirY) << "rotation " << c.Rotation << " step " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Angles, RotatedLine,
                         ::testing::Values(RotationCase{0, 1, 0}, RotationCase{90, 0, -1}, RotationCase{180, -1, 0},
                                           RotationCase{270, 0, 1}, RotationCase{45, 1, -1}));

// ---- justified lines span their box exactly

// The glyphs drawn for `lines` in a box `width` units wide, on a capturing screen device at
// scale 1, without the stretching to the measured width (so that a line can be compared with the
// same line aligned otherwise).
QList<CapturedGlyph> drawnGlyphs(TrpDrawText& text, const QStringList& lines, int width, TrpHAlign h,
                                 bool rightToLeft = false) {
  TextCaptureDevice device;
  QPainter painter(&device);
  text.SetFont(testFont());
  text.SetOptions(true, false, 0, /*wysiwyg*/ false, false, false, rightToLeft);
  text.SetGaps(0, 0, 0);
  text.SetDimensions(1, 1, 1, QRect(0, 0, width, 500), QRect(0, 0, width, 500));
  text.SetText(lines);
  text.DrawText(&painter, h, vaTop);
  painter.end();
  return device.Glyphs();
}

QList<CapturedGlyph> firstLineGlyphs(TrpDrawText& text, const QString& words, int width, TrpHAlign h) {
  const QList<CapturedGlyph> all = drawnGlyphs(text, {words}, width, h);
  QList<CapturedGlyph> first;
  for (const CapturedGlyph& g : all)
    if (g.Position.y() == all.first().Position.y()) first.append(g);
  return first;
}

class JustifiedLineTest : public DrawTextTest, public ::testing::WithParamInterface<int> {};

TEST_P(JustifiedLineTest, StartsWhereLeftTextStartsAndEndsWhereRightTextEnds) {
  const QString words = QStringLiteral("aaa bb c dddd ee fff g hh iiii jj kkk l mm nnnn o ppp qq rrrr");
  const int width = GetParam();
  const QList<CapturedGlyph> block = firstLineGlyphs(text, words, width, haBlock);
  const QList<CapturedGlyph> left = firstLineGlyphs(text, words, width, haLeft);
  const QList<CapturedGlyph> right = firstLineGlyphs(text, words, width, haRight);
  ASSERT_GT(block.size(), 3);
  ASSERT_EQ(block.size(), right.size());
  ASSERT_LT(block.size(), words.size() - words.count(QLatin1Char(' ')));  // the line was wrapped
  EXPECT_EQ(block.first().Position.x(), left.first().Position.x());
  EXPECT_EQ(block.last().Position.x(), right.last().Position.x()) << "box width " << width;
  // The blanks differ by one pixel at most, the wider ones first.
  QList<qreal> gaps;
  for (int i = 1; i < block.size(); ++i)
    if (block[i].Position.x() - block[i - 1].Position.x() != left[i].Position.x() - left[i - 1].Position.x())
      gaps.append(block[i].Position.x() - block[i - 1].Position.x() - (left[i].Position.x() - left[i - 1].Position.x()));
  ASSERT_FALSE(gaps.isEmpty());
  for (int i = 1; i < gaps.size(); ++i) EXPECT_LE(gaps[i], gaps[i - 1]);
  EXPECT_LE(gaps.first() - gaps.last(), 1);
}

INSTANTIATE_TEST_SUITE_P(BoxWidths, JustifiedLineTest, ::testing::Values(97, 120, 143, 150, 171, 200, 233));

// ---- right-to-left reading

// The drawn characters from left to right on the page (blanks are not drawn).
QString visualOrder(QList<CapturedGlyph> glyphs) {
  std::stable_sort(glyphs.begin(), glyphs.end(),
                   [](const CapturedGlyph& a, const CapturedGlyph& b) { return a.Position.x() < b.Position.x(); });
  QString order;
  for (const CapturedGlyph& g : glyphs) order += g.Text;
  return order;
}

// Read right to left, each character sits left of the one before, whatever the alignment; numbers
// and Latin words joined by blanks keep their own order; brackets are drawn mirrored.
TEST_F(DrawTextTest, RightToLeftPlacesCharactersInReadingOrder) {
  const struct {
    const char16_t* text;
    TrpHAlign align;
    const char16_t* leftToRight;
  } cases[] = {
      {u"אבגד הוזח", haLeft, u"חזוהדגבא"},
      {u"אבגד הוזח", haRight, u"חזוהדגבא"},
      {u"אבגד הוזח", haCenter, u"חזוהדגבא"},
      {u"א 123 bc de ב", haRight, u"בbcde123א"},
      {u"א(ב)", haLeft, u"(ב)א"},
  };
  for (const auto& c : cases) {
    const QList<CapturedGlyph> glyphs = drawnGlyphs(text, {QString::fromUtf16(c.text)}, 300, c.align, true);
    EXPECT_EQ(visualOrder(glyphs), QString::fromUtf16(c.leftToRight)) << QString::fromUtf16(c.text).toStdString();
    for (int i = 1; i < glyphs.size(); ++i)
      EXPECT_NE(glyphs[i].Position.x(), glyphs[i - 1].Position.x()) << "two characters at one place";
  }
  // The alignment still says where the line sits: right-aligned, the first character ends at the
  // same place as the last one of the same text read left to right.
  const QString hebrew = QString::fromUtf16(u"אבגד הוזח");
  const QList<CapturedGlyph> rtl = drawnGlyphs(text, {hebrew}, 300, haRight, true);
  const QList<CapturedGlyph> ltr = drawnGlyphs(text, {hebrew}, 300, haRight, false);
  EXPECT_GT(rtl.first().Position.x(), 200);
  EXPECT_EQ(rtl.last().Position.x(), ltr.first().Position.x());
}

TEST_F(DrawTextTest, RightToLeftJustifiedLinesFillTheBoxAndTheLastLineKeepsRight) {
  const QString hebrew = QString::fromUtf16(u"אבג דה ו זחטי כל מנס עפ צקר שת אבג דה");
  const QList<CapturedGlyph> block = drawnGlyphs(text, {hebrew}, 120, haBlock, true);
  const QList<CapturedGlyph> right = drawnGlyphs(text, {hebrew}, 120, haRight, true);
  const QList<CapturedGlyph> left = drawnGlyphs(text, {hebrew}, 120, haLeft, true);
  ASSERT_EQ(block.size(), right.size());
  ASSERT_GT(block.last().Position.y(), block.first().Position.y());  // wrapped
  EXPECT_EQ(block.first().Position.x(), right.first().Position.x());  // the first line's start, at the right
  // The first line's last character sits where left-aligned text puts it.
  int lastOfFirst = 0;
  while (block[lastOfFirst + 1].Position.y() == block.first().Position.y()) ++lastOfFirst;
  EXPECT_EQ(block[lastOfFirst].Position.x(), left[lastOfFirst].Position.x());
  EXPECT_EQ(block.last().Position.x(), right.last().Position.x());  // the last line, right-aligned
}

}  // namespace
