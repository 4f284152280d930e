// Row layout, page lookup and page rectangles of the page list.
#include <gtest/gtest.h>

#include "report/preview/page_list.h"

namespace {

TrpPageList pages(std::initializer_list<QSize> sizes, int clientWidth, Extended zoom = 1) {
  TrpPageList list;
  for (QSize s : sizes) list.AddPage(s.width(), s.height(), zoom);
  list.CalcBounds(clientWidth);
  return list;
}

}  // namespace

TEST(PageList, OnePageIsCentredTenPixelsRightOfTheMiddle) {
  const TrpPageList list = pages({{794, 1123}}, 1000);
  EXPECT_EQ(list.Item(0).OffsetX, 113);
  EXPECT_EQ(list.Item(0).OffsetY, 10);
  EXPECT_EQ(list.GetMaxBounds(), QPoint(804, 10 + 1123));
}

TEST(PageList, NarrowPagesShareARowAndTheNextRowStartsBelowTheTallest) {
  const TrpPageList list = pages({{100, 50}, {100, 80}, {100, 60}}, 250);
  EXPECT_EQ(list.Item(0).OffsetY, 10);
  EXPECT_EQ(list.Item(1).OffsetY, 10);
  EXPECT_EQ(list.Item(2).OffsetY, 10 + 80 + 10);
  EXPECT_EQ(list.MaxWidth(), 220);
  // The row of two (x = 220) is centred: (250 - 220 + 10) / 2 = 20, plus 10.
  EXPECT_EQ(list.Item(0).OffsetX, 30);
  EXPECT_EQ(list.Item(1).OffsetX, 140);
}

TEST(PageList, APageWiderThanTheClientStartsAtTen) {
  const TrpPageList list = pages({{794, 1123}}, 300);
  EXPECT_EQ(list.Item(0).OffsetX, 10);
}

TEST(PageList, ZoomRoundsHalvesToEven) {
  TrpPageList list;
  list.AddPage(5, 7, 0.5L);  // 2.5 -> 2, 3.5 -> 4
  EXPECT_EQ(list.Item(0).Width, 2);
  EXPECT_EQ(list.Item(0).Height, 4);
}

TEST(PageList, ThumbnailsOfA4StandInARowEach) {
  const TrpPageList list = pages({{794, 1123}, {794, 1123}}, 120 - 17 - 26, 0.1L);
  EXPECT_EQ(list.Item(0).Width, 79);
  EXPECT_EQ(list.Item(0).Height, 112);
  EXPECT_EQ(list.Item(0).OffsetX, 10);
  EXPECT_EQ(list.Item(1).OffsetX, 10);
  EXPECT_EQ(list.Item(1).OffsetY, 10 + 112 + 10);
}

TEST(PageList, ScrollingSwitchesToTheNextPageAFifthOfItsHeightEarly) {
  const TrpPageList list = pages({{794, 1123}, {794, 1123}}, 1000);
  const int top2 = list.Item(1).OffsetY;
  const int fifth = 225;  // round(1123 / 5)
  EXPECT_EQ(list.FindPage(top2 - fifth, 0), 1);
  EXPECT_EQ(list.FindPage(top2 - fifth - 1, 0), 0);
}

TEST(PageList, APointAboveTheFirstPageHasNoPage) {
  TrpPageList list;
  list.AddPage(100, 100, 1);
  list.CalcBounds(500);
  EXPECT_EQ(list.FindPage(-500, 50), -1);
  EXPECT_EQ(list.FindPage(-500, 0), -1);
}

TEST(PageList, AHitTestFindsThePageUnderThePointAndTheCandidateInAGap) {
  const TrpPageList list = pages({{100, 50}, {100, 50}}, 250);
  const TrpPageItem& second = list.Item(1);
  EXPECT_EQ(list.FindPage(second.OffsetY + 5, second.OffsetX + 5), 1);
  // Between the two pages of the row: the binary search's candidate, the last page of the row.
  EXPECT_EQ(list.FindPage(second.OffsetY + 5, second.OffsetX - 5), 1);
}

TEST(PageList, WithoutPagesTheRectangleIsAnA4SheetAtTheScale) {
  const TrpPageList list;
  const QRect r = list.GetPageBounds(0, 1000, false, 1);
  EXPECT_EQ(r.left(), 103);
  EXPECT_EQ(r.top(), 10);
  EXPECT_EQ(r.right(), 897);
  EXPECT_EQ(r.bottom(), 1133);
  EXPECT_EQ(list.GetMaxBounds(), QPoint(0, 0));
}

TEST(PageList, RightToLeftMirrorsTheLeftEdge) {
  const TrpPageList list = pages({{100, 100}}, 500);
  const QRect r = list.GetPageBounds(0, 500, true, 1);
  EXPECT_EQ(r.left(), 500 - 100 - list.Item(0).OffsetX);
  EXPECT_EQ(r.right(), r.left() + 100);
}

TEST(PageList, AHugeLayoutSaturatesInsteadOfWrapping) {
  TrpPageList list;
  for (int i = 0; i < 30000; ++i) list.AddPage(794, 1123, 100);
  list.CalcBounds(1000);
  EXPECT_GT(list.Item(29999).OffsetY, 0);
  EXPECT_GE(list.Item(29999).OffsetY, list.Item(29998).OffsetY);
}
