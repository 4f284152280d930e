// The band layout engine on small reports, checked through the records it leaves in the store.
#include "band_engine_fixture.h"

namespace {

constexpr Extended kEpsilon = 0.001;

TEST_F(BandEngineTest, EndlessPageGrowsToContent) {
  TrpReportPage* page = AddPage(5.000625);
  page->SetEndlessHeight(true);
  AddBand<TrpPageHeader>(page, 16, 1065);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 1);
  const FakeStore::SourceSize size = Store->UpdatedSources.value(page->Name());
  EXPECT_NEAR(static_cast<double>(size.Width), 793.7013, kEpsilon);
  EXPECT_NEAR(static_cast<double>(size.Height), 1102.8000, kEpsilon);
  EXPECT_NEAR(static_cast<double>(size.Height / rp01cm), 291.7823, 0.0001);
}

TEST_F(BandEngineTest, EndlessPageNeverBreaks) {
  TrpReportPage* page = AddPage();
  page->SetEndlessHeight(true);
  auto* data = AddBand<TrpMasterData>(page, 0, 50);
  data->SetRowCount(100);
  ASSERT_TRUE(Run());
  EXPECT_EQ(Store->GetCount(), 1);
  EXPECT_EQ(RecordsNamed(0, data->Name()).size(), 100);
  EXPECT_EQ(Engine().FreeSpace(), 1000000);
  EXPECT_NEAR(static_cast<double>(Store->UpdatedSources.value(page->Name()).Height),
              5000 + 20 * rp01cm, kEpsilon);
}

struct FitCase {
  Extended Extra;  // the last band's height beyond the free space left
  int Pages;
};

class BandFit : public BandEngineTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(BandFit, ABandFitsExactlyAndOneUnitMoreMovesToTheNextPage) {
  TrpReportPage* page = AddPage();
  auto* title = AddBand<TrpReportTitle>(page, 0, 400);
  const Extended rest = PrintableHeight(*page) - title->Height();
  auto* data = AddBand<TrpMasterData>(page, 500, rest + GetParam().Extra);
  data->SetRowCount(1);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), GetParam().Pages);
  const FakeRecord row = RecordsNamed(GetParam().Pages - 1, data->Name()).value(0);
  EXPECT_EQ(row.Top, GetParam().Pages == 1 ? 400 : 0);
}

INSTANTIATE_TEST_SUITE_P(Heights, BandFit,
                         ::testing::Values(FitCase{0, 1}, FitCase{-1, 1}, FitCase{1, 2}));

TEST_F(BandEngineTest, RowCountThreeShowsThreeRows) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 100, 30);
  data->SetRowCount(3);
  ASSERT_TRUE(Run());
  const QList<FakeRecord> rows = RecordsNamed(0, data->Name());
  ASSERT_EQ(rows.size(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rows[i].Top, 30 * i);
}

TEST_F(BandEngineTest, AHeaderOfADataBandWithoutRowsIsNotShown) {
  TrpReportPage* page = AddPage();
  auto* header = AddBand<TrpHeader>(page, 0, 20);
  AddBand<TrpMasterData>(page, 40, 20);
  auto* footer = AddBand<TrpFooter>(page, 80, 20);
  ASSERT_TRUE(Run());
  EXPECT_TRUE(RecordsNamed(0, header->Name()).isEmpty());
  EXPECT_TRUE(RecordsNamed(0, footer->Name()).isEmpty());
}

TEST_F(BandEngineTest, HeaderRowsAndFooterFollowEachOther) {
  TrpReportPage* page = AddPage();
  auto* header = AddBand<TrpHeader>(page, 0, 20);
  auto* data = AddBand<TrpMasterData>(page, 40, 30);
  auto* footer = AddBand<TrpFooter>(page, 80, 25);
  data->SetRowCount(2);
  ASSERT_TRUE(Run());
  EXPECT_EQ(Sequence(), (QStringList{"0:" + header->Name(), "0:" + data->Name(), "0:" + data->Name(),
                                     "0:" + footer->Name()}));
  EXPECT_EQ(RecordsNamed(0, footer->Name()).value(0).Top, 80);
}

TEST_F(BandEngineTest, FooterAfterEachFollowsEveryRow) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 40, 30);
  auto* footer = AddBand<TrpFooter>(page, 80, 10);
  data->SetRowCount(2);
  data->SetFooterAfterEach(true);
  ASSERT_TRUE(Run());
  EXPECT_EQ(Sequence(), (QStringList{"0:" + data->Name(), "0:" + footer->Name(), "0:" + data->Name(),
                                     "0:" + footer->Name()}));
}

