// Vertical bands end to end: bands laid out left to right across the horizontal bands their
// objects lie on, prepared with the real script binding and store and read back page by page.
#include <QBuffer>

#include "report/pages/subreport.h"
#include "vertical_bands_fixture.h"

namespace {

TEST_F(VerticalBands, ThreeColumnsCrossTwoRowsAtTheirRunningPositions) {
  RowsAcrossColumns(3);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  // The vertical rows start at the left edge of the master band, one band width apart; each
  // cell keeps its place inside the vertical band (10 from its left).
  EXPECT_EQ(Objects(0, "Cell"), (QList<Placed>{{"A1", 10, 0},
                                               {"A2", 110, 0},
                                               {"A3", 210, 0},
                                               {"B1", 10, 30},
                                               {"B2", 110, 30},
                                               {"B3", 210, 30}}));
}

TEST_F(VerticalBands, AChildBandContinuesEachVerticalRowToTheRight) {
  RowsAcrossColumns(3);
  // Designed beside its vertical band; a child band itself cannot be marked vertical.
  auto* child = AddBand<TrpChild>("Notes", 0, 0);
  child->SetLeft(300);
  child->SetWidth(50);
  Designed<TrpBand>("ColBand")->SetChild(child);
  AddMemo(Designed<TrpBand>("RowBand"), "Note", QStringLiteral("n[Line]"), 310, 30);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Objects(0, "Cell").mid(0, 3),
            (QList<Placed>{{"A1", 10, 0}, {"A2", 160, 0}, {"A3", 310, 0}}));
  EXPECT_EQ(Objects(0, "Note").mid(0, 3),
            (QList<Placed>{{"n1", 110, 0}, {"n2", 260, 0}, {"n3", 410, 0}}));
}

TEST_F(VerticalBands, HorizontalRowNumbersGoOnAcrossTheVerticalRows) {
  RowsAcrossColumns(3);
  auto* rows = static_cast<TrpBand*>(Report->FindObject(QStringLiteral("RowBand")));
  AddMemo(rows, "Number", QStringLiteral("[Line]/[Line#]"), 0, 10);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "Number"), (QStringList{"1/1", "2/2"}));
}

TEST_F(VerticalBands, TheDefinitionGetsItsObjectsBackAfterTheRun) {
  // The definition is not read back after the run: the engine itself must put it back.
  Report->EngineOptions().SetDestroyForms(false);
  RowsAcrossColumns(2);
  auto* rows = static_cast<TrpBand*>(Report->FindObject(QStringLiteral("RowBand")));
  auto* cell = static_cast<TrpMemoView*>(Report->FindObject(QStringLiteral("Cell")));
  AddMemo(rows, "Label", QStringLiteral("row"), 0, 20);
  rows->Font()->SetSize(14);
  const QList<TrpComponent*> before = rows->Objects();
  for (int run = 0; run < 2; ++run) {
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(rows->Objects(), before);
    EXPECT_TRUE(cell->ParentFont());
    EXPECT_EQ(cell->Font()->Size(), 14);
    // The band's own objects stay where they are; the cells go across.
    EXPECT_EQ(Objects(0, "Label"), (QList<Placed>{{"row", 0, 0}, {"row", 0, 30}}));
    EXPECT_EQ(Texts(0, "Cell"), (QStringList{"A1", "A2", "B1", "B2"}));
  }
}

