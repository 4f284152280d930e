// Shapes and lines: outlines and fills of each shape kind, the double frame's second drawing,
// axis-parallel and diagonal lines, arrow heads and the designer's creation flags.
#include <gtest/gtest.h>

#include "report/objects/class_registry.h"
#include "report/views/frame.h"
#include "report/views/glass_fill.h"
#include "report/views/gradient_fill.h"
#include "report/views/line_arrow.h"
#include "report/views/line_view.h"
#include "report/views/shape_view.h"
#include "report/views/view_classes.h"
#include "view_test_support.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

// A shape at (10, 10) of 40 x 40, red outline, green inside.
struct Shape : ::testing::Test {
  ViewTestReport report;
  TrpShapeView* shape = new TrpShapeView(&report);
  void SetUp() override {
    shape->SetBounds(10, 10, 40, 40);
    shape->Frame()->SetColor(kRed);
    shape->SetColor(kGreen);
  }
  QImage Render() { return rpRender(*shape, 70, 70); }
};

TEST_F(Shape, RectangleIsOutlinedOnItsEdgePixelsAndFilledInside) {
  const QImage image = Render();
  EXPECT_EQ(rpPixel(image, 10, 30), kRed);
  EXPECT_EQ(rpPixel(image, 50, 30), kRed);
  EXPECT_EQ(rpPixel(image, 30, 10), kRed);
  EXPECT_EQ(rpPixel(image, 30, 50), kRed);
  EXPECT_EQ(rpPixel(image, 30, 30), kGreen);
  EXPECT_EQ(rpPixel(image, 9, 30), clWhite);
  EXPECT_EQ(rpPixel(image, 51, 30), clWhite);
}

TEST_F(Shape, EllipseLeavesTheBoxCornersEmpty) {
  shape->SetShape(skEllipse);
  const QImage image = Render();
  EXPECT_EQ(rpPixel(image, 12, 12), clWhite);
  EXPECT_EQ(rpPixel(image, 30, 30), kGreen);
  EXPECT_EQ(rpPixel(image, 10, 30), kRed);
}

TEST_F(Shape, TrianglePointsUpFromTheBottomEdge) {
  shape->SetShape(skTriangle);
  const QImage image = Render();
  EXPECT_EQ(rpPixel(image, 12, 12), clWhite);
  EXPECT_EQ(rpPixel(image, 48, 12), clWhite);
  EXPECT_EQ(rpPixel(image, 30, 45), kGreen);
  EXPECT_EQ(rpPixel(image, 30, 50), kRed);
}

TEST_F(Shape, DiamondTouchesTheMiddleOfEachEdge) {
  shape->SetShape(skDiamond);
  const QImage image = Render();
  EXPECT_EQ(rpPixel(image, 12, 12), clWhite);
  EXPECT_EQ(rpPixel(image, 30, 30), kGreen);
  EXPECT_EQ(rpPixel(image, 30, 10), kRed);
}

TEST_F(Shape, RoundRectangleCutsItsCorners) {
  shape->SetShape(skRoundRectangle);
  shape->SetCurve(2);  // corner diameter 20
  const QImage image = Render();
  EXPECT_EQ(rpPixel(image, 11, 11), clWhite);
  EXPECT_EQ(rpPixel(image, 30, 10), kRed);
  EXPECT_EQ(rpPixel(image, 30, 30), kGreen);
}

TEST_F(Shape, DiagonalsRunCornerToCorner) {
  shape->SetShape(skDiagonal1);
  QImage image = Render();
  EXPECT_EQ(rpPixel(image, 10, 50), kRed);
  EXPECT_EQ(rpPixel(image, 30, 30), kRed);
  EXPECT_EQ(rpPixel(image, 12, 12), clWhite);
  shape->SetShape(skDiagonal2);
  image = Render();
  EXPECT_EQ(rpPixel(image, 10, 10), kRed);
  EXPECT_EQ(rpPixel(image, 30, 30), kRed);
  EXPECT_EQ(rpPixel(image, 12, 48), clWhite);
}

TEST_F(Shape, OtherFillsAreClippedToTheOutline) {
  shape->SetShape(skEllipse);
  shape->SetFillType(ftGlass);
  const QImage image = Render();
  EXPECT_EQ(rpPixel(image, 12, 12), clWhite);
  EXPECT_EQ(rpPixel(image, 30, 20), 0xC0C0C0);  // light upper half
  EXPECT_EQ(rpPixel(image, 30, 40), clGray);
}

TEST_F(Shape, HatchIsLaidOverTheColour) {
  shape->SetBrushStyle(bsHorizontal);
  const QImage image = Render();
  int green = 0, red = 0;
  for (int y = 12; y < 48; ++y) {
    green += rpPixel(image, 30, y) == kGreen;
    red += rpPixel(image, 30, y) == kRed;
  }
  EXPECT_GT(green, 0);
  EXPECT_GT(red, 0);
}

