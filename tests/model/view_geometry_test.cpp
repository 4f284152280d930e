// Geometry: how BeginDraw maps report units to device pixels (halves to even), the drop shadow's
// share of the box, the pen width, and the stretchable base's measuring hooks.
#include <gtest/gtest.h>

#include "report/views/frame.h"
#include "report/views/stretcheable.h"
#include "report/views/view.h"
#include "view_test_support.h"

namespace {

constexpr TColor kGreen = 0x00FF00;

struct MappingCase {
  Extended left, top, width, height, scale, offset;
  int x, y, x1, y1;
};

class BeginDrawMapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(BeginDrawMapping, RoundsEveryDeviceValueHalvesToEven) {
  const MappingCase& c = GetParam();
  ViewTestReport report;
  TrpView view(&report);
  view.SetBounds(c.left, c.top, c.width, c.height);
  QImage image = rpBlankImage(4, 4);
  QPainter painter(&image);
  view.BeginDraw(painter, c.scale, c.scale, c.offset, c.offset);
  EXPECT_EQ(view.FX, c.x);
  EXPECT_EQ(view.FY, c.y);
  EXPECT_EQ(view.FX1, c.x1);
  EXPECT_EQ(view.FY1, c.y1);
  EXPECT_EQ(view.FDX, c.x1 - c.x);
  EXPECT_EQ(view.FDY, c.y1 - c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BeginDrawMapping,
    ::testing::Values(MappingCase{2.5, 3.5, 10, 10, 1, 0, 2, 4, 12, 14},
                      MappingCase{0.5, 1.5, 2, 2, 1, 0, 0, 2, 2, 4},
                      MappingCase{10, 10, 20, 20, 2, 0, 20, 20, 60, 60},
                      MappingCase{10, 10, 20, 20, 1, 0.5, 10, 10, 30, 30},
                      MappingCase{10, 10, 20, 20, 1.25, 0, 12, 12, 38, 38},
                      MappingCase{1, 1, 1, 1, 2.5, 0, 2, 2, 5, 5}));

TEST(BeginDraw, DrawsAtTheAbsolutePositionInsideItsParent) {
  ViewTestReport report;
  TrpView parent(&report);
  parent.SetBounds(100, 50, 300, 300);
  auto* child = new TrpView(&parent);
  child->SetBounds(5, 6, 10, 10);
  QImage image = rpBlankImage(4, 4);
  QPainter painter(&image);
  child->BeginDraw(painter, 1, 1, 0, 0);
  EXPECT_EQ(child->FX, 105);
  EXPECT_EQ(child->FY, 56);
}

TEST(BeginDraw, KeepsCanvasScalesAndOffsets) {
  ViewTestReport report;
  TrpView view(&report);
  QImage image = rpBlankImage(4, 4);
  QPainter painter(&image);
  view.BeginDraw(painter, 1.5, 2, 3, 4);
  EXPECT_EQ(view.FCanvas, &painter);
  EXPECT_EQ(view.FScaleX, 1.5L);
  EXPECT_EQ(view.FScaleY, 2.0L);
  EXPECT_EQ(view.FOffsetX, 3.0L);
  EXPECT_EQ(view.FOffsetY, 4.0L);
}

TEST(BeginDraw, FrameWidthIsScaledAndRoundedHalvesToEven) {
  ViewTestReport report;
  TrpView view(&report);
  view.Frame()->SetWidth(2.5);
  QImage image = rpBlankImage(4, 4);
  QPainter painter(&image);
  view.BeginDraw(painter, 1, 1, 0, 0);
  EXPECT_EQ(view.FFrameWidth, 2);
  view.Frame()->SetWidth(3.5);
  view.BeginDraw(painter, 1, 1, 0, 0);
  EXPECT_EQ(view.FFrameWidth, 4);
}

TEST(BeginDraw, DropShadowTakesItsWidthFromTheRightAndBottom) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetBounds(0, 0, 40, 40);
  view.Frame()->SetDropShadow(true);
  view.Frame()->SetShadowWidth(4);
  QImage image = rpBlankImage(4, 4);
  QPainter painter(&image);
  view.BeginDraw(painter, 1.5, 1.5, 0, 0);
  EXPECT_EQ(view.FX1, 54);  // 60 - round(6)
  EXPECT_EQ(view.FDY, 54);
}

// The background lands on the rounded pixels: Left 2.5 starts at 2, Left 3.5 at 4.
TEST(BeginDraw, BackgroundStartsAtTheRoundedPixel) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetColor(kGreen);
  view.SetBounds(2.5, 0, 10, 4);
  QImage image = rpRender(view, 20, 4);
  EXPECT_EQ(rpPixel(image, 1, 1), clWhite);
  EXPECT_EQ(rpPixel(image, 2, 1), kGreen);
  view.SetBounds(3.5, 0, 10, 4);
  image = rpRender(view, 20, 4);
  EXPECT_EQ(rpPixel(image, 3, 1), clWhite);
  EXPECT_EQ(rpPixel(image, 4, 1), kGreen);
}

