// The band's fill object: made only for a fill that paints, once, inside the gaps, first among
// the band's children.
#include "pages_fixture.h"
#include "report/memo/memo_view.h"
#include "report/pages/band_kinds.h"
#include "report/views/brush_fill.h"
#include "report/views/gradient_fill.h"

namespace {

class FillMemoTest : public PageTest {
 protected:
  void SetUp() override { Band->SetBounds(0, 16, 700, 100); }
  TrpBrushFill& Brush() { return static_cast<TrpBrushFill&>(*Band->Fill()); }
  TrpPageHeader* Band = new TrpPageHeader(Page);
};

TEST_F(FillMemoTest, DefaultBrushGetsNoFillObject) {
  new TrpMemoView(Band);
  Band->CreateFillMemo();
  EXPECT_EQ(Band->FillMemo(), nullptr);
  EXPECT_EQ(Band->Objects().size(), 1);
}

TEST_F(FillMemoTest, ColouredBandGetsAFillObjectAsItsFirstChild) {
  auto* first = new TrpMemoView(Band);
  auto* second = new TrpMemoView(Band);
  Brush().SetBackColor(0x00FFFF);
  Band->CreateFillMemo();
  auto* memo = dynamic_cast<TrpMemoView*>(Band->FillMemo());
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(Band->Objects(), (QList<TrpComponent*>{memo, first, second}));
  EXPECT_EQ(memo->Fill()->ViewColor(), 0x00FFFF);
  EXPECT_MM(memo->Left(), 0);
  EXPECT_MM(memo->Top(), 0);
  EXPECT_MM(memo->Width(), 700);
  EXPECT_MM(memo->Height(), 100);
}

// Each of the other brush attributes makes the fill paint.
TEST_F(FillMemoTest, HatchOrForeColourAlsoMakeAFillObject) {
  Brush().SetStyle(bsCross);
  Band->CreateFillMemo();
  EXPECT_NE(Band->FillMemo(), nullptr);
  auto* other = new TrpPageHeader(Page);
  static_cast<TrpBrushFill*>(other->Fill())->SetForeColor(0x0000FF);
  other->CreateFillMemo();
  EXPECT_NE(other->FillMemo(), nullptr);
}

TEST_F(FillMemoTest, GradientFillIsCarriedOver) {
  Band->SetFillType(ftGradient);
  Band->CreateFillMemo();
  ASSERT_NE(Band->FillMemo(), nullptr);
  EXPECT_EQ(static_cast<TrpMemoView*>(Band->FillMemo())->FillType(), ftGradient);
}

TEST_F(FillMemoTest, FillObjectIsMadeOnce) {
  Brush().SetBackColor(0x00FFFF);
  Band->CreateFillMemo();
  TrpComponent* memo = Band->FillMemo();
  Band->SetHeight(150);
  Band->CreateFillMemo();
  EXPECT_EQ(Band->FillMemo(), memo);
  EXPECT_EQ(Band->Objects().size(), 1);
  EXPECT_MM(memo->Height(), 150);
}

// Width loses the left and right gaps, height the top and bottom ones.
TEST_F(FillMemoTest, GapsShrinkEachAxisByItsOwnSides) {
  Band->FillGap()->SetLeft(3);
  Band->FillGap()->SetTop(5);
  Band->FillGap()->SetRight(7);
  Band->FillGap()->SetBottom(11);
  Brush().SetBackColor(0x00FFFF);
  Band->CreateFillMemo();
  TrpComponent* memo = Band->FillMemo();
  ASSERT_NE(memo, nullptr);
  EXPECT_MM(memo->Left(), 3);
  EXPECT_MM(memo->Top(), 5);
  EXPECT_MM(memo->Width(), 690);
  EXPECT_MM(memo->Height(), 84);
}

TEST_F(FillMemoTest, GapsWiderThanTheBandLeaveAnEmptyObject) {
  Band->FillGap()->SetLeft(500);
  Band->FillGap()->SetRight(500);
  Brush().SetBackColor(0x00FFFF);
  Band->CreateFillMemo();
  ASSERT_NE(Band->FillMemo(), nullptr);
  EXPECT_MM(Band->FillMemo()->Width(), 0);
}

TEST_F(FillMemoTest, NullBandGetsNoFillObject) {
  auto* band = new TrpNullBand(Page);
  static_cast<TrpBrushFill*>(band->Fill())->SetBackColor(0x00FFFF);
  band->CreateFillMemo();
  EXPECT_EQ(band->FillMemo(), nullptr);
}

TEST_F(FillMemoTest, FreedFillObjectIsMadeAgain) {
  Brush().SetBackColor(0x00FFFF);
  Band->CreateFillMemo();
  delete Band->FillMemo();
  EXPECT_EQ(Band->FillMemo(), nullptr);
  Band->CreateFillMemo();
  EXPECT_NE(Band->FillMemo(), nullptr);
}

}  // namespace