TEST_F(Shape, DashedOutlineShowsWhiteInItsGaps) {
  shape->SetColor(clNone);
  shape->Frame()->SetStyle(fsDash);
  QImage image = rpBlankImage(70, 70);
  image.fill(QColor(0, 255, 0));
  QPainter painter(&image);
  shape->Draw(painter, 1, 1, 0, 0);
  painter.end();
  int red = 0, white = 0;
  for (int x = 10; x <= 50; ++x) {
    red += rpPixel(image, x, 10) == kRed;
    white += rpPixel(image, x, 10) == clWhite;
  }
  EXPECT_GT(red, 0);
  EXPECT_GT(white, 0);
  EXPECT_EQ(rpPixel(image, 30, 30), kGreen);  // no brush: the canvas shows through
}

TEST_F(Shape, NoOutlineForFrameColourNone) {
  shape->Frame()->SetColor(clNone);
  const QImage image = Render();
  EXPECT_NE(rpPixel(image, 50, 30), kRed);
}

TEST_F(Shape, DoubleFrameDrawsAgainInsideAndRestoresStyleAndBounds) {
  shape->SetColor(clNone);
  shape->Frame()->SetStyle(fsDouble);
  shape->Frame()->SetWidth(2);
  const QImage image = Render();
  EXPECT_EQ(rpPixel(image, 10, 30), kRed);
  EXPECT_EQ(rpPixel(image, 14, 30), kRed);  // inner rectangle at Left + 2w
  EXPECT_EQ(rpPixel(image, 30, 30), clWhite);
  EXPECT_EQ(shape->Frame()->Style(), fsDouble);
  EXPECT_EQ(shape->Frame()->LeftLine()->Style(), fsDouble);
  EXPECT_EQ(shape->Left(), 10);
  EXPECT_EQ(shape->Width(), 40);
}

TEST(ShapeView, IsRecordedByDifferenceAndAppendsItsShape) {
  ViewTestReport report;
  TrpShapeView a(&report), b(&report);
  EXPECT_FALSE(a.rpComponentStyle().Has(csDefaultDiff));
  a.SetShape(skEllipse);
  EXPECT_EQ(a.Diff(b), " Shape=\"2\"");
}

TEST(ShapeView, AssignCopiesFillKindFillFrameAndShape) {
  ViewTestReport report;
  TrpShapeView source(&report), copy(&report);
  source.SetShape(skDiamond);
  source.SetFillType(ftGlass);
  static_cast<TrpGlassFill*>(source.Fill())->SetColor(clWhite);
  source.Frame()->SetTyp({ftBottom});
  source.Frame()->SetStyle(fsDot);
  copy.Assign(source);
  EXPECT_EQ(copy.Shape(), skDiamond);
  ASSERT_EQ(copy.FillType(), ftGlass);
  EXPECT_EQ(static_cast<TrpGlassFill*>(copy.Fill())->Color(), clWhite);
  EXPECT_EQ(copy.Frame()->Typ(), TrpFrameTypes{ftBottom});
  EXPECT_EQ(copy.Frame()->BottomLine()->Style(), fsDot);
}

// --- lines ---------------------------------------------------------------------------------------

TEST(LineView, NarrowTallLineBecomesVerticalWithWidthZero) {
  ViewTestReport report;
  TrpLineView line(&report);
  line.SetBounds(10, 10, 5, 100);
  line.Frame()->SetColor(kBlue);
  const QImage image = rpRender(line, 40, 130);
  EXPECT_EQ(line.Width(), 0);
  EXPECT_EQ(line.Frame()->Typ(), TrpFrameTypes{ftLeft});
  EXPECT_EQ(rpPixel(image, 10, 60), kBlue);
  EXPECT_EQ(rpPixel(image, 12, 60), clWhite);
}

TEST(LineView, WideLowLineBecomesHorizontalWithHeightZero) {
  ViewTestReport report;
  TrpLineView line(&report);
  line.SetBounds(10, 10, 100, 5);
  line.Frame()->SetColor(kBlue);
  const QImage image = rpRender(line, 130, 40);
  EXPECT_EQ(line.Height(), 0);
  EXPECT_EQ(line.Frame()->Typ(), TrpFrameTypes{ftTop});
  EXPECT_EQ(rpPixel(image, 60, 10), kBlue);
  EXPECT_EQ(rpPixel(image, 60, 12), clWhite);
}

TEST(LineView, DiagonalLineKeepsItsBoxAndRunsCornerToCorner) {
  ViewTestReport report;
  TrpLineView line(&report);
  line.SetDiagonal(true);
  line.SetBounds(10, 10, 40, 40);
  line.Frame()->SetColor(kBlue);
  const QImage image = rpRender(line, 60, 60);
  EXPECT_EQ(line.Width(), 40);
  EXPECT_EQ(rpPixel(image, 30, 30), kBlue);
  EXPECT_EQ(rpPixel(image, 30, 20), clWhite);
}