TEST_F(VerticalBands, AReprintedVerticalHeaderOpensTheColumnsThatGoToTheNextPage) {
  using Row = MemoryDataSet::Row;
  Rows.Rows = {Row{{"name", "A"}}, Row{{"name", "B"}}};
  auto* rows = AddBand<TrpMasterData>("RowBand", 100, 30);
  rows->SetDataSet(&Rows);
  AddVertical<TrpHeader>("Captions", 0, 100)->SetReprintOnNewPage(true);
  AddVertical<TrpMasterData>("ColBand", 100, 200)->SetRowCount(5);
  AddMemo(rows, "Caption", QStringLiteral("[Rows.\"name\"]"), 10, 80);
  AddMemo(rows, "Cell", QStringLiteral("[Line]"), 110, 80);
  ASSERT_TRUE(Prepare());
  // 718.1 units across: the header and three 200-unit columns; the other two go to page 2, at
  // the same heights, after the header again.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Objects(0, "Caption"), (QList<Placed>{{"A", 10, 0}, {"B", 10, 30}}));
  EXPECT_EQ(Objects(1, "Caption"), (QList<Placed>{{"A", 10, 0}, {"B", 10, 30}}));
  EXPECT_EQ(Objects(0, "Cell"), (QList<Placed>{{"1", 110, 0},
                                               {"2", 310, 0},
                                               {"3", 510, 0},
                                               {"1", 110, 30},
                                               {"2", 310, 30},
                                               {"3", 510, 30}}));
  EXPECT_EQ(Objects(1, "Cell"), (QList<Placed>{{"4", 110, 0},
                                               {"5", 310, 0},
                                               {"4", 110, 30},
                                               {"5", 310, 30}}));
}

TEST_F(VerticalBands, AnEndlessWidthPageGrowsInsteadOfBreaking) {
  Page->SetEndlessWidth(true);
  RowsAcrossColumns(9);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Texts(0, "Cell").size(), 18);
  EXPECT_EQ(Objects(0, "Cell").at(8), (Placed{"A9", 810, 0}));
  // Nine columns of 100 and the 10 mm margins.
  const QSizeF size = Report->PreviewPages()->GetPageSize(0);
  EXPECT_EQ(size.width(), static_cast<double>(rpRound(900 + 20 * rp01cm)));
}

TEST_F(VerticalBands, ANewPageForRowsStartsAfterThePagesOfOverflowingColumns) {
  using Row = MemoryDataSet::Row;
  for (int i = 1; i <= 40; ++i) Rows.Rows.push_back(Row{{"name", QString::number(i)}});
  auto* rows = AddBand<TrpMasterData>("RowBand", 100, 30);
  rows->SetDataSet(&Rows);
  AddVertical<TrpMasterData>("ColBand", 0, 300)->SetRowCount(3);
  AddMemo(rows, "Cell", QStringLiteral("[Rows.\"name\"]:[Line]"), 0, 80);
  ASSERT_TRUE(Prepare());
  // 34 rows of 30 fit 1046.9 units; two columns fit 718.1 units, the third goes to the next
  // page. Rows 35 to 40 start page 3, their third columns page 4.
  ASSERT_EQ(PageCount(), 4);
  EXPECT_EQ(Texts(0, "Cell").first(), "1:1");
  EXPECT_EQ(Texts(0, "Cell").size(), 68);
  EXPECT_EQ(Texts(1, "Cell").first(), "1:3");
  EXPECT_EQ(Texts(1, "Cell").last(), "34:3");
  EXPECT_EQ(Objects(2, "Cell").first(), (Placed{"35:1", 0, 0}));
  EXPECT_EQ(Texts(3, "Cell"), (QStringList{"35:3", "36:3", "37:3", "38:3", "39:3", "40:3"}));
}

TEST_F(VerticalBands, AColumnWiderThanThePageStartsEachPartWithoutAnEmptyOne) {
  using Row = MemoryDataSet::Row;
  Rows.Rows = {Row{{"name", "A"}}};
  auto* rows = AddBand<TrpMasterData>("RowBand", 100, 30);
  rows->SetDataSet(&Rows);
  AddVertical<TrpMasterData>("ColBand", 0, 800)->SetRowCount(2);
  AddMemo(rows, "Cell", QStringLiteral("[Line]"), 0, 80);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Objects(0, "Cell"), (QList<Placed>{{"1", 0, 0}}));
  EXPECT_EQ(Objects(1, "Cell"), (QList<Placed>{{"2", 0, 0}}));
}

