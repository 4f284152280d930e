// Fills: brush colour and hatch, every gradient style with its colour steps, the glass fill's
// halves and hatch, switching fill kinds, and what each fill writes.
#include <gtest/gtest.h>

#include "report/objects/class_info.h"
#include "report/objects/property_access.h"
#include "report/views/brush_fill.h"
#include "report/views/glass_fill.h"
#include "report/views/gradient_fill.h"
#include "report/views/view.h"
#include "view_test_support.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

QImage paint(const TrpCustomFill& fill, const QRect& rect, int width, int height) {
  QImage image = rpBlankImage(width, height);
  QPainter painter(&image);
  fill.Draw(painter, rect);
  painter.end();
  return image;
}

int red(TColor c) { return c & 0xFF; }

// --- brush ---------------------------------------------------------------------------------------

TEST(BrushFill, BackColourFillsTheRectangleExactly) {
  TrpBrushFill fill;
  fill.SetBackColor(kBlue);
  const QImage image = paint(fill, QRect(5, 5, 10, 10), 20, 20);
  EXPECT_EQ(rpPixel(image, 5, 5), kBlue);
  EXPECT_EQ(rpPixel(image, 14, 14), kBlue);
  EXPECT_EQ(rpPixel(image, 15, 14), clWhite);
  EXPECT_EQ(rpPixel(image, 4, 5), clWhite);
}

TEST(BrushFill, BackColourNoneLeavesTheCanvas) {
  TrpBrushFill fill;
  const QImage image = paint(fill, QRect(0, 0, 10, 10), 10, 10);
  EXPECT_EQ(rpPixel(image, 5, 5), clWhite);
}

TEST(BrushFill, HatchLaysForeColourOverTheBackgroundAndOnePixelBeyond) {
  TrpBrushFill fill;
  fill.SetBackColor(kBlue);
  fill.SetForeColor(kRed);
  fill.SetStyle(bsVertical);
  const QImage image = paint(fill, QRect(0, 0, 16, 16), 24, 24);
  int hatch = 0, back = 0;
  for (int x = 0; x < 16; ++x) {
    hatch += rpPixel(image, x, 3) == kRed;
    back += rpPixel(image, x, 3) == kBlue;
  }
  EXPECT_GT(hatch, 0);
  EXPECT_GT(back, 0);
  // The pattern reaches the extra row below the rectangle where its columns pass.
  int below = 0;
  for (int x = 0; x < 16; ++x) below += rpPixel(image, x, 16) == kRed;
  EXPECT_GT(below, 0);
  EXPECT_EQ(rpPixel(image, 3, 18), clWhite);
}

// --- gradient ------------------------------------------------------------------------------------

TEST(GradientFill, HorizontalRunsFromStartOnTheLeftToEndOnTheRight) {
  TrpGradientFill fill;  // white to black
  const QImage image = paint(fill, QRect(0, 0, 256, 4), 256, 4);
  EXPECT_EQ(rpPixel(image, 0, 2), clWhite);
  EXPECT_EQ(rpPixel(image, 255, 2), clBlack);
  // Stripe 128 of 256: start + MulDiv(128, -255, 255) = 127.
  EXPECT_EQ(rpPixel(image, 128, 2), 0x7F7F7F);
}

TEST(GradientFill, VerticalRunsFromTopToBottom) {
  TrpGradientFill fill;
  fill.SetGradientStyle(gsVertical);
  fill.SetStartColor(kRed);
  fill.SetEndColor(kBlue);
  const QImage image = paint(fill, QRect(0, 0, 4, 256), 4, 256);
  EXPECT_EQ(rpPixel(image, 1, 0), kRed);
  EXPECT_EQ(rpPixel(image, 1, 255), kBlue);
  EXPECT_EQ(rpPixel(image, 1, 128), 0x80007F);
}

TEST(GradientFill, ViewColourIsStep127) {
  TrpGradientFill fill;
  EXPECT_EQ(fill.ViewColor(), 0x808080);
}

TEST(GradientFill, VertCenterHasStartAtBothEdgesAndEndInTheMiddle) {
  TrpGradientFill fill;
  fill.SetGradientStyle(gsVertCenter);
  const QImage image = paint(fill, QRect(0, 0, 4, 10), 4, 10);
  EXPECT_EQ(rpPixel(image, 1, 0), clWhite);
  EXPECT_EQ(rpPixel(image, 1, 9), clWhite);
  EXPECT_EQ(rpPixel(image, 1, 4), clBlack);
  EXPECT_EQ(rpPixel(image, 1, 5), clBlack);
}