TEST(ViewDrawing, SameObjectScalesWithTheZoom) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetColor(kGreen);
  view.SetBounds(10, 10, 10, 10);
  const QImage image = rpRender(view, 60, 60, 2, 5, 5);
  EXPECT_EQ(rpPixel(image, 25, 25), kGreen);
  EXPECT_EQ(rpPixel(image, 44, 44), kGreen);
  EXPECT_EQ(rpPixel(image, 45, 45), clWhite);
  EXPECT_EQ(rpPixel(image, 24, 24), clWhite);
}

// --- stretchable base ----------------------------------------------------------------------------

TEST(Stretcheable, MeasuresItsCurrentHeightAndDrawsNoPart) {
  ViewTestReport report;
  TrpStretcheable object(&report);
  object.SetHeight(37);
  EXPECT_EQ(object.CalcHeight(), 37);
  EXPECT_EQ(object.DrawPart(), 0);
  EXPECT_EQ(object.StretchMode(), smDontStretch);
}

struct PartCase {
  Extended top, saveHeight, freeSpace;
  bool hasNext;
};

class NextDataPart : public ::testing::TestWithParam<PartCase> {};

TEST_P(NextDataPart, IsTrueUntilTheFreeSpaceHoldsTopPlusSavedHeight) {
  ViewTestReport report;
  TrpStretcheable object(&report);
  object.SetTop(GetParam().top);
  object.FSaveHeight = GetParam().saveHeight;
  EXPECT_EQ(object.HasNextDataPart(GetParam().freeSpace), GetParam().hasNext);
}

INSTANTIATE_TEST_SUITE_P(Spaces, NextDataPart,
                         ::testing::Values(PartCase{10, 50, 59, true}, PartCase{10, 50, 60, false},
                                           PartCase{10, 50, 100, false}, PartCase{0, 0, 0, false}));

// --- new views -----------------------------------------------------------------------------------

TEST(NewView, HasBrushFillAllVisibilitiesAndShiftsAlways) {
  ViewTestReport report;
  TrpView view(&report);
  EXPECT_EQ(view.FillType(), ftBrush);
  EXPECT_EQ(view.Color(), clNone);
  EXPECT_EQ(view.ShiftMode(), smAlways);
  EXPECT_EQ(view.Visibility(), (TrpVisibility{vsPreview, vsExport, vsPrint}));
  EXPECT_FALSE(view.PlainText());
  EXPECT_FALSE(view.DrawAsMask());
  EXPECT_TRUE(view.rpComponentStyle().Has(csDefaultDiff));
  EXPECT_TRUE(view.Frame()->Typ().IsEmpty());
}

TEST(NewView, PrintableIsTheVisibilityPrintMember) {
  ViewTestReport report;
  TrpView view(&report);
  view.SetPrintable(false);
  EXPECT_FALSE(view.Visibility().Has(vsPrint));
  EXPECT_TRUE(view.Visibility().Has(vsPreview));
  view.SetVisibility({vsPrint});
  EXPECT_TRUE(view.Printable());
}

}  // namespace