TEST_F(BandEngineTest, AFilterLeavesOutRowsItRejects) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 30);
  data->SetRowCount(5);
  data->SetFilter(QStringLiteral("even"));
  Report->Evaluator = [&](const QString&) {
    return ScriptValue(data->VirtualDataSet().RecNo() % 2 == 0);
  };
  ASSERT_TRUE(Run());
  EXPECT_EQ(RecordsNamed(0, data->Name()).size(), 3);
}

TEST_F(BandEngineTest, MasterRowsWithoutDetailRowsAreLeftOutUnlessAskedFor) {
  TrpReportPage* page = AddPage();
  auto* master = AddBand<TrpMasterData>(page, 0, 30);
  auto* detail = AddBand<TrpDetailData>(page, 40, 20);
  master->SetRowCount(3);
  // The detail rows of master row r: r of them.
  MemoryDataSet details;
  details.Callbacks.First = [&] {
    details.Rows.assign(master->VirtualDataSet().RecNo(), MemoryDataSet::Row{});
  };
  detail->SetDataSet(&details);
  ASSERT_TRUE(Run());
  EXPECT_EQ(RecordsNamed(0, master->Name()).size(), 2);
  EXPECT_EQ(RecordsNamed(0, detail->Name()).size(), 3);
  Store->Clear();
  master->SetPrintIfDetailEmpty(true);
  ASSERT_TRUE(Run());
  EXPECT_EQ(RecordsNamed(0, master->Name()).size(), 3);
}

TEST_F(BandEngineTest, AGroupFooterComesBeforeTheNextHeaderAndRowNumbersRestart) {
  TrpReportPage* page = AddPage();
  auto* groupHeader = AddBand<TrpGroupHeader>(page, 0, 20);
  groupHeader->SetCondition(QStringLiteral("grp"));
  auto* data = AddBand<TrpMasterData>(page, 40, 20);
  TrpMemoView* line = AddMemo(data, QStringLiteral("[Line]"));
  auto* groupFooter = AddBand<TrpGroupFooter>(page, 80, 20);
  using Row = MemoryDataSet::Row;
  MemoryDataSet rows({Row{{"grp", 1}}, Row{{"grp", 1}}, Row{{"grp", 2}}, Row{{"grp", 2}}, Row{{"grp", 2}}});
  data->SetDataSet(&rows);
  Report->Evaluator = [&](const QString& e) {
    return e == "grp" ? rows.GetValue(e) : ScriptValue(Engine().CurLine());
  };
  ASSERT_TRUE(Run());
  QStringList shown;
  for (const FakeRecord& record : Store->Pages.at(0).Records)
    shown << (record.Name == data->Name() ? record.Children.value(0).Text : record.Name);
  const QString gh = groupHeader->Name(), gf = groupFooter->Name();
  EXPECT_EQ(shown, (QStringList{gh, "1", "2", gf, gh, "1", "2", "3", gf}));
  EXPECT_EQ(line->Text(), QStringLiteral("[Line]\r\n"));  // the definition keeps its text
}

TEST_F(BandEngineTest, AKeptBlockMovesWholeWithItsOutlineEntries) {
  TrpReportPage* page = AddPage();
  auto* filler = AddBand<TrpMasterData>(page, 0, 30);
  filler->SetRowCount(30);  // 900 of 1046.9 units
  auto* header = AddBand<TrpHeader>(page, 100, 20);
  auto* kept = AddBand<TrpMasterData>(page, 200, 30);
  kept->SetRowCount(5);
  kept->SetKeepHeader(true);
  kept->SetKeepTogether(true);
  kept->SetOutlineText(QStringLiteral("row"));
  Report->Evaluator = [&](const QString&) { return ScriptValue(QStringLiteral("row")); };
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 2);
  EXPECT_TRUE(RecordsNamed(0, kept->Name()).isEmpty());
  EXPECT_TRUE(RecordsNamed(0, header->Name()).isEmpty());
  EXPECT_EQ(RecordsNamed(1, header->Name()).value(0).Top, 0);
  const QList<FakeRecord> rows = RecordsNamed(1, kept->Name());
  ASSERT_EQ(rows.size(), 5);
  const QList<FakeOutlineItem>& items = Store->OutlineTree().Root;
  ASSERT_EQ(items.size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(rows[i].Top, 20 + 30 * i);
    EXPECT_EQ(items[i].Page, 1);
    EXPECT_EQ(items[i].Top, 20 + 30 * i);
  }
}

