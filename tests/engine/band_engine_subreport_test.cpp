// Subreports: the band tree of another page run inside a band, side by side, over pages, and
// printed on the parent band.
#include "band_engine_fixture.h"
#include "report/model/subreport.h"

namespace {

class SubreportTest : public BandEngineTest {
 protected:
  TrpSubreport* AddSubreport(TrpBand* band, TrpReportPage* shown, Extended left, Extended top) {
    auto* subreport = new TrpSubreport(band);
    subreport->CreateUniqueName();
    subreport->SetBounds(left, top, 200, 20);
    subreport->SetPage(shown);
    return subreport;
  }
  // A page shown by a subreport: one data band of `rows` rows, each `height` high.
  TrpMasterData* AddShownRows(TrpReportPage* shown, int rows, Extended height) {
    auto* data = AddBand<TrpMasterData>(shown, 0, height);
    data->SetRowCount(rows);
    return data;
  }
  static QList<double> Tops(const QList<FakeRecord>& records) {
    QList<double> tops;
    for (const FakeRecord& record : records) tops << static_cast<double>(record.Top);
    return tops;
  }
};

TEST_F(SubreportTest, RowsStartAtTheSubreportTopAndTheBandStretchesToThem) {
  TrpReportPage* page = AddPage();
  TrpReportPage* shown = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 100);
  data->SetRowCount(1);
  AddSubreport(data, shown, 50, 30);
  TrpMasterData* rows = AddShownRows(shown, 3, 40);
  auto* footer = AddBand<TrpFooter>(page, 200, 10);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 1);  // the shown page is not run on its own
  const QList<FakeRecord> records = RecordsNamed(0, rows->Name());
  EXPECT_EQ(Tops(records), (QList<double>{30, 70, 110}));
  for (const FakeRecord& record : records) EXPECT_EQ(record.Left, 50);
  // Output goes on below the lowest row, not at the band's own bottom (100).
  EXPECT_EQ(RecordsNamed(0, footer->Name()).value(0).Top, 150);
}

TEST_F(SubreportTest, RowsEndingAboveTheBandBottomLeaveTheBandItsHeight) {
  TrpReportPage* page = AddPage();
  TrpReportPage* shown = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 100);
  data->SetRowCount(2);
  AddSubreport(data, shown, 0, 10);
  TrpMasterData* rows = AddShownRows(shown, 1, 20);
  ASSERT_TRUE(Run());
  EXPECT_EQ(Tops(RecordsNamed(0, data->Name())), (QList<double>{0, 100}));
  EXPECT_EQ(Tops(RecordsNamed(0, rows->Name())), (QList<double>{10, 110}));
}

TEST_F(SubreportTest, SubreportsSideBySideStartTogetherAndTheLongerOneSetsTheBottom) {
  TrpReportPage* page = AddPage();
  TrpReportPage* left = AddPage();
  TrpReportPage* right = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 20);
  data->SetRowCount(1);
  AddSubreport(data, left, 0, 10);
  AddSubreport(data, right, 300, 10);
  TrpMasterData* leftRows = AddShownRows(left, 3, 30);
  TrpMasterData* rightRows = AddShownRows(right, 5, 30);
  auto* footer = AddBand<TrpFooter>(page, 100, 10);
  ASSERT_TRUE(Run());
  EXPECT_EQ(Tops(RecordsNamed(0, leftRows->Name())), (QList<double>{10, 40, 70}));
  const QList<FakeRecord> right5 = RecordsNamed(0, rightRows->Name());
  EXPECT_EQ(Tops(right5), (QList<double>{10, 40, 70, 100, 130}));
  EXPECT_EQ(right5.value(0).Left, 300);
  EXPECT_EQ(RecordsNamed(0, footer->Name()).value(0).Top, 160);
}

TEST_F(SubreportTest, ASubreportRunningOverThePageBottomGoesOnBelowTheNextPageHeader) {
  TrpReportPage* page = AddPage();
  TrpReportPage* shown = AddPage();
  auto* header = AddBand<TrpPageHeader>(page, 0, 50);
  auto* pageFooter = AddBand<TrpPageFooter>(page, 900, 40);
  auto* data = AddBand<TrpMasterData>(page, 100, 20);
  data->SetRowCount(1);
  AddSubreport(data, shown, 80, 0);
  TrpMasterData* rows = AddShownRows(shown, 12, 100);
  auto* footer = AddBand<TrpFooter>(page, 200, 10);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 2);
  // Page 1: header to 50, rows from 50 while they end above the footer area (1046.9 - 40).
  EXPECT_EQ(Tops(RecordsNamed(0, rows->Name())),
            (QList<double>{50, 150, 250, 350, 450, 550, 650, 750, 850}));
  const QList<FakeRecord> second = RecordsNamed(1, rows->Name());
  EXPECT_EQ(Tops(second), (QList<double>{50, 150, 250}));
  EXPECT_EQ(second.value(0).Left, 80);
  EXPECT_EQ(RecordsNamed(1, header->Name()).size(), 1);
  EXPECT_EQ(RecordsNamed(0, pageFooter->Name()).size(), 1);
  EXPECT_EQ(RecordsNamed(1, footer->Name()).value(0).Top, 350);
  EXPECT_EQ(RecordsNamed(1, footer->Name()).value(0).Left, 0);
}

