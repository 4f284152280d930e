// Automatic alignment of visual children by their Align value.
#include <gtest/gtest.h>

#include "test_classes.h"

namespace {

struct Alignment : ::testing::Test {
  TestBand band{nullptr};

  Alignment() { band.SetBounds(0, 0, 200, 50); }

  TestMemo* child(TrpAlign align, Extended left, Extended top, Extended width, Extended height) {
    auto* m = new TestMemo(&band);
    m->SetAlign(align);
    m->SetBounds(left, top, width, height);
    return m;
  }
};

}  // namespace

TEST_F(Alignment, LeftAlignedObjectsThatOverlapVerticallyLineUpFromZero) {
  TestMemo* first = child(baLeft, 30, 0, 20, 10);
  TestMemo* second = child(baLeft, 80, 5, 25, 10);
  band.AlignChildren();
  EXPECT_EQ(first->Left(), 0);
  EXPECT_EQ(second->Left(), 20);
}

TEST_F(Alignment, LeftAlignedObjectBelowTheOtherGoesToZeroToo) {
  TestMemo* first = child(baLeft, 30, 0, 20, 10);
  TestMemo* second = child(baLeft, 80, 10, 25, 10);  // starts where the first ends
  band.AlignChildren();
  EXPECT_EQ(first->Left(), 0);
  EXPECT_EQ(second->Left(), 0);
}

TEST_F(Alignment, OrderFollowsPositionNotListOrder) {
  TestMemo* right = child(baLeft, 80, 0, 25, 10);
  TestMemo* left = child(baLeft, 30, 0, 20, 10);
  band.AlignChildren();
  EXPECT_EQ(left->Left(), 0);
  EXPECT_EQ(right->Left(), 20);
}

TEST_F(Alignment, NegativePositionsSortBeforePositiveOnesByMagnitude) {
  TestMemo* far = child(baLeft, -50, 0, 10, 10);
  TestMemo* nearer = child(baLeft, -5, 0, 15, 10);
  TestMemo* positive = child(baLeft, 3, 0, 20, 10);
  band.AlignChildren();
  // Key order: -5 ("0     5.00"), -50 ("0    50.00"), 3.
  EXPECT_EQ(nearer->Left(), 0);
  EXPECT_EQ(far->Left(), 15);
  EXPECT_EQ(positive->Left(), 25);
}

TEST_F(Alignment, RightAlignedObjectsStackFromTheParentsRightEdge) {
  TestMemo* inner = child(baRight, 10, 0, 30, 10);
  TestMemo* outer = child(baRight, 50, 0, 40, 10);
  band.AlignChildren();
  EXPECT_EQ(outer->Left(), 160);
  EXPECT_EQ(inner->Left(), 130);
}

TEST_F(Alignment, WidthAlignedObjectFillsTheSpaceBetweenItsNeighbours) {
  child(baLeft, 0, 0, 40, 10);
  TestMemo* fill = child(baWidth, 60, 0, 10, 10);
  TestMemo* right = child(baRight, 150, 0, 30, 10);
  band.AlignChildren();
  EXPECT_EQ(fill->Left(), 40);
  EXPECT_EQ(right->Left(), 170);
  EXPECT_EQ(fill->Width(), 130);
}

TEST_F(Alignment, WidthAlignedObjectWithoutNeighboursSpansTheParent) {
  TestMemo* fill = child(baWidth, 60, 0, 10, 10);
  band.AlignChildren();
  EXPECT_EQ(fill->Left(), 0);
  EXPECT_EQ(fill->Width(), 200);
}

TEST_F(Alignment, CenterBottomAndClientUseTheParentsSize) {
  TestMemo* center = child(baCenter, 0, 0, 50, 10);
  TestMemo* bottom = child(baBottom, 7, 0, 50, 10);
  TestMemo* client = child(baClient, 7, 3, 1, 1);
  band.AlignChildren();
  EXPECT_EQ(center->Left(), 75);
  EXPECT_EQ(bottom->Top(), 40);
  EXPECT_EQ(bottom->Left(), 7);
  EXPECT_EQ(client->Left(), 0);
  EXPECT_EQ(client->Top(), 0);
  EXPECT_EQ(client->Width(), 200);
  EXPECT_EQ(client->Height(), 50);
}

TEST_F(Alignment, UnalignedAndNonVisualChildrenStayWhereTheyAre) {
  TestMemo* still = child(baNone, 33, 4, 10, 10);
  auto* nested = new TestBand(&band);
  nested->SetBounds(44, 5, 10, 10);
  band.AlignChildren();
  EXPECT_EQ(still->Left(), 33);
  EXPECT_EQ(nested->Left(), 44);
}