TEST_F(VerticalBands, ARowAllowedToSplitTakesItsColumnsAlongIntoBothParts) {
  using Row = MemoryDataSet::Row;
  for (int i = 1; i <= 11; ++i) Rows.Rows.push_back(Row{{"name", QString::number(i)}});
  auto* rows = AddBand<TrpMasterData>("RowBand", 100, 100);
  rows->SetDataSet(&Rows);
  rows->SetAllowSplit(true);
  AddVertical<TrpMasterData>("ColBand", 0, 100)->SetRowCount(2);
  AddMemo(rows, "Label", QStringLiteral("[Rows.\"name\"]"), 500, 80);
  AddMemo(rows, "Cell", QStringLiteral("[Rows.\"name\"]:[Line]"), 0, 80)->SetTop(80);
  ASSERT_TRUE(Prepare());
  // Ten rows of 100 fill 1046.9 units; of the eleventh the label fits the 46.9 left, its cells
  // go on at the top of the next page.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Texts(0, "Cell").size(), 20);
  EXPECT_EQ(Objects(0, "Label").last(), (Placed{"11", 500, 1000}));
  const double rest = 80 - (kPrintableHeight - 1000);
  EXPECT_EQ(Objects(1, "Cell"), (QList<Placed>{{"11:1", 0, rest}, {"11:2", 100, rest}}));
}

TEST_F(VerticalBands, VerticalGroupsOpenAndCloseAcrossEachRow) {
  RowsAcrossColumns(4);
  using Row = MemoryDataSet::Row;
  Columns.Rows = {Row{{"half", 0}}, Row{{"half", 0}}, Row{{"half", 1}}, Row{{"half", 1}}};
  Columns.SetUserName(QStringLiteral("Cols"));
  Report->DataSets().Add()->SetDataSetName(QStringLiteral("Cols"));
  static_cast<TrpDataBand*>(Report->FindObject(QStringLiteral("ColBand")))->SetDataSet(&Columns);
  auto* group = AddVertical<TrpGroupHeader>("Half", 150, 50);
  group->SetCondition(QStringLiteral("Cols.\"half\""));
  AddVertical<TrpGroupFooter>("HalfTotal", 350, 50);
  auto* rows = static_cast<TrpBand*>(Report->FindObject(QStringLiteral("RowBand")));
  AddMemo(rows, "GroupCaption", QStringLiteral("G"), 150, 50);
  AddMemo(rows, "GroupTotal", QStringLiteral("[SUM(<Rows.\"amount\">)]"), 350, 50);
  ASSERT_TRUE(Prepare());
  // Per row: group, two columns, its footer, then the same again.
  EXPECT_EQ(Objects(0, "GroupCaption"),
            (QList<Placed>{{"G", 0, 0}, {"G", 300, 0}, {"G", 0, 30}, {"G", 300, 30}}));
  EXPECT_EQ(Objects(0, "Cell").mid(0, 4), (QList<Placed>{{"A1", 60, 0},
                                                         {"A2", 160, 0},
                                                         {"A1", 360, 0},
                                                         {"A2", 460, 0}}));
  EXPECT_EQ(Objects(0, "GroupTotal"),
            (QList<Placed>{{"20", 250, 0}, {"20", 550, 0}, {"40", 250, 30}, {"40", 550, 30}}));
}

TEST_F(VerticalBands, ADoublePassPreparesTheSameColumns) {
  Report->EngineOptions().SetDoublePass(true);
  using Row = MemoryDataSet::Row;
  for (int i = 1; i <= 40; ++i) Rows.Rows.push_back(Row{{"name", QString::number(i)}});
  auto* rows = AddBand<TrpMasterData>("RowBand", 100, 30);
  rows->SetDataSet(&Rows);
  AddVertical<TrpMasterData>("ColBand", 0, 300)->SetRowCount(3);
  AddMemo(rows, "Cell", QStringLiteral("[Line]/[<TotalPages#>]"), 0, 80);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 4);
  EXPECT_EQ(Texts(0, "Cell").mid(0, 2), (QStringList{"1/4", "2/4"}));
  EXPECT_EQ(Texts(3, "Cell").size(), 6);
}

