// Frames: which pixels each side covers, how the background meets the frame, the drop shadow,
// the double style, and which frame attributes are written.
#include <gtest/gtest.h>

#include "report/objects/property_access.h"
#include "report/views/frame.h"
#include "report/views/view.h"
#include "view_test_support.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;

// A view at (10, 10) of 20 x 20 with a green background.
struct FramedView : ::testing::Test {
  ViewTestReport report;
  TrpView* view = new TrpView(&report);
  void SetUp() override {
    view->SetBounds(10, 10, 20, 20);
    view->SetColor(kGreen);
  }
};

TEST_F(FramedView, DefaultFrameDrawsNoLineAndBackgroundExactlyOverTheBox) {
  const QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 10, 10), kGreen);
  EXPECT_EQ(rpPixel(image, 29, 29), kGreen);
  EXPECT_EQ(rpPixel(image, 9, 15), clWhite);
  EXPECT_EQ(rpPixel(image, 30, 15), clWhite);
  EXPECT_EQ(rpPixel(image, 15, 30), clWhite);
  EXPECT_EQ(view->BackgroundRect(), QRect(10, 10, 20, 20));
}

TEST_F(FramedView, OneUnitFrameCoversTheEdgeColumnsAndRows) {
  view->Frame()->SetTyp({ftLeft, ftRight, ftTop, ftBottom});
  view->Frame()->SetColor(kRed);
  const QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 10, 20), kRed);
  EXPECT_EQ(rpPixel(image, 30, 20), kRed);
  EXPECT_EQ(rpPixel(image, 20, 10), kRed);
  EXPECT_EQ(rpPixel(image, 20, 30), kRed);
  EXPECT_EQ(rpPixel(image, 9, 20), clWhite);
  EXPECT_EQ(rpPixel(image, 31, 20), clWhite);
  EXPECT_EQ(rpPixel(image, 11, 20), kGreen);
  EXPECT_EQ(rpPixel(image, 29, 29), kGreen);
}

struct WideningCase {
  Extended width;
  QRect background;
};

class BackgroundUnderFrame : public ::testing::TestWithParam<WideningCase> {};

// Half the pen width (rounded halves to even) on each side, plus the odd pixel right and down.
TEST_P(BackgroundUnderFrame, WidensByHalfThePenAndTheOddPixelRightAndDown) {
  ViewTestReport report;
  auto* view = new TrpView(&report);
  view->SetBounds(10, 10, 20, 20);
  view->Frame()->SetTyp({ftLeft, ftRight, ftTop, ftBottom});
  view->Frame()->SetWidth(GetParam().width);
  rpRender(*view, 50, 50);
  EXPECT_EQ(view->BackgroundRect(), GetParam().background);
}

INSTANTIATE_TEST_SUITE_P(Widths, BackgroundUnderFrame,
                         ::testing::Values(WideningCase{1, QRect(10, 10, 21, 21)},
                                           WideningCase{2, QRect(9, 9, 22, 22)},
                                           WideningCase{3, QRect(8, 8, 25, 25)},
                                           WideningCase{5, QRect(8, 8, 25, 25)}));

TEST_F(FramedView, BackgroundWidensOnlyUnderTheSidesThatAreDrawn) {
  view->Frame()->SetTyp({ftLeft});
  view->Frame()->SetWidth(4);
  rpRender(*view, 40, 40);
  EXPECT_EQ(view->BackgroundRect(), QRect(8, 10, 22, 20));
}

TEST_F(FramedView, WidthTwoLineCoversThePixelBeforeTheEdgeAndTheEdge) {
  view->Frame()->SetTyp({ftLeft});
  view->Frame()->SetWidth(2);
  view->Frame()->SetColor(kRed);
  const QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 9, 20), kRed);
  EXPECT_EQ(rpPixel(image, 10, 20), kRed);
  EXPECT_EQ(rpPixel(image, 8, 20), clWhite);
  EXPECT_EQ(rpPixel(image, 11, 20), kGreen);
}