TEST_F(BandEngineTest, ATallMemoSplitsOverPagesAndItsPartsJoinBackToTheText) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 30);
  data->SetRowCount(1);
  data->SetAllowSplit(true);
  data->SetStretched(true);
  QStringList lines;
  for (int i = 1; i <= 200; ++i) lines << QStringLiteral("Line %1").arg(i);
  TrpMemoView* memo = AddMemo(data, lines.join(QStringLiteral("\r\n")), 0, 30, 0, 400);
  memo->SetStretchMode(smActualHeight);
  ASSERT_TRUE(Run());
  ASSERT_GT(Store->GetCount(), 2);
  QStringList joined;
  for (int i = 0; i < Store->GetCount(); ++i) {
    for (const FakeRecord& part : RecordsNamed(i, data->Name())) {
      EXPECT_LE(part.Bottom(), PrintableHeight(*page) + kEpsilon);
      joined << part.Children.value(0).Text;
    }
  }
  EXPECT_EQ(joined.join(QLatin1Char('\n')), lines.join(QLatin1Char('\n')));
}

TEST_F(BandEngineTest, AFirstLineTallerThanAnEmptyPageStillGoesOut) {
  TrpReportPage* page = AddPage();
  page->SetPaperHeight(40);  // 20 mm to print on: less than one line of 60 points
  auto* data = AddBand<TrpMasterData>(page, 0, 20);
  data->SetRowCount(1);
  data->SetAllowSplit(true);
  data->SetStretched(true);
  TrpMemoView* memo = AddMemo(data, QStringLiteral("A\r\nB"), 0, 20, 0, 300);
  memo->Font()->SetSize(60);
  memo->SetStretchMode(smActualHeight);
  ASSERT_TRUE(Run());
  QStringList texts;
  for (int i = 0; i < Store->GetCount(); ++i)
    for (const FakeRecord& part : RecordsNamed(i, data->Name())) texts << part.Children.value(0).Text;
  EXPECT_EQ(texts, (QStringList{"A", "B"}));
}

TEST_F(BandEngineTest, AThreeColumnDataBandFillsItsRowsAcross) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 30);
  data->SetColumns(3);
  data->SetColumnWidth(200);
  data->SetRowCount(7);
  auto* footer = AddBand<TrpFooter>(page, 50, 10);
  ASSERT_TRUE(Run());
  const QList<FakeRecord> rows = RecordsNamed(0, data->Name());
  ASSERT_EQ(rows.size(), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(rows[i].Left, 200 * (i % 3)) << i;
    EXPECT_EQ(rows[i].Top, 30 * (i / 3)) << i;
  }
  EXPECT_EQ(RecordsNamed(0, footer->Name()).value(0).Top, 90);
}

TEST_F(BandEngineTest, ADoublePassReportKnowsItsPageCount) {
  TrpReportPage* page = AddPage();
  auto* footer = AddBand<TrpPageFooter>(page, 900, 20);
  AddMemo(footer, QStringLiteral("Page [Page] of [Total]"));
  auto* data = AddBand<TrpMasterData>(page, 0, 30);
  data->SetRowCount(100);
  Report->EngineOptions().SetDoublePass(true);
  Report->Evaluator = [&](const QString& e) {
    return ScriptValue(e == "Page" ? Store->CurPage() + 1 : Engine().TotalPages());
  };
  ASSERT_TRUE(Run());
  const int pages = Store->GetCount();
  ASSERT_EQ(pages, 3);  // 34 rows of 30 on each 1026.9 units above the footer
  EXPECT_EQ(Store->Passes, 1);
  for (int i = 0; i < pages; ++i) {
    const QList<FakeRecord> footers = RecordsNamed(i, footer->Name());
    ASSERT_EQ(footers.size(), 1);
    EXPECT_EQ(footers[0].Children.value(0).Text, QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages));
    EXPECT_NEAR(static_cast<double>(footers[0].Top), static_cast<double>(PrintableHeight(*page) - 20), kEpsilon);
  }
}

TEST_F(BandEngineTest, MisplacedBandsAndSharedDataSetsStopTheRun) {
  TrpReportPage* page = AddPage();
  auto* footer = AddBand<TrpFooter>(page, 0, 20);
  auto* group = AddBand<TrpGroupHeader>(page, 30, 20);
  MemoryDataSet rows({MemoryDataSet::Row{}});
  page->SetDataSet(&rows);
  Report->SetDataSet(&rows);
  EXPECT_FALSE(Run());
  const QString misplaced = QStringLiteral("Incorrect band position: ");
  EXPECT_TRUE(Report->Errors().contains(misplaced + footer->Name()));
  EXPECT_TRUE(Report->Errors().contains(misplaced + group->Name()));
  EXPECT_TRUE(Report->Errors().contains(
      QStringLiteral("Cannot use the same dataset for Report.DataSet and Page.DataSet")));
  EXPECT_EQ(Store->GetCount(), 0);
}

