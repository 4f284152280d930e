// The vertical band tree of a page: vertical bands connected left to right, the objects of the
// horizontal bands that lie within them, and those objects lent to the vertical bands for a run.
#include <gtest/gtest.h>

#include "report/component/report.h"
#include "report/engine/band_tree.h"
#include "report/memo/memo_view.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"

namespace {

class VerticalBandTree : public ::testing::Test {
 protected:
  VerticalBandTree() {
    Page = new TrpReportPage(&Report);
    Rows = AddBand<TrpMasterData>(false, 0, 100, 30);
  }
  template <class Band>
  Band* AddBand(bool vertical, Extended left, Extended top, Extended height) {
    auto* band = new Band(Page);
    band->CreateUniqueName();
    band->SetVertical(vertical);
    band->SetBounds(left, top, 100, height);
    return band;
  }
  TrpMemoView* AddMemo(TrpBand* band, Extended left, Extended width) {
    auto* memo = new TrpMemoView(band);
    memo->CreateUniqueName();
    memo->SetBounds(left, 0, width, 20);
    return memo;
  }
  QStringList Build() { return rpBuildBandTree(*Page, Bands); }

  TrpReport Report;
  TrpReportPage* Page = nullptr;
  TrpMasterData* Rows = nullptr;
  TrpPageBands Bands;
};

TEST_F(VerticalBandTree, VerticalBandsConnectLeftToRightApartFromTheHorizontalOnes) {
  // Listed in the page out of their left order.
  auto* footer = AddBand<TrpFooter>(true, 300, 0, 0);
  auto* columns = AddBand<TrpDetailData>(true, 200, 0, 0);
  auto* header = AddBand<TrpHeader>(true, 100, 0, 0);
  auto* master = AddBand<TrpMasterData>(true, 0, 0, 0);
  EXPECT_TRUE(Build().isEmpty());
  ASSERT_EQ(Bands.Masters.size(), 1u);
  EXPECT_EQ(Bands.Masters[0]->Band, Rows);
  ASSERT_EQ(Bands.Vertical.Masters.size(), 1u);
  const TrpDataNode& node = *Bands.Vertical.Masters[0];
  EXPECT_EQ(node.Band, master);
  ASSERT_EQ(node.Details.size(), 1u);
  EXPECT_EQ(node.Details[0]->Band, columns);
  EXPECT_EQ(node.Details[0]->Header, header);
  EXPECT_EQ(node.Details[0]->Footer, footer);
  EXPECT_EQ(Page->VSubBands(), QList<TrpComponent*>{master});
  EXPECT_EQ(Page->SubBands(), QList<TrpComponent*>{Rows});
}

TEST_F(VerticalBandTree, ObjectsLyingWithinAVerticalBandAreFoundWithTheirPlaceInIt) {
  auto* columns = AddBand<TrpMasterData>(true, 200, 0, 0);
  auto* inside = AddMemo(Rows, 210, 80);
  auto* edgeToEdge = AddMemo(Rows, 200.00005L, 100);  // within the tolerance
  auto* across = AddMemo(Rows, 150, 100);
  auto* beside = AddMemo(Rows, 0, 100);
  ASSERT_TRUE(Build().isEmpty());
  const QList<TrpVerticalObject> found = Bands.Vertical.Objects.value(columns);
  ASSERT_EQ(found.size(), 2);
  EXPECT_EQ(found[0].Object, inside);
  EXPECT_EQ(found[0].Origin, Rows);
  EXPECT_DOUBLE_EQ(static_cast<double>(found[0].Offset), 10);
  EXPECT_EQ(found[1].Object, edgeToEdge);
  EXPECT_TRUE(Rows->FHasVBands);
  // Found, not moved: until the run attaches them they stay on their band.
  EXPECT_EQ(Rows->Objects(), (QList<TrpComponent*>{inside, edgeToEdge, across, beside}));
}

TEST_F(VerticalBandTree, AttachedObjectsKeepTheirFontAndComeBackInTheirOrder) {
  auto* columns = AddBand<TrpMasterData>(true, 200, 0, 0);
  columns->Font()->SetSize(30);
  Rows->Font()->SetSize(12);
  auto* first = AddMemo(Rows, 0, 50);
  auto* cell = AddMemo(Rows, 210, 80);
  auto* last = AddMemo(Rows, 60, 50);
  ASSERT_TRUE(Build().isEmpty());
  rpAttachVerticalObjects(Bands.Vertical);
  EXPECT_EQ(cell->Parent(), columns);
  EXPECT_EQ(cell->Font()->Size(), 12);
  EXPECT_EQ(Rows->Objects(), (QList<TrpComponent*>{first, last}));
  rpDetachVerticalObjects(Bands.Vertical);
  EXPECT_EQ(Rows->Objects(), (QList<TrpComponent*>{first, cell, last}));
  EXPECT_TRUE(cell->ParentFont());
  Rows->Font()->SetSize(9);
  EXPECT_EQ(cell->Font()->Size(), 9);
}

TEST_F(VerticalBandTree, ADataBandCrossingAVerticalBandRunsItWithoutObjectsThere) {
  AddBand<TrpMasterData>(true, 200, 0, 0);
  auto* title = AddBand<TrpReportTitle>(false, 0, 0, 30);
  ASSERT_TRUE(Build().isEmpty());
  EXPECT_TRUE(Rows->FHasVBands);
  EXPECT_FALSE(title->FHasVBands);
}

}  // namespace