TEST_F(VerticalBands, ASubreportPrintedOnItsParentBandBringsItsColumns) {
  auto* parent = AddBand<TrpMasterData>("Parent", 500, 20);
  parent->SetRowCount(1);
  parent->SetStretched(true);
  TrpReportPage* shown = NewPage(QStringLiteral("Page2"));
  auto* subreport = new TrpSubreport(parent);
  subreport->SetBounds(0, 10, 200, 20);
  subreport->SetPage(shown);
  subreport->SetPrintOnParent(true);
  auto* rows = EngineWithRealServices::AddBand<TrpMasterData>(shown, "RowBand", 100, 30);
  rows->SetRowCount(1);
  auto* columns = EngineWithRealServices::AddBand<TrpMasterData>(shown, "ColBand", 0, 0);
  columns->SetVertical(true);
  columns->SetBounds(200, 0, 300, 0);
  columns->SetRowCount(3);  // 900 across: more than the page, still one band
  AddMemo(rows, "Cell", QStringLiteral("[Line]"), 210, 80);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Objects(0, "Cell"), (QList<Placed>{{"1", 10, 10}, {"2", 310, 10}, {"3", 610, 10}}));
}

TEST_F(VerticalBands, FootersTotalEachVerticalColumnAndEachRow) {
  RowsAcrossColumns(2);
  auto* footer = AddBand<TrpFooter>("Totals", 200, 30);
  AddVertical<TrpFooter>("RowTotals", 400, 100);
  TrpBand* rows = static_cast<TrpBand*>(Report->FindObject(QStringLiteral("RowBand")));
  // Across the rows, per column: the amounts times the column number.
  AddMemo(footer, "ColumnTotal", QStringLiteral("[SUM(<Rows.\"amount\"> * <Line>, RowBand)]"),
          210, 80);
  // Across the columns of each row, in the vertical footer.
  AddMemo(rows, "RowTotal", QStringLiteral("[SUM(<Rows.\"amount\"> * <Line>)]"), 410, 80);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Objects(0, "ColumnTotal"), (QList<Placed>{{"30", 10, 60}, {"60", 110, 60}}));
  EXPECT_EQ(Objects(0, "RowTotal"), (QList<Placed>{{"30", 210, 0}, {"60", 210, 30}}));
}

TEST_F(VerticalBands, ColumnTotalsGoOnBeyondAThousandColumns) {
  Page->SetEndlessWidth(true);
  using Row = MemoryDataSet::Row;
  Rows.Rows = {Row{{"amount", 1}}, Row{{"amount", 2}}};
  auto* rows = AddBand<TrpMasterData>("RowBand", 100, 30);
  rows->SetDataSet(&Rows);
  AddVertical<TrpMasterData>("ColBand", 0, 10)->SetRowCount(1003);
  auto* footer = AddBand<TrpFooter>("Totals", 200, 30);
  AddMemo(footer, "ColumnTotal", QStringLiteral("[SUM(<Rows.\"amount\"> * <Line>, RowBand)]"),
          0, 10);
  ASSERT_TRUE(Prepare());
  const QStringList totals = Texts(0, "ColumnTotal");
  ASSERT_EQ(totals.size(), 1003);
  EXPECT_EQ(totals.at(999), "3000");
  EXPECT_EQ(totals.at(1002), "3009");
}

TEST_F(VerticalBands, AReportSavedAndLoadedAgainPreparesTheSameColumns) {
  RowsAcrossColumns(3);
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  Report->SaveToStream(file);
  file.close();
  Report = std::make_unique<TrpReport>();
  Report->EngineOptions().SetNewSilentMode(simSilent);
  file.open(QIODevice::ReadOnly);
  Report->LoadFromStream(file);
  auto* columns = dynamic_cast<TrpBand*>(Report->FindObject(QStringLiteral("ColBand")));
  ASSERT_NE(columns, nullptr);
  EXPECT_TRUE(columns->Vertical());
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "Cell"), (QStringList{"A1", "A2", "A3", "B1", "B2", "B3"}));
}

TEST_F(VerticalBands, AVerticalBandWithoutItsDataBandIsMisplaced) {
  AddBand<TrpMasterData>("RowBand", 100, 30)->SetRowCount(1);
  AddVertical<TrpFooter>("Lonely", 0, 100);
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(Report->Errors(), QStringList{"Incorrect band position: Lonely"});
}

}  // namespace
