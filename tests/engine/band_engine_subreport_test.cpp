// Subreports: the band tree of another page run inside a band, side by side, over pages, and
// printed on the parent band.
#include "band_engine_fixture.h"
#include "report/pages/subreport.h"

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
  // A subreport at `left` on `band` showing a page of its own: a column header 20 high, `rows`
  // rows `height` high below it, and a column footer 10 high.
  struct Framed {
    TrpBand* Header;
    TrpMasterData* Rows;
    TrpBand* Footer;
  };
  Framed AddFramedSubreport(TrpBand* band, Extended left, int rows, Extended height) {
    TrpReportPage* shown = AddPage();
    AddSubreport(band, shown, left, 0);
    const Framed framed{AddBand<TrpColumnHeader>(shown, 0, 20), AddShownRows(shown, rows, height),
                        AddBand<TrpColumnFooter>(shown, 200, 10)};
    framed.Rows->SetTop(30);
    return framed;
  }
  // A page header 50 high and one data row (100, 20 high) for subreports to start from.
  TrpMasterData* AddOneRowBelowAHeader(TrpReportPage* page) {
    AddBand<TrpPageHeader>(page, 0, 50);
    auto* data = AddBand<TrpMasterData>(page, 100, 20);
    data->SetRowCount(1);
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

// Besides its rows a subreport's page shows its title and column header above them, its summary
// and column footer below them, and the objects lying on it at the subreport's corner.
TEST_F(SubreportTest, TheShownPageBringsItsTitleHeaderObjectsSummaryAndFooter) {
  TrpReportPage* page = AddPage();
  TrpReportPage* shown = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 20);
  data->SetRowCount(1);
  AddSubreport(data, shown, 50, 10);
  auto* title = AddBand<TrpReportTitle>(shown, 0, 15);
  auto* header = AddBand<TrpColumnHeader>(shown, 20, 10);
  TrpMasterData* rows = AddShownRows(shown, 3, 20);
  rows->SetTop(40);
  auto* summary = AddBand<TrpReportSummary>(shown, 70, 12);
  auto* footer = AddBand<TrpColumnFooter>(shown, 90, 8);
  TrpMemoView* stamp = AddMemo(shown, QStringLiteral("stamp"), 3, 10, 5, 40);
  auto* after = AddBand<TrpFooter>(page, 200, 10);
  ASSERT_TRUE(Run());
  const struct {
    TrpComponent* band;
    QList<double> tops;
  } cases[] = {{data, {0}},         {title, {10}},    {header, {25}}, {rows, {35, 55, 75}},
               {summary, {95}},     {footer, {107}},  {after, {115}}};
  for (const auto& c : cases) {
    const QList<FakeRecord> records = RecordsNamed(0, c.band->Name());
    EXPECT_EQ(Tops(records), c.tops) << c.band->Name().toStdString();
    if (c.band != data && c.band != after) {
      for (const FakeRecord& record : records) EXPECT_EQ(record.Left, 50) << c.band->Name().toStdString();
    }
  }
  // The object keeps its place from the subreport's corner (50, 10), and its own place after.
  QList<FakeRecord> stamps;
  for (const FakeRecord& record : Store->Pages.at(0).Records)
    for (const FakeRecord& child : record.Children)
      if (child.Name == stamp->Name()) stamps << child;
  ASSERT_EQ(stamps.size(), 1);
  EXPECT_EQ(stamps[0].Left, 55);
  EXPECT_EQ(stamps[0].Top, 13);
  EXPECT_EQ(stamp->Left(), 5);
  EXPECT_EQ(stamp->Top(), 3);
  EXPECT_EQ(stamp->Parent(), shown);
}

