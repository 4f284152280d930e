// Columns through the engine and the real store: a page in columns with its column header and
// footer and reprinted headers, column offsets in millimetres, a data band in columns whose row
// moves on when it runs into the footer area, a page continuing in the last column of the
// page before (also when a double pass prepares it twice) and a page without columns continuing
// below all columns.
#include "real_services_fixture.h"

namespace {

constexpr double kEpsilon = 0.001;

class Columns : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
  }
  TrpMasterData* AddRows(TrpReportPage* page, const QString& name, int rows, Extended height) {
    auto* data = AddBand<TrpMasterData>(page, name, 200, height);
    data->SetRowCount(rows);
    return data;
  }
  // "left,top" of each band named `name` on page `index`, rounded to 0.01 units.
  QStringList Places(int index, const QString& name) const {
    QStringList places;
    for (const PreparedBand& band : BandsNamed(index, name))
      places << QStringLiteral("%1,%2").arg(static_cast<double>(band.Left), 0, 'f', 2)
                                       .arg(static_cast<double>(band.Top), 0, 'f', 2);
    return places;
  }
  static QString Place(Extended left, Extended top) {
    return QStringLiteral("%1,%2").arg(static_cast<double>(left), 0, 'f', 2)
                                  .arg(static_cast<double>(top), 0, 'f', 2);
  }

  // A page in two columns of 95 mm continuing on the first page, which has two columns `width`
  // mm wide, the second at `second` mm; the first page's rows fill its first column down to 1000
  // and its second down to 300.
  TrpReportPage* PageAfterNarrowColumns(const QString& second, Extended width) {
    Page->SetColumns(2);
    Page->SetColumnPositions({QStringLiteral("0"), second});
    Page->SetColumnWidth(width);
    AddRows(Page, "Rows1", 13, 100);
    TrpReportPage* next = NewPage(QStringLiteral("Page2"));
    next->SetColumns(2);
    next->SetPrintOnPreviousPage(true);
    return next;
  }

  TrpReportPage* Page = nullptr;
};

TEST_F(Columns, EveryColumnOpensWithItsHeadersAndClosesWithItsFooter) {
  Page->SetColumns(2);  // 95 mm each
  const Extended second = 95 * rp01cm;
  AddBand<TrpPageHeader>(Page, "Header", 0, 50);
  AddBand<TrpColumnHeader>(Page, "ColumnHeader", 60, 20);
  auto* header = AddBand<TrpHeader>(Page, "RowsHeader", 100, 30);
  header->SetReprintOnNewPage(true);
  AddRows(Page, "Rows", 30, 100);
  AddBand<TrpColumnFooter>(Page, "ColumnFooter", 400, 15);
  ASSERT_TRUE(Prepare());
  // Each column: its header at 50, the rows' header at 70, nine rows from 100 (down to 1000 of
  // the 1031.9 above the column footer) and the column footer right below them.
  ASSERT_EQ(PageCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Places(i, "Header"), QStringList{Place(0, 0)}) << i;
    EXPECT_EQ(Places(i, "ColumnHeader"), (QStringList{Place(0, 50), Place(second, 50)})) << i;
    EXPECT_EQ(Places(i, "RowsHeader"), (QStringList{Place(0, 70), Place(second, 70)})) << i;
  }
  const QList<PreparedBand> rows = BandsNamed(0, "Rows");
  ASSERT_EQ(rows.size(), 18);
  EXPECT_EQ(Place(rows[9].Left, rows[9].Top), Place(second, 100));
  EXPECT_EQ(Places(0, "ColumnFooter"), (QStringList{Place(0, 1000), Place(second, 1000)}));
  // The second page: nine rows in the first column, three in the second.
  EXPECT_EQ(BandsNamed(1, "Rows").size(), 12);
  EXPECT_EQ(Places(1, "ColumnFooter"), (QStringList{Place(0, 1000), Place(second, 400)}));
}

