// The pages vertical bands overflow onto (the parts of rows too wide for their page, written on
// the following pages): how they open and end, their sizes on pages of endless height, and bands
// too tall for a page that split with their vertical parts.
#include "vertical_bands_fixture.h"

namespace {

class OverflowPages : public VerticalBands {
 protected:
  // `rows` master rows, 30 high, crossed by a vertical data band of five columns 200 wide: three
  // fit the 718.1 units of the page, two go to the page after it. Beside the columns (at 650)
  // each row shows its name; each cell shows the row's name and the column number.
  void WideRows(int rows) {
    using Row = MemoryDataSet::Row;
    for (int i = 1; i <= rows; ++i)
      Rows.Rows.push_back(Row{{"name", QString::number(i)}, {"amount", 1}});
    RowBand = AddBand<TrpMasterData>("RowBand", 200, 30);
    RowBand->SetDataSet(&Rows);
    AddVertical<TrpMasterData>("ColBand", 0, 200)->SetRowCount(5);
    AddMemo(RowBand, "Cell", QStringLiteral("[Rows.\"name\"]:[Line]"), 10, 80);
  }
  // A page header 40 high and a page footer 30 high showing the page number and the sum of the
  // page's amounts.
  void HeaderAndFooter() {
    AddMemo(AddBand<TrpPageHeader>("Head", 0, 40), "Heading", QStringLiteral("Sales"), 650, 60);
    auto* footer = AddBand<TrpPageFooter>("Foot", 900, 30);
    AddMemo(footer, "PageNo", QStringLiteral("[Page#]"), 650, 30);
    AddMemo(footer, "PageSum", QStringLiteral("[SUM(<Rows.\"amount\">)]"), 690, 20);
  }
  // On a page of two columns 95 mm wide, `rows` wide rows 300 high (three fill a column) crossed
  // by four columns 200 wide: three fit the page, the fourth goes to the page after it. Each
  // column ends with a footer.
  void WideRowsInPageColumns(int rows) {
    Page->SetColumns(2);
    WideRows(rows);
    RowBand->SetHeight(300);
    Designed<TrpMasterData>("ColBand")->SetRowCount(4);
    AddMemo(AddBand<TrpColumnFooter>("ColFoot", 800, 20), "Count", QStringLiteral("end"), 650, 60);
  }
  // The height of prepared page `index` less its margins.
  double ContentHeight(int index) {
    return Report->PreviewPages()->GetPageSize(index).height() - 20 * rp01cm;
  }

  TrpMasterData* RowBand = nullptr;
};

TEST_F(OverflowPages, EndWithThePageFooterAndTheOverlayOnTopAsTheirPageDoes) {
  WideRows(2);
  HeaderAndFooter();
  AddMemo(AddBand<TrpOverlay>("Stamp", 600, 100), "StampText", QStringLiteral("copy"), 650, 60)
      ->SetTop(0);
  Designed<TrpOverlay>("Stamp")->SetPrintOnTop(true);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Texts(1, "Cell"), (QStringList{"1:4", "1:5", "2:4", "2:5"}));
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Tops(BandsNamed(i, "Foot")), QList<double>{kPrintableHeight - 30});
    EXPECT_EQ(Texts(i, "PageNo"), QStringList{QString::number(i + 1)});
    EXPECT_EQ(BandNames(i).last(), "Stamp");
    EXPECT_EQ(BandsNamed(i, "Stamp").size(), 1);
  }
}

TEST_F(OverflowPages, OpenWithTheOverlayAndThePageHeaderAboveTheParts) {
  WideRows(2);
  HeaderAndFooter();
  AddBand<TrpOverlay>("Background", 600, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandNames(1).mid(0, 2), (QStringList{"Background", "Head"}));
  EXPECT_EQ(Texts(1, "Heading"), QStringList{"Sales"});
  // The parts lie where the rows lie on their page, below the header.
  EXPECT_EQ(Objects(1, "Cell").first(), (Placed{"1:4", 10, 40}));
  EXPECT_EQ(Tops(BandsNamed(1, "RowBand")), Tops(BandsNamed(0, "RowBand")));
}

TEST_F(OverflowPages, EachPageOfRowsEndsWithItsOverflowPageAndBothShowItsTotals) {
  // 32 rows fit between header and footer: rows 1-32 on page 1, their columns 4-5 on page 2,
  // rows 33-40 on page 3, their columns on page 4.
  WideRows(40);
  HeaderAndFooter();
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 4);
  EXPECT_EQ(Texts(2, "Cell").first(), "33:1");
  EXPECT_EQ(Texts(3, "Cell").first(), "33:4");
  const QStringList sums{"32", "32", "8", "8"};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(BandsNamed(i, "Foot").size(), 1);
    EXPECT_EQ(BandsNamed(i, "Head").size(), 1);
    EXPECT_EQ(Texts(i, "PageNo"), QStringList{QString::number(i + 1)});
    EXPECT_EQ(Texts(i, "PageSum"), QStringList{sums[i]});
  }
}