TEST_F(FramedView, NothingIsDrawnForColourNoneOrWidthZero) {
  view->Frame()->SetTyp({ftLeft, ftTop});
  view->Frame()->SetColor(clNone);
  QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 10, 20), kGreen);
  view->Frame()->SetColor(kRed);
  view->Frame()->SetWidth(0);
  image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 10, 20), kGreen);
  EXPECT_EQ(rpPixel(image, 20, 10), kGreen);
}

TEST_F(FramedView, SideWithoutNeighbourIsPulledInByHalfThePen) {
  // A lone left side of width 4 does not reach above the top or below the bottom.
  view->Frame()->SetTyp({ftLeft});
  view->Frame()->SetWidth(4);
  view->Frame()->SetColor(kRed);
  const QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 9, 10), kRed);
  EXPECT_EQ(rpPixel(image, 9, 9), clWhite);
  EXPECT_EQ(rpPixel(image, 9, 31), clWhite);
}

TEST_F(FramedView, JoinedCornerIsClosed) {
  view->Frame()->SetTyp({ftLeft, ftTop});
  view->Frame()->SetWidth(4);
  view->Frame()->SetColor(kRed);
  const QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 8, 8), kRed);
}

TEST_F(FramedView, PerSideLinesKeepTheirOwnColour) {
  view->Frame()->SetTyp({ftLeft, ftRight});
  view->Frame()->SetColor(kRed);
  view->Frame()->RightLine()->SetColor(clBlack);
  const QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(rpPixel(image, 10, 20), kRed);
  EXPECT_EQ(rpPixel(image, 30, 20), clBlack);
}

TEST_F(FramedView, DashedLineAlternatesAlongTheSide) {
  view->SetBounds(0, 10, 60, 20);
  view->Frame()->SetTyp({ftTop});
  view->Frame()->SetStyle(fsDash);
  view->Frame()->SetColor(kRed);
  const QImage image = rpRender(*view, 80, 40);
  EXPECT_EQ(rpPixel(image, 0, 10), kRed);
  EXPECT_EQ(rpPixel(image, 17, 10), kRed);
  EXPECT_EQ(rpPixel(image, 18, 10), kGreen);
  EXPECT_EQ(rpPixel(image, 24, 10), kRed);
}

TEST_F(FramedView, SquareStyleLaysSquaresTwoWidthsApart) {
  view->SetBounds(0, 10, 60, 20);
  view->Frame()->SetTyp({ftTop});
  view->Frame()->SetStyle(fsSquare);
  view->Frame()->SetWidth(3);
  view->Frame()->SetColor(kRed);
  const QImage image = rpRender(*view, 80, 40);
  EXPECT_EQ(rpPixel(image, 1, 10), kRed);
  EXPECT_EQ(rpPixel(image, 4, 10), kGreen);
  EXPECT_EQ(rpPixel(image, 7, 10), kRed);
}

TEST_F(FramedView, DoubleFrameDrawsALineOutsideAndALineInside) {
  view->SetBounds(10, 10, 30, 30);
  view->Frame()->SetTyp({ftLeft, ftRight, ftTop, ftBottom});
  view->Frame()->SetStyle(fsDouble);
  view->Frame()->SetWidth(2);
  view->Frame()->SetColor(kRed);
  const QImage image = rpRender(*view, 60, 60);
  // Left side at x = 10: outer line around x = 8, inner around x = 12, the edge itself open.
  EXPECT_EQ(rpPixel(image, 8, 25), kRed);
  EXPECT_EQ(rpPixel(image, 11, 25), kRed);
  EXPECT_EQ(rpPixel(image, 10, 25), kGreen);
  EXPECT_EQ(rpPixel(image, 14, 25), kGreen);
}