TEST_F(Columns, ColumnPositionsAreMillimetresFromTheLeftMargin) {
  Page->SetColumns(2);
  Page->SetColumnPositions({QStringLiteral("0"), QStringLiteral("120.5")});
  AddRows(Page, "Rows", 12, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  const QList<PreparedBand> rows = BandsNamed(0, "Rows");
  ASSERT_EQ(rows.size(), 12);
  EXPECT_NEAR(static_cast<double>(rows[10].Left), static_cast<double>(120.5 * rp01cm), kEpsilon);
  EXPECT_EQ(rows[10].Top, 0);
  EXPECT_EQ(rows[11].Top, 100);
}

TEST_F(Columns, ARowOfADataBandInColumnsMovesWholeWhenItRunsIntoTheFooter) {
  AddBand<TrpPageHeader>(Page, "Header", 0, 50);
  AddBand<TrpPageFooter>(Page, "Footer", 900, 20);
  auto* rows = AddRows(Page, "Cells", 35, 100);
  rows->SetColumns(3);
  rows->SetColumnWidth(200);
  auto* memo = AddMemo(rows, "Number", QStringLiteral("[Line]"), 100);
  (void)memo;
  ASSERT_TRUE(Prepare());
  // Nine rows of three between the header (50) and the footer (1026.9); the tenth row, whose
  // bottom would be 1050, starts the next page.
  ASSERT_EQ(PageCount(), 2);
  const QList<PreparedBand> first = BandsNamed(0, "Cells");
  ASSERT_EQ(first.size(), 27);
  const QList<PreparedBand> second = BandsNamed(1, "Cells");
  ASSERT_EQ(second.size(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(second[i].Left, 200 * (i % 3)) << i;
    EXPECT_EQ(second[i].Top, 50 + 100 * (i / 3)) << i;
    EXPECT_EQ(second[i].Texts, QStringList{QString::number(28 + i)}) << i;
  }
  EXPECT_EQ(BandNames(1).value(0), "Header");
  EXPECT_EQ(BandsNamed(1, "Footer").size(), 1);
}

TEST_F(Columns, AKeptDataBandInColumnsMovesWithAllItsRowsAndTheFooterFollowsThem) {
  AddRows(Page, "Filler", 25, 30);  // down to 750
  auto* cells = AddRows(Page, "Cells", 9, 100);
  cells->SetColumns(3);
  cells->SetColumnWidth(200);
  cells->SetKeepTogether(true);
  AddBand<TrpFooter>(Page, "CellsFooter", 400, 20);
  ASSERT_TRUE(Prepare());
  // The third row would end at 1050: the three rows move to the next page together.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_TRUE(BandsNamed(0, "Cells").isEmpty());
  const QList<PreparedBand> moved = BandsNamed(1, "Cells");
  ASSERT_EQ(moved.size(), 9);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Place(moved[i].Left, moved[i].Top), Place(200 * (i % 3), 100 * (i / 3))) << i;
  EXPECT_EQ(Places(1, "CellsFooter"), QStringList{Place(0, 300)});
}

TEST_F(Columns, AnUnfinishedLastRowOfADataBandInColumnsMovesOnWhenItDoesNotFit) {
  auto* cells = AddRows(Page, "Cells", 31, 100);
  cells->SetColumns(3);
  cells->SetColumnWidth(200);
  ASSERT_TRUE(Prepare());
  // Ten full rows down to 1000; the eleventh holds one cell, which would end at 1100.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandsNamed(0, "Cells").size(), 30);
  EXPECT_EQ(Places(1, "Cells"), QStringList{Place(0, 0)});
}

TEST_F(Columns, APageContinuingOnThePreviousOneGoesOnInItsLastColumn) {
  Page->SetColumns(2);
  const Extended second = 95 * rp01cm;
  AddRows(Page, "Rows1", 13, 100);  // ten in the first column, three in the second
  TrpReportPage* next = NewPage(QStringLiteral("Page2"));
  next->SetColumns(2);
  next->SetPrintOnPreviousPage(true);
  AddRows(next, "Rows2", 9, 100);
  AddBand<TrpColumnFooter>(next, "ColumnFooter2", 400, 10);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  // Below the three rows of the second column, down to 1000 of the 1036.9 above its footer.
  QStringList expected;
  for (int i = 0; i < 7; ++i) expected << Place(second, 300 + 100 * i);
  EXPECT_EQ(Places(0, "Rows2"), expected);
  EXPECT_EQ(Places(0, "ColumnFooter2"), QStringList{Place(second, 1000)});
  EXPECT_EQ(Places(1, "Rows2"), (QStringList{Place(0, 0), Place(0, 100)}));
  EXPECT_EQ(Places(1, "ColumnFooter2"), QStringList{Place(0, 200)});
}

// A page continuing in the column the page before was left in takes that column where its own
// layout has it: at the recorded position its wider bands would run past the right edge. Its
// column starts left of the recorded one, beside the first column of the page before, whose
// extent the record does not tell: it starts below the bands of all columns.
TEST_F(Columns, APageContinuingInTheLastColumnTakesItWhereItsOwnLayoutHasIt) {
  AddRows(PageAfterNarrowColumns(QStringLiteral("120"), 70), "Rows2", 1, 30);
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(EveryBandInsideItsPage());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Places(0, "Rows2"), QStringList{Place(95 * rp01cm, 1000)});
  // The store gives prepared bands the width of the page they were first recorded on; the right
  // edge is that of a column of Page2.
  const Extended width = Designed<TrpReportPage>(QStringLiteral("Page2"))->ColumnWidth() * rp01cm;
  for (const PreparedBand& row : BandsNamed(0, "Rows2"))
    EXPECT_LE(static_cast<double>(row.Left + width), static_cast<double>(kPrintableWidth + 0.0001));
}

// Where its own column starts right of the recorded one, only that column's bands lie beside it.
TEST_F(Columns, APageContinuingInAColumnRightOfTheRecordedOneStartsBelowThatColumnsBands) {
  AddRows(PageAfterNarrowColumns(QStringLiteral("60"), 60), "Rows2", 2, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Places(0, "Rows2"), (QStringList{Place(95 * rp01cm, 300), Place(95 * rp01cm, 400)}));
}