TEST(GradientFill, HorizCenterHasStartAtBothEdgesAndEndInTheMiddle) {
  TrpGradientFill fill;
  fill.SetGradientStyle(gsHorizCenter);
  const QImage image = paint(fill, QRect(0, 0, 10, 4), 10, 4);
  EXPECT_EQ(rpPixel(image, 0, 1), clWhite);
  EXPECT_EQ(rpPixel(image, 9, 1), clWhite);
  EXPECT_EQ(rpPixel(image, 5, 1), clBlack);
}

struct ThinCase {
  TrpGradientStyle style;
  QRect rect;
};

class CentreGradientOnThinObject : public ::testing::TestWithParam<ThinCase> {};

// Under two pixels there is no middle: the one stripe keeps the start colour, nothing divides
// by zero.
TEST_P(CentreGradientOnThinObject, PaintsTheStartColour) {
  TrpGradientFill fill;
  fill.SetGradientStyle(GetParam().style);
  fill.SetStartColor(kRed);
  const QImage image = paint(fill, GetParam().rect, 12, 12);
  EXPECT_EQ(rpPixel(image, GetParam().rect.x(), GetParam().rect.y()), kRed);
}

INSTANTIATE_TEST_SUITE_P(Styles, CentreGradientOnThinObject,
                         ::testing::Values(ThinCase{gsVertCenter, QRect(2, 2, 8, 1)},
                                           ThinCase{gsHorizCenter, QRect(2, 2, 1, 8)}));

TEST(GradientFill, EmptyRectanglePaintsNothing) {
  TrpGradientFill fill;
  fill.SetGradientStyle(gsVertCenter);
  fill.SetStartColor(kRed);
  const QImage image = paint(fill, QRect(2, 2, 8, 0), 12, 12);
  EXPECT_EQ(rpPixel(image, 2, 2), clWhite);
}

TEST(GradientFill, EllipticHasStartInTheCornersAndEndInTheCentre) {
  TrpGradientFill fill;
  fill.SetGradientStyle(gsElliptic);
  const QImage image = paint(fill, QRect(0, 0, 200, 100), 200, 100);
  EXPECT_GT(red(rpPixel(image, 0, 0)), 230);
  EXPECT_LT(red(rpPixel(image, 100, 50)), 25);
}

TEST(GradientFill, RectangleHasStartAtTheEdgeAndEndInTheCentre) {
  TrpGradientFill fill;
  fill.SetGradientStyle(gsRectangle);
  const QImage image = paint(fill, QRect(0, 0, 200, 100), 200, 100);
  // The outer rectangles shrink by under a pixel per step, so the edge keeps nearly the start.
  EXPECT_GT(red(rpPixel(image, 0, 50)), 250);
  EXPECT_LT(red(rpPixel(image, 100, 50)), 8);
}

TEST(GradientFill, StepColourKeepsEachChannelToEightBits) {
  TrpGradientFill fill;
  fill.SetStartColor(0x102030);
  fill.SetEndColor(0x302010);
  EXPECT_EQ(fill.StepColor(0, 255), 0x102030);
  EXPECT_EQ(fill.StepColor(255, 255), 0x302010);
}

// --- glass ---------------------------------------------------------------------------------------

TEST(GlassFill, LightColourBlendsTowardsWhite) {
  TrpGlassFill fill;  // grey 0x80, blend 0.5: 128 + round(63.5) = 192
  EXPECT_EQ(fill.LightColor(), 0xC0C0C0);
  fill.SetBlend(2);
  EXPECT_EQ(fill.LightColor(), clWhite);
}

struct HalfCase {
  TrpFillOrientation orientation;
  QPoint light, plain;
};

class GlassHalves : public ::testing::TestWithParam<HalfCase> {};