TEST(LineView, DiagonalWithFrameWidthZeroDrawsNothing) {
  ViewTestReport report;
  TrpLineView line(&report);
  line.SetDiagonal(true);
  line.SetBounds(10, 10, 40, 40);
  line.Frame()->SetWidth(0);
  const QImage image = rpRender(line, 60, 60);
  EXPECT_EQ(rpPixel(image, 30, 30), clWhite);
}

TEST(LineView, SolidArrowFillsItsHeadInTheFrameColour) {
  ViewTestReport report;
  TrpLineView line(&report);
  line.SetBounds(10, 10, 0, 100);
  line.SetArrowEnd(true);
  line.SetArrowSolid(true);
  line.Frame()->SetColor(kBlue);
  const QImage image = rpRender(line, 40, 130);
  // Tip at (10, 110), base 20 above it, 5 to each side.
  EXPECT_EQ(rpPixel(image, 12, 95), kBlue);
  EXPECT_EQ(rpPixel(image, 8, 95), kBlue);
  EXPECT_EQ(rpPixel(image, 16, 95), clWhite);
}

TEST(LineView, AssignCopiesTheArrowAreaColourAndArrows) {
  ViewTestReport report;
  TrpLineView source(&report), copy(&report);
  source.SetColor(kRed);
  source.SetArrowStart(true);
  source.SetArrowLength(30);
  copy.Assign(source);
  EXPECT_EQ(copy.Color(), kRed);
  EXPECT_TRUE(copy.ArrowStart());
  EXPECT_EQ(copy.ArrowLength(), 30);
}

struct FlagCase {
  int flags;
  bool diagonal, arrowEnd, arrowStart;
};

class LineCreationFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(LineCreationFlags, SelectTheVariant) {
  ViewTestReport report;
  TrpComponent* object = rpDesignCreate(TrpLineView::StaticClassInfo(), &report, GetParam().flags);
  auto* line = dynamic_cast<TrpLineView*>(object);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->Diagonal(), GetParam().diagonal);
  EXPECT_EQ(line->ArrowEnd(), GetParam().arrowEnd);
  EXPECT_EQ(line->ArrowStart(), GetParam().arrowStart);
}

INSTANTIATE_TEST_SUITE_P(Flags, LineCreationFlags,
                         ::testing::Values(FlagCase{0, false, false, false},
                                           FlagCase{1, true, false, false},
                                           FlagCase{2, true, true, false},
                                           FlagCase{3, true, false, true},
                                           FlagCase{4, true, true, true}));

// --- arrow heads ---------------------------------------------------------------------------------

TEST(ArrowHead, EndsEightPixelsApartCountAsVertical) {
  const TrpArrowHead h = rpArrowHead(QPoint(108, 100), QPoint(100, 0), 20, 5);
  EXPECT_EQ(h.Corner1, QPoint(103, 80));
  EXPECT_EQ(h.Corner2, QPoint(113, 80));
}

TEST(ArrowHead, NinePixelsApartFollowTheLine) {
  const TrpArrowHead h = rpArrowHead(QPoint(109, 100), QPoint(100, 0), 20, 5);
  // The base centre lies on the slanted line 20 from the tip, the corners across it.
  EXPECT_NE(h.Corner1.y(), h.Corner2.y());
  const QPoint centre = (h.Corner1 + h.Corner2) / 2;
  EXPECT_NEAR(centre.x(), 107.2, 1);
  EXPECT_NEAR(centre.y(), 80.1, 1);
}

TEST(ArrowHead, VerticalBaseGoesBelowWhenTheLineRunsDown) {
  const TrpArrowHead h = rpArrowHead(QPoint(10, 10), QPoint(10, 110), 20, 5);
  EXPECT_EQ(h.Corner1, QPoint(5, 30));
  EXPECT_EQ(h.Corner2, QPoint(15, 30));
}

TEST(ArrowHead, HorizontalLineHasCornersAboveAndBelow) {
  const TrpArrowHead h = rpArrowHead(QPoint(100, 50), QPoint(0, 50), 20, 5);
  EXPECT_EQ(h.Corner1, QPoint(80, 45));
  EXPECT_EQ(h.Corner2, QPoint(80, 55));
}

}  // namespace

// --- registration --------------------------------------------------------------------------------

namespace {

TEST(ViewClasses, AreCreatedByElementName) {
  rpRegisterViewClasses();
  ViewTestReport report;
  for (const char* name : {"TrpShapeView", "TrpLineView", "TrpCustomLineView", "TrpPictureView"}) {
    TrpComponent* object = rpCreateObject(QString::fromLatin1(name), &report);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->ClassName(), QString::fromLatin1(name));
    EXPECT_EQ(object->Parent(), &report);
  }
  EXPECT_NE(rpFindClass("TrpFrame"), nullptr);
}

}  // namespace