// Two subreports side by side over two pages: every page gets the page's column footer once,
// below the lowest rows of both, and each subreport's own column header and footer once, at its
// left, the header at the top of each page and the footer closing its part there.
TEST_F(SubreportTest, SideBySideSubreportsLeaveOneColumnFooterOnEachPage) {
  TrpReportPage* page = AddPage();
  auto* pageFooter = AddBand<TrpPageFooter>(page, 900, 40);
  auto* columnFooter = AddBand<TrpColumnFooter>(page, 950, 10);
  TrpMasterData* data = AddOneRowBelowAHeader(page);
  const auto [leftHeader, leftRows, leftFooter] = AddFramedSubreport(data, 0, 15, 95);
  const auto [rightHeader, rightRows, rightFooter] = AddFramedSubreport(data, 300, 12, 100);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 2);
  // Page 1: rows from 70 (below the headers) while they end above the footers (1046.9 - 60).
  EXPECT_EQ(RecordsNamed(0, leftRows->Name()).size(), 9);
  EXPECT_EQ(RecordsNamed(0, rightRows->Name()).size(), 9);
  EXPECT_EQ(Tops(RecordsNamed(1, leftRows->Name())), (QList<double>{70, 165, 260, 355, 450, 545}));
  EXPECT_EQ(Tops(RecordsNamed(1, rightRows->Name())), (QList<double>{70, 170, 270}));
  const struct {
    TrpBand* band;
    QList<double> tops;  // on page 1 and 2
    double left;
  } cases[] = {
      {columnFooter, {980, 650}, 0},  // below the right part (970 + its footer) / the left one
      {leftHeader, {50, 50}, 0},     {rightHeader, {50, 50}, 300},
      {leftFooter, {925, 640}, 0},   {rightFooter, {970, 370}, 300},
      {pageFooter, {1006.93, 1006.93}, 0},
  };
  for (const auto& c : cases)
    for (int i = 0; i < 2; ++i) {
      const QList<FakeRecord> records = RecordsNamed(i, c.band->Name());
      ASSERT_EQ(records.size(), 1) << c.band->Name().toStdString() << " on page " << i + 1;
      EXPECT_NEAR(static_cast<double>(records[0].Top), c.tops[i], 0.01) << c.band->Name().toStdString() << " " << i + 1;
      EXPECT_EQ(records[0].Left, c.left) << c.band->Name().toStdString();
    }
}

// On a page of two columns, subreports side by side that run into the second column: the second
// one takes the column up again, where the page's column header is not shown twice and the
// column's footer waits for both; each subreport opens and closes its parts with its own bands.
TEST_F(SubreportTest, SideBySideSubreportsTakeUpTheColumnsTheFirstOpened) {
  TrpReportPage* page = AddPage();
  page->SetColumns(2);
  const double second = static_cast<double>(95 * rp01cm);  // the second column's left
  auto* columnHeader = AddBand<TrpColumnHeader>(page, 60, 15);
  auto* columnFooter = AddBand<TrpColumnFooter>(page, 950, 10);
  TrpMasterData* data = AddOneRowBelowAHeader(page);
  const auto [leftHeader, leftRows, leftFooter] = AddFramedSubreport(data, 0, 12, 100);
  const auto [rightHeader, rightRows, rightFooter] = AddFramedSubreport(data, 150, 10, 100);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 1);
  const auto places = [&](TrpBand* band) {
    QStringList out;
    for (const FakeRecord& r : RecordsNamed(0, band->Name()))
      out << QStringLiteral("%1,%2").arg(static_cast<double>(r.Left), 0, 'f', 2).arg(static_cast<double>(r.Top), 0, 'f', 2);
    return out.join(u' ');
  };
  const QString col2 = QString::number(second, 'f', 2);
  const QString col2Right = QString::number(second + 150, 'f', 2);
  EXPECT_EQ(places(columnHeader), "0.00,50.00 " + col2 + ",50.00");
  EXPECT_EQ(places(columnFooter), "0.00,995.00 " + col2 + ",395.00");
  EXPECT_EQ(places(leftHeader), "0.00,65.00 " + col2 + ",65.00");
  EXPECT_EQ(places(leftFooter), "0.00,985.00 " + col2 + ",385.00");
  EXPECT_EQ(places(rightHeader), "150.00,65.00 " + col2Right + ",65.00");
  EXPECT_EQ(places(rightFooter), "150.00,985.00 " + col2Right + ",185.00");
}

}  // namespace