TEST_F(OverflowPages, APageHeaderCrossedByTheColumnsCarriesTheirCaptionsOntoThem) {
  WideRows(40);
  auto* head = AddBand<TrpPageHeader>("Head", 0, 40);
  AddMemo(head, "Caption", QStringLiteral("C[Line]"), 10, 80);
  AddMemo(head, "Heading", QStringLiteral("Sales"), 650, 60);
  ASSERT_TRUE(Prepare());
  // 34 rows below the header on each page.
  ASSERT_EQ(PageCount(), 4);
  for (int i : {0, 2}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Objects(i, "Caption"), (QList<Placed>{{"C1", 10, 0}, {"C2", 210, 0}, {"C3", 410, 0}}));
    EXPECT_EQ(Objects(i + 1, "Caption"), (QList<Placed>{{"C4", 10, 0}, {"C5", 210, 0}}));
    // The header's own objects stay on its page, and the overflow page has it once.
    EXPECT_EQ(Texts(i, "Heading"), QStringList{"Sales"});
    EXPECT_TRUE(Texts(i + 1, "Heading").isEmpty());
    EXPECT_EQ(BandsNamed(i + 1, "Head").size(), 1);
    EXPECT_EQ(Objects(i + 1, "Cell").first().Top, 40);
  }
}

TEST_F(OverflowPages, AKeptBlockWhoseColumnsOverflowedStaysWithThem) {
  // 700 units of title leave room for 11 of the 12 kept rows.
  AddBand<TrpReportTitle>("Title", 0, 700);
  WideRows(12);
  RowBand->SetKeepTogether(true);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 4);
  // Moved to the next page, the rows would leave their columns 4-5 on the page after the title.
  EXPECT_EQ(Texts(0, "Cell").value(0), "1:1");
  EXPECT_EQ(Texts(1, "Cell").value(0), "1:4");
  EXPECT_EQ(Texts(2, "Cell"), (QStringList{"12:1", "12:2", "12:3"}));
  EXPECT_EQ(Texts(3, "Cell"), (QStringList{"12:4", "12:5"}));
}

TEST_F(OverflowPages, AFailureWhileARowWaitsForItsPageLeavesTheDefinitionWhole) {
  // The page footer fails while the row that did not fit, with its copies, waits for the page.
  WideRows(40);
  AddMemo(AddBand<TrpPageFooter>("Foot", 900, 30), "Broken", QStringLiteral("[1 +]"), 650, 30);
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_FALSE(Report->Errors().isEmpty());
  // The row band has its own objects only, and the report prepares again once mended.
  EXPECT_EQ(Designed<TrpBand>("RowBand")->Objects().size(), 1);
  Designed<TrpMemoView>("Broken")->SetText(QStringLiteral("fine"));
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(PageCount(), 4);
}

TEST_F(OverflowPages, OfEndlessHeightTakeTheHeightOfTheirOwnContent) {
  Page->SetEndlessHeight(true);
  WideRows(2);
  RowBand->SetStartNewPage(true);  // each row on a page of its own
  AddMemo(AddBand<TrpPageFooter>("Foot", 900, 30), "PageNo", QStringLiteral("[Page#]"), 650, 30);
  // Beside the columns only: the pages of the second row's columns 4-5 do not reach it.
  AddMemo(AddBand<TrpFooter>("Totals", 400, 100), "Count", QStringLiteral("2 rows"), 650, 60);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 4);
  // Row, footer of the page; the second row's page also holds the rows' footer.
  const QList<double> heights{30 + 30, 30 + 30, 30 + 100 + 30, 30 + 30};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(ContentHeight(i), heights[i], 0.5);
    EXPECT_EQ(Tops(BandsNamed(i, "Foot")), QList<double>{heights[i] - 30});
  }
}