// A page without columns cannot go on in a column of the page before: its bands are as wide as
// the page and would run past its right edge there. It goes on below the lowest band.
TEST_F(Columns, APageWithoutColumnsContinuesBelowAllColumnsOfThePreviousPage) {
  Page->SetColumns(2);
  AddRows(Page, "Rows1", 13, 100);  // ten in the first column, three in the second
  TrpReportPage* next = NewPage(QStringLiteral("Page2"));
  next->SetPrintOnPreviousPage(true);
  AddRows(next, "Wide", 1, 40);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Places(0, "Wide"), QStringList{Place(0, 1000)});
}

// After a page without columns, a page in columns continuing on the same page starts in its
// first column below that page's bands, not in the column the page in columns before it left.
TEST_F(Columns, APageInColumnsAfterAPageWithoutColumnsStartsBelowItInTheFirstColumn) {
  Page->SetColumns(2);
  AddRows(Page, "Rows1", 13, 90);  // eleven in the first column, down to 990; two in the second
  TrpReportPage* wide = NewPage(QStringLiteral("Page2"));
  wide->SetPrintOnPreviousPage(true);
  AddRows(wide, "Wide", 1, 20);
  TrpReportPage* narrow = NewPage(QStringLiteral("Page3"));
  narrow->SetColumns(2);
  narrow->SetPrintOnPreviousPage(true);
  AddRows(narrow, "Narrow", 2, 30);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Places(0, "Wide"), QStringList{Place(0, 990)});
  EXPECT_EQ(Places(0, "Narrow"), (QStringList{Place(0, 1010), Place(95 * rp01cm, 1010)}));
}

// The columns of a page continued below earlier output start level with it, at 1000 here: a row
// that fits no column there goes to a new page instead of past the page's end.
class ColumnsBelowAFullPage : public Columns {
 protected:
  // A page in two columns continuing on the first page, whose rows end at 1000.
  TrpReportPage* ContinuedPage() {
    AddRows(Page, "Rows1", 10, 100);
    TrpReportPage* next = NewPage(QStringLiteral("Page2"));
    next->SetColumns(2);
    next->SetPrintOnPreviousPage(true);
    return next;
  }
};

TEST_F(ColumnsBelowAFullPage, ARowFittingNoColumnGoesToANewPage) {
  AddRows(ContinuedPage(), "Rows2", 3, 100);
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(EveryBandInsideItsPage());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_TRUE(BandsNamed(0, "Rows2").isEmpty());
  EXPECT_EQ(Places(1, "Rows2"), (QStringList{Place(0, 0), Place(0, 100), Place(0, 200)}));
}

// The same for a data band in columns, whose rows move on whole.
TEST_F(ColumnsBelowAFullPage, ARowOfADataBandInColumnsFittingNoColumnGoesToANewPage) {
  auto* cells = AddRows(ContinuedPage(), "Cells", 2, 100);
  cells->SetColumns(2);
  cells->SetColumnWidth(200);
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(EveryBandInsideItsPage());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_TRUE(BandsNamed(0, "Cells").isEmpty());
  EXPECT_EQ(Places(1, "Cells"), (QStringList{Place(0, 0), Place(200, 0)}));
}

// A report prepared again onto the pages of the last one: five rows lie in the first column of
// page 0; a double pass then continues there with `rows` more rows.
class ColumnsAppended : public Columns {
 protected:
  void PrepareTwice(int firstColumns, int rows) {
    Page->SetColumns(firstColumns);
    AddRows(Page, "Rows", 5, 100);
    ASSERT_TRUE(Prepare());
    auto* page = Designed<TrpReportPage>(QStringLiteral("Page1"));
    ASSERT_NE(page, nullptr);
    page->SetColumns(2);
    page->SetPrintOnPreviousPage(true);
    Designed<TrpMasterData>(QStringLiteral("Rows"))->SetRowCount(rows);
    Report->EngineOptions().SetDoublePass(true);
    ASSERT_TRUE(Report->PrepareReport(false)) << Report->Errors().join('\n').toStdString();
  }
  // The places the second preparation gives its eight rows: the rest of the first column below
  // the five rows there, then the second column, whose rows start level with the first's.
  QStringList EightRowsBelowFive() const {
    const Extended second = 95 * rp01cm;
    QStringList places;
    for (int i = 0; i < 5; ++i) places << Place(0, 100 * i);
    for (int i = 0; i < 5; ++i) places << Place(0, 500 + 100 * i);
    for (int i = 0; i < 3; ++i) places << Place(second, 500 + 100 * i);
    return places;
  }
};

// The first pass leaves page 0 in its second column; the final pass starts again where the first
// one did, in the first.
TEST_F(ColumnsAppended, TheFinalPassStartsInTheColumnThePageHadBeforeTheFirstPass) {
  PrepareTwice(2, 8);
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Places(0, "Rows"), EightRowsBelowFive());
}

TEST_F(ColumnsAppended, APageWithoutAColumnRecordBeforeTheFirstPassHasNoneBeforeTheFinalOne) {
  PrepareTwice(1, 8);
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(Places(0, "Rows"), EightRowsBelowFive());
}

}  // namespace