TEST_F(FramedView, DropShadowLiesInsideTheBoxBelowAndRightOfTheShrunkenObject) {
  view->Frame()->SetDropShadow(true);
  view->Frame()->SetShadowColor(kRed);
  view->Frame()->SetShadowWidth(4);
  const QImage image = rpRender(*view, 40, 40);
  EXPECT_EQ(view->FX1, 26);
  EXPECT_EQ(view->FY1, 26);
  EXPECT_EQ(rpPixel(image, 27, 20), kRed);   // right band
  EXPECT_EQ(rpPixel(image, 20, 28), kRed);   // bottom band
  EXPECT_EQ(rpPixel(image, 27, 12), clWhite);  // the right band starts one shadow width down
  EXPECT_EQ(rpPixel(image, 12, 28), clWhite);  // the bottom band one shadow width right
  EXPECT_EQ(rpPixel(image, 25, 25), kGreen);
  EXPECT_EQ(rpPixel(image, 30, 30), clWhite);
}

// --- properties ----------------------------------------------------------------------------------

TEST(FrameProperties, FrameColourStyleAndWidthSetAllFourLines) {
  TrpFrame frame;
  frame.SetColor(kRed);
  frame.SetStyle(fsDot);
  frame.SetWidth(3);
  for (TrpFrameType side : {ftLeft, ftRight, ftTop, ftBottom}) {
    EXPECT_EQ(frame.Line(side)->Color(), kRed);
    EXPECT_EQ(frame.Line(side)->Style(), fsDot);
    EXPECT_EQ(frame.Line(side)->Width(), 3);
  }
}

bool stored(const TrpPersistent& object, const char* path) {
  const TrpPropertyRef ref = rpFindPropertyPath(object, QString::fromLatin1(path));
  return ref && ref.Property->IsStored(*ref.Object) && !rpIsDefaultValue(*ref.Object, *ref.Property);
}

TEST(FrameProperties, DefaultsAreNotWritten) {
  TrpFrame frame;
  for (const char* path : {"Color", "DropShadow", "ShadowColor", "ShadowWidth", "Style", "Typ",
                           "Width", "LeftLine.Color", "TopLine.Style", "BottomLine.Width"})
    EXPECT_FALSE(stored(frame, path)) << path;
}

TEST(FrameProperties, ShadowWidthTypAndWidthAreWrittenWhenChanged) {
  TrpFrame frame;
  frame.SetShadowWidth(3);
  frame.SetTyp({ftTop});
  frame.SetWidth(2);
  EXPECT_TRUE(stored(frame, "ShadowWidth"));
  EXPECT_TRUE(stored(frame, "Typ"));
  EXPECT_TRUE(stored(frame, "Width"));
  EXPECT_FALSE(stored(frame, "LeftLine.Width"));  // follows the frame
}

TEST(FrameProperties, LineAttributeIsWrittenOnlyWhereItDiffersFromTheFrame) {
  TrpFrame frame;
  frame.SetColor(kRed);
  frame.TopLine()->SetColor(kGreen);
  EXPECT_FALSE(stored(frame, "LeftLine.Color"));
  EXPECT_TRUE(stored(frame, "TopLine.Color"));
  frame.RightLine()->SetStyle(fsDash);
  EXPECT_TRUE(stored(frame, "RightLine.Style"));
}

TEST(FrameProperties, AssignCopiesEveryAttributeAndLine) {
  TrpFrame a, b;
  a.SetTyp({ftLeft, ftBottom});
  a.SetDropShadow(true);
  a.SetShadowWidth(7);
  a.SetColor(kRed);
  a.BottomLine()->SetWidth(5);
  b.Assign(a);
  EXPECT_EQ(b.Typ(), (TrpFrameTypes{ftLeft, ftBottom}));
  EXPECT_TRUE(b.DropShadow());
  EXPECT_EQ(b.ShadowWidth(), 7);
  EXPECT_EQ(b.LeftLine()->Color(), kRed);
  EXPECT_EQ(b.BottomLine()->Width(), 5);
}

}  // namespace