TEST_F(OverflowPages, ABandTallerThanThePageSplitsWithItsVerticalParts) {
  RowBand = AddBand<TrpMasterData>("RowBand", 200, 1500);
  RowBand->SetRowCount(1);
  AddVertical<TrpMasterData>("ColBand", 0, 200)->SetRowCount(5);
  AddMemo(RowBand, "Label", QStringLiteral("row"), 650, 60);
  AddMemo(RowBand, "Upper", QStringLiteral("U[Line]"), 10, 80);
  AddMemo(RowBand, "Lower", QStringLiteral("L[Line]"), 10, 80)->SetTop(1200);
  ASSERT_TRUE(Prepare());
  // The upper part on the first page and its overflow page, the lower one on the next two.
  ASSERT_EQ(PageCount(), 4);
  EXPECT_EQ(Objects(0, "Label"), (QList<Placed>{{"row", 650, 0}}));
  EXPECT_EQ(Texts(0, "Upper"), (QStringList{"U1", "U2", "U3"}));
  EXPECT_EQ(Texts(1, "Upper"), (QStringList{"U4", "U5"}));
  const double lowerTop = 1200 - kPrintableHeight;
  EXPECT_EQ(Objects(2, "Lower"),
            (QList<Placed>{{"L1", 10, lowerTop}, {"L2", 210, lowerTop}, {"L3", 410, lowerTop}}));
  EXPECT_EQ(Objects(3, "Lower"), (QList<Placed>{{"L4", 10, lowerTop}, {"L5", 210, lowerTop}}));
  EXPECT_TRUE(Texts(2, "Label").isEmpty());
}

TEST_F(OverflowPages, AnEndlessPageFooterCrossingTheColumnsEndsEachPageInsideItUnderTheOverlay) {
  Page->SetEndlessHeight(true);
  WideRows(2);
  auto* footer = AddBand<TrpPageFooter>("Foot", 900, 30);
  AddMemo(footer, "FootCell", QStringLiteral("F[Line]"), 10, 80);
  // Beside the columns only: the overflow page ends 100 higher than its page.
  AddMemo(AddBand<TrpFooter>("Totals", 400, 100), "Count", QStringLiteral("2 rows"), 650, 60);
  AddBand<TrpOverlay>("Stamp", 600, 50)->SetPrintOnTop(true);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_NEAR(ContentHeight(0), 30 + 30 + 100 + 30, 0.5);
  EXPECT_NEAR(ContentHeight(1), 30 + 30 + 30, 0.5);
  EXPECT_EQ(Objects(0, "FootCell"),
            (QList<Placed>{{"F1", 10, 160}, {"F2", 210, 160}, {"F3", 410, 160}}));
  EXPECT_EQ(Objects(1, "FootCell"), (QList<Placed>{{"F4", 10, 60}, {"F5", 210, 60}}));
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(BandNames(i).last(), "Stamp");
  }
}

TEST_F(OverflowPages, AColumnFooterCrossingTheColumnsLiesBelowEachPagesOwnContent) {
  WideRows(2);
  AddMemo(AddBand<TrpColumnFooter>("ColFoot", 800, 20), "FootCell", QStringLiteral("C[Line]"),
          10, 80);
  AddMemo(AddBand<TrpFooter>("Totals", 400, 100), "Count", QStringLiteral("2 rows"), 650, 60);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Objects(0, "FootCell").first(), (Placed{"C1", 10, 160}));
  EXPECT_EQ(Objects(1, "FootCell"), (QList<Placed>{{"C4", 10, 60}, {"C5", 210, 60}}));
}

TEST_F(OverflowPages, OnAPageInColumnsEachColumnEndsWithItsFooterOnTheOverflowPageToo) {
  const double second = 95 * rp01cm;
  // Three rows in the first column, two in the second.
  WideRowsInPageColumns(5);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Texts(1, "Cell"), (QStringList{"1:4", "2:4", "3:4", "4:4", "5:4"}));
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const QList<PreparedBand> footers = BandsNamed(i, "ColFoot");
    ASSERT_EQ(footers.size(), 2);
    EXPECT_EQ(footers[0].Left, 0);
    EXPECT_EQ(footers[0].Top, 900);
    EXPECT_NEAR(static_cast<double>(footers[1].Left), second, 0.001);
    EXPECT_EQ(footers[1].Top, 600);
  }
}

TEST_F(OverflowPages, OnAPageInColumnsOpenedByALaterColumnTheEarlierColumnsEndThereToo) {
  const double second = 95 * rp01cm;
  // Three intro rows 300 high without cells fill the first column; the two wide rows in the
  // second column open the overflow page with their fourth column.
  AddBand<TrpMasterData>("Intro", 100, 300)->SetRowCount(3);
  WideRowsInPageColumns(2);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(Texts(1, "Cell"), (QStringList{"1:4", "2:4"}));
  const QList<PreparedBand> ownFooters = BandsNamed(0, "ColFoot");
  ASSERT_EQ(ownFooters.size(), 2);
  EXPECT_EQ(ownFooters[0].Top, 900);
  const QList<PreparedBand> footers = BandsNamed(1, "ColFoot");
  ASSERT_EQ(footers.size(), 2);
  EXPECT_EQ(footers[0].Left, 0);
  EXPECT_EQ(footers[0].Top, 0);
  EXPECT_NEAR(static_cast<double>(footers[1].Left), second, 0.001);
  EXPECT_EQ(footers[1].Top, 600);
}

}  // namespace