TEST_F(BandEngineTest, AGrowingObjectPushesTheObjectsBelowItDown) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 60);
  data->SetRowCount(1);
  data->SetStretched(true);
  TrpMemoView* top = AddMemo(data, QStringLiteral("1\r\n2\r\n3\r\n4\r\n5"), 0, 20);
  top->SetStretchMode(smActualHeight);
  TrpMemoView* below = AddMemo(data, QStringLiteral("below"), 30, 20);
  TrpMemoView* beside = AddMemo(data, QStringLiteral("beside"), 30, 20, 300, 100);
  ASSERT_TRUE(Run());
  const FakeRecord band = RecordsNamed(0, data->Name()).value(0);
  ASSERT_EQ(band.Children.size(), 3);
  const Extended grown = band.Children[0].Height - 20;
  EXPECT_GT(grown, 0);
  EXPECT_EQ(band.Children[1].Top, 30 + grown);
  EXPECT_EQ(band.Children[2].Top, 30);
  EXPECT_EQ(band.Height, band.Children[1].Bottom());
  EXPECT_EQ(below->Top(), 30);  // the definition keeps its geometry
  (void)beside;
}

TEST_F(BandEngineTest, PageHeaderAndFooterFrameEveryPage) {
  TrpReportPage* page = AddPage();
  auto* header = AddBand<TrpPageHeader>(page, 0, 40);
  auto* footer = AddBand<TrpPageFooter>(page, 900, 30);
  auto* data = AddBand<TrpMasterData>(page, 100, 100);
  data->SetRowCount(25);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 3);  // 9 rows a page
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(RecordsNamed(i, header->Name()).value(0).Top, 0);
    EXPECT_EQ(RecordsNamed(i, data->Name()).value(0).Top, 40);
    EXPECT_NEAR(static_cast<double>(RecordsNamed(i, footer->Name()).value(0).Top),
                static_cast<double>(PrintableHeight(*page) - 30), kEpsilon);
  }
}

TEST_F(BandEngineTest, AReprintedHeaderOpensEveryNewPage) {
  TrpReportPage* page = AddPage();
  auto* header = AddBand<TrpHeader>(page, 0, 40);
  header->SetReprintOnNewPage(true);
  auto* data = AddBand<TrpMasterData>(page, 100, 100);
  data->SetRowCount(15);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 2);
  EXPECT_EQ(RecordsNamed(1, header->Name()).value(0).Top, 0);
  EXPECT_EQ(RecordsNamed(1, data->Name()).value(0).Top, 40);
}

TEST_F(BandEngineTest, StartNewPageBreaksBeforeEveryRowButTheFirst) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 30);
  data->SetRowCount(3);
  data->SetStartNewPage(true);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(RecordsNamed(i, data->Name()).size(), 1);
}

TEST_F(BandEngineTest, TitleAndSummaryOpenAndCloseTheReport) {
  TrpReportPage* page = AddPage();
  auto* title = AddBand<TrpReportTitle>(page, 0, 50);
  auto* summary = AddBand<TrpReportSummary>(page, 300, 40);
  auto* data = AddBand<TrpMasterData>(page, 100, 100);
  data->SetRowCount(12);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 2);
  EXPECT_EQ(RecordsNamed(0, title->Name()).size(), 1);
  EXPECT_TRUE(RecordsNamed(1, title->Name()).isEmpty());
  EXPECT_EQ(RecordsNamed(1, summary->Name()).value(0).Top, 300);  // below 3 of 12 rows
}

TEST_F(BandEngineTest, PageColumnsFillColumnByColumn) {
  TrpReportPage* page = AddPage();
  page->SetColumns(2);
  auto* data = AddBand<TrpMasterData>(page, 0, 100);
  data->SetRowCount(15);
  ASSERT_TRUE(Run());
  ASSERT_EQ(Store->GetCount(), 1);
  const QList<FakeRecord> rows = RecordsNamed(0, data->Name());
  ASSERT_EQ(rows.size(), 15);
  const Extended column = page->ColumnWidth() * rp01cm;
  EXPECT_EQ(rows[9].Left, 0);
  EXPECT_NEAR(static_cast<double>(rows[10].Left), static_cast<double>(column), kEpsilon);
  EXPECT_EQ(rows[10].Top, 0);
}

TEST_F(BandEngineTest, TheRunStopsWhenTheReportIsTerminated) {
  TrpReportPage* page = AddPage();
  auto* data = AddBand<TrpMasterData>(page, 0, 30);
  data->SetRowCount(1000);
  data->SetFilter(QStringLiteral("stop"));
  int rows = 0;
  Report->Evaluator = [&](const QString&) {
    if (++rows == 10) Engine().StopReport();
    return ScriptValue(true);
  };
  EXPECT_FALSE(Run());
  EXPECT_EQ(RecordsNamed(0, data->Name()).size(), 10);  // the row that stopped it still shows
}

}  // namespace
