// Drill-down groups and vertical bands: vertical groups fold their columns in every row, and rows
// left out under a folded horizontal group still count in the totals of each vertical column.
#include "report/views/shape_view.h"
#include "vertical_bands_fixture.h"

namespace {

class VerticalDrillDown : public VerticalBands {
 protected:
  // Rows A (10) and B (20) crossed by four columns in two vertical groups (of columns 1-2 and
  // 3-4), each group with a caption before and the total across it after its columns.
  void FoldingColumns() {
    RowsAcrossColumns(4);
    using Row = MemoryDataSet::Row;
    Columns.Rows = {Row{{"half", 0}}, Row{{"half", 0}}, Row{{"half", 1}}, Row{{"half", 1}}};
    Columns.SetUserName(QStringLiteral("Cols"));
    Report->DataSets().Add()->SetDataSetName(QStringLiteral("Cols"));
    Designed<TrpDataBand>("ColBand")->SetDataSet(&Columns);
    auto* group = AddVertical<TrpGroupHeader>("Half", 150, 50);
    group->SetCondition(QStringLiteral("Cols.\"half\""));
    group->SetDrillDown(true);
    group->SetShowFooterIfDrillDown(true);
    AddVertical<TrpGroupFooter>("HalfTotal", 350, 50);
    auto* rows = Designed<TrpBand>("RowBand");
    AddMemo(rows, "GroupCaption", QStringLiteral("G"), 150, 50);
    AddMemo(rows, "GroupTotal", QStringLiteral("[SUM(<Rows.\"amount\">)]"), 350, 50);
  }
};

TEST_F(VerticalDrillDown, FoldedVerticalGroupsShowTheirCaptionAndTotalInEveryRow) {
  FoldingColumns();
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(Texts(0, "Cell").isEmpty());
  EXPECT_EQ(Objects(0, "GroupCaption"),
            (QList<Placed>{{"G", 0, 0}, {"G", 100, 0}, {"G", 0, 30}, {"G", 100, 30}}));
  // The columns left out still count.
  EXPECT_EQ(Objects(0, "GroupTotal"),
            (QList<Placed>{{"20", 50, 0}, {"20", 150, 0}, {"40", 50, 30}, {"40", 150, 30}}));
}

TEST_F(VerticalDrillDown, AKeyInTheDrillStateOpensThatColumnGroupInEveryRow) {
  FoldingColumns();
  Report->DrillState() << QStringLiteral("Half.2");
  ASSERT_TRUE(Prepare());
  // Row numbers restart with each group: the second group's columns are its 1 and 2.
  EXPECT_EQ(Objects(0, "Cell"), (QList<Placed>{{"A1", 160, 0},
                                               {"A2", 260, 0},
                                               {"B1", 160, 30},
                                               {"B2", 260, 30}}));
  EXPECT_EQ(Texts(0, "GroupTotal"), (QStringList{"20", "20", "40", "40"}));
}

TEST_F(VerticalDrillDown, AClickOnAFoldedColumnGroupInAnyRowOpensIt) {
  FoldingColumns();
  ASSERT_TRUE(Prepare());
  // The second group's caption in row B lies at (100, 30) on the printable area, which starts
  // at the 10 mm margins.
  const Extended margin = 10 * rp01cm;
  EXPECT_FALSE(Report->PreviewPages()->ToggleDrillDown(0, margin + 60, margin + 40, 1, 0, 0));
  ASSERT_TRUE(Report->PreviewPages()->ToggleDrillDown(0, margin + 120, margin + 40, 1, 0, 0));
  EXPECT_EQ(Report->DrillState(), QStringList{"Half.2"});
}

TEST_F(VerticalDrillDown, RowsOfAFoldedGroupCountInTheTotalsOfEachColumn) {
  RowsAcrossColumns(2);
  auto* group = AddBand<TrpGroupHeader>("Group", 50, 20);
  group->SetCondition(QStringLiteral("1"));
  group->SetDrillDown(true);
  group->SetShowFooterIfDrillDown(true);
  auto* totals = AddBand<TrpGroupFooter>("GroupTotals", 200, 30);
  AddMemo(totals, "ColumnTotal", QStringLiteral("[SUM(<Rows.\"amount\"> * <Line>, RowBand)]"),
          210, 80);
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(BandsNamed(0, "RowBand").isEmpty());
  EXPECT_EQ(Objects(0, "ColumnTotal"), (QList<Placed>{{"30", 10, 20}, {"60", 110, 20}}));
}

TEST_F(VerticalDrillDown, ARowThatSplitsKeepsTheClickOnAColumnGroupInThePartHoldingItsCaption) {
  FoldingColumns();
  auto* rows = Designed<TrpBand>("RowBand");
  rows->SetHeight(100);
  rows->SetAllowSplit(true);
  // Beside the columns, at the row's foot: it goes to the second part of row B.
  auto* foot = new TrpShapeView(rows);
  foot->SetName(QStringLiteral("Foot"));
  foot->SetBounds(500, 60, 60, 40);
  // Row A below the title at 850, row B at 950 with 96.9 left: it splits.
  AddBand<TrpReportTitle>("Title", 0, 850);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Objects(0, "GroupCaption").last(), (Placed{"G", 100, 950}));
  EXPECT_EQ(BandsNamed(1, "RowBand").size(), 1);
  EXPECT_NE(Report->PreviewPages()->GetPage(1)->FindObject(QStringLiteral("Foot")), nullptr);
  // Row B's second group caption lies at (100, 950) on the printable area.
  const Extended margin = 10 * rp01cm;
  EXPECT_FALSE(Report->PreviewPages()->ToggleDrillDown(1, margin + 120, margin + 10, 1, 0, 0));
  ASSERT_TRUE(Report->PreviewPages()->ToggleDrillDown(0, margin + 120, margin + 960, 1, 0, 0));
  EXPECT_EQ(Report->DrillState(), QStringList{"Half.2"});
}

}  // namespace