TEST_F(SubreportTest, TheSecondOfTwoSubreportsOverPagesTakesUpThePagesTheFirstMade) {
  TrpReportPage* page = AddPage();
  TrpReportPage* left = AddPage();
  TrpReportPage* right = AddPage();
  auto* header = AddBand<TrpPageHeader>(page, 0, 50);
  auto* pageFooter = AddBand<TrpPageFooter>(page, 900, 40);
  auto* data = AddBand<TrpMasterData>(page, 100, 20);
  data->SetRowCount(1);
  AddSubreport(data, left, 0, 0);
  AddSubreport(data, right, 300, 0);
  TrpMasterData* leftRows = AddShownRows(left, 15, 100);
  TrpMasterData* rightRows = AddShownRows(right, 12, 100);
  auto* footer = AddBand<TrpFooter>(page, 200, 10);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 2);
  EXPECT_EQ(RecordsNamed(0, leftRows->Name()).size(), 9);
  EXPECT_EQ(Tops(RecordsNamed(1, leftRows->Name())), (QList<double>{50, 150, 250, 350, 450, 550}));
  EXPECT_EQ(RecordsNamed(0, rightRows->Name()).size(), 9);
  const QList<FakeRecord> rightSecond = RecordsNamed(1, rightRows->Name());
  EXPECT_EQ(Tops(rightSecond), (QList<double>{50, 150, 250}));
  EXPECT_EQ(rightSecond.value(0).Left, 300);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(RecordsNamed(i, header->Name()).size(), 1) << i;
    EXPECT_EQ(RecordsNamed(i, pageFooter->Name()).size(), 1) << i;
  }
  EXPECT_EQ(RecordsNamed(1, footer->Name()).value(0).Top, 650);
}

TEST_F(SubreportTest, PrintOnParentDrawsTheRowsIntoTheParentBand) {
  TrpReportPage* page = AddPage();
  TrpReportPage* shown = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 20);
  data->SetRowCount(1);
  data->SetStretched(true);
  TrpSubreport* subreport = AddSubreport(data, shown, 100, 10);
  subreport->SetPrintOnParent(true);
  TrpMasterData* rows = AddShownRows(shown, 3, 30);
  AddMemo(rows, QStringLiteral("row"), 0, 20, 5, 50);
  auto* footer = AddBand<TrpFooter>(page, 100, 10);
  ASSERT_TRUE(Run());
  // Nothing of the shown page goes to the store on its own: it is all inside the parent band.
  EXPECT_TRUE(RecordsNamed(0, rows->Name()).isEmpty());
  const QList<FakeRecord> parent = RecordsNamed(0, data->Name());
  ASSERT_EQ(parent.size(), 1);
  EXPECT_EQ(parent[0].Height, 90);  // the lowest copied text ends at 70 + 20
  ASSERT_EQ(parent[0].Children.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(parent[0].Children[i].Text, "row");
    EXPECT_EQ(parent[0].Children[i].Left, 105);
    EXPECT_EQ(parent[0].Children[i].Top, 10 + 30 * i);
  }
  EXPECT_EQ(RecordsNamed(0, footer->Name()).value(0).Top, 90);
  // The copies were for that output only.
  EXPECT_EQ(data->Objects().size(), 1);
}

TEST_F(SubreportTest, APrintOnParentBandTooTallForThePageMovesWholeToTheNext) {
  TrpReportPage* page = AddPage();
  TrpReportPage* shown = AddPage();
  auto* title = AddBand<TrpReportTitle>(page, 0, 900);
  auto* data = AddBand<TrpMasterData>(page, 1000, 20);
  data->SetRowCount(1);
  data->SetStretched(true);
  AddSubreport(data, shown, 0, 0)->SetPrintOnParent(true);
  TrpMasterData* rows = AddShownRows(shown, 4, 50);
  AddMemo(rows, QStringLiteral("row"), 0, 50);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 2);
  EXPECT_EQ(RecordsNamed(0, title->Name()).size(), 1);
  const QList<FakeRecord> parent = RecordsNamed(1, data->Name());
  ASSERT_EQ(parent.size(), 1);
  EXPECT_EQ(parent[0].Top, 0);
  EXPECT_EQ(parent[0].Height, 200);
  EXPECT_EQ(parent[0].Children.size(), 4);
}

TEST_F(SubreportTest, ASubreportLyingOnThePageIsFollowedByThePageBands) {
  TrpReportPage* page = AddPage();
  TrpReportPage* shown = AddPage();
  auto* subreport = new TrpSubreport(page);
  subreport->SetBounds(40, 100, 200, 20);
  subreport->SetPage(shown);
  TrpMasterData* rows = AddShownRows(shown, 3, 30);
  auto* data = AddBand<TrpMasterData>(page, 0, 20);
  data->SetRowCount(1);
  ASSERT_TRUE(Run());
  const QList<FakeRecord> shownRows = RecordsNamed(0, rows->Name());
  EXPECT_EQ(Tops(shownRows), (QList<double>{100, 130, 160}));
  EXPECT_EQ(shownRows.value(0).Left, 40);
  EXPECT_EQ(RecordsNamed(0, data->Name()).value(0).Top, 190);
}

}  // namespace