TEST_P(GlassHalves, LightColourCoversTheNamedHalf) {
  TrpGlassFill fill;
  fill.SetOrientation(GetParam().orientation);
  const QImage image = paint(fill, QRect(0, 0, 20, 20), 20, 20);
  EXPECT_EQ(rpPixel(image, GetParam().light.x(), GetParam().light.y()), 0xC0C0C0);
  EXPECT_EQ(rpPixel(image, GetParam().plain.x(), GetParam().plain.y()), clGray);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, GlassHalves,
    ::testing::Values(HalfCase{foVertical, QPoint(9, 10), QPoint(10, 10)},
                      HalfCase{foHorizontal, QPoint(10, 9), QPoint(10, 10)},
                      HalfCase{foVerticalMirror, QPoint(10, 10), QPoint(9, 10)},
                      HalfCase{foHorizontalMirror, QPoint(10, 10), QPoint(10, 9)}));

TEST(GlassFill, HatchUsesTheLightColourLessSix) {
  TrpGlassFill fill;
  fill.SetHatch(true);
  const QImage image = paint(fill, QRect(0, 0, 16, 16), 16, 16);
  int hatch = 0;
  for (int x = 0; x < 16; ++x) hatch += rpPixel(image, x, 12) == 0xBABABA;
  EXPECT_GT(hatch, 0);
}

TEST(GlassFill, ColourNoneDrawsNothing) {
  TrpGlassFill fill;
  fill.SetColor(clNone);
  const QImage image = paint(fill, QRect(0, 0, 16, 16), 16, 16);
  EXPECT_EQ(rpPixel(image, 8, 4), clWhite);
  EXPECT_EQ(rpPixel(image, 8, 12), clWhite);
}

// What a report file keeps: the stored properties that are not at their declared default,
// copied into a fresh object as reading the file would.
template <class T>
void writeAndRead(const T& source, T& target) {
  for (const TrpPropertyDescriptor& p : source.ClassInfo().Properties())
    if (p.IsStored(source) && !rpIsDefaultValue(source, p)) p.Set(target, p.Get(source));
}

TEST(GlassFill, WhiteColourSurvivesSaveAndReload) {
  TrpGlassFill white;
  white.SetColor(clWhite);
  TrpGlassFill reread;
  writeAndRead(white, reread);
  EXPECT_EQ(reread.Color(), clWhite);
}

TEST(GlassFill, GreyIsTheDefaultAndIsNotWritten) {
  TrpGlassFill grey;
  const TrpPropertyDescriptor* color = grey.ClassInfo().FindProperty("Color");
  ASSERT_NE(color, nullptr);
  EXPECT_TRUE(rpIsDefaultValue(grey, *color));
}

TEST(GradientFill, GradientStyleIsAlwaysWritten) {
  TrpGradientFill fill;
  const TrpPropertyDescriptor* style = fill.ClassInfo().FindProperty("GradientStyle");
  ASSERT_NE(style, nullptr);
  EXPECT_FALSE(rpIsDefaultValue(fill, *style));
}

// --- the view's fill -----------------------------------------------------------------------------

TEST(ViewFill, ChangingTheKindCreatesAFillWithItsDefaults) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetColor(kRed);
  view.SetFillType(ftGradient);
  auto* gradient = dynamic_cast<TrpGradientFill*>(view.Fill());
  ASSERT_NE(gradient, nullptr);
  EXPECT_EQ(gradient->StartColor(), clWhite);
  view.SetFillType(ftBrush);
  EXPECT_EQ(view.Color(), clNone);
}

TEST(ViewFill, AssigningAFillOfAnotherKindSwitchesTheKindFirst) {
  ViewTestReport report;
  TrpView view(&report);
  TrpGlassFill glass;
  glass.SetColor(kBlue);
  view.SetFill(glass);
  EXPECT_EQ(view.FillType(), ftGlass);
  EXPECT_EQ(static_cast<TrpGlassFill*>(view.Fill())->Color(), kBlue);
}

TEST(ViewFill, ColourAndBrushStyleFollowTheFillKind) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetColor(kRed);
  view.SetBrushStyle(bsCross);
  EXPECT_EQ(view.Color(), kRed);
  EXPECT_EQ(view.BrushStyle(), bsCross);
  view.SetFillType(ftGradient);
  view.SetColor(kBlue);  // only a brush fill takes it
  EXPECT_EQ(view.Color(), 0x808080);
  EXPECT_EQ(view.BrushStyle(), bsClear);
  view.SetFillType(ftGlass);
  EXPECT_EQ(view.Color(), clNone);
}

}  // namespace
