// The flow of pages through the engine and the real store: a report page continuing on the
// previous one, overlays, page footers on the first and last page, logical page numbers, the
// title's place, the summary of an endless page, a band taller than a page, and a report data
// set running the pages once per record.
#include "real_services_fixture.h"

namespace {

constexpr double kEpsilon = 0.001;

class PageFlow : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
  }
  // `rows` rows of `height` on `page`.
  TrpMasterData* AddRows(TrpReportPage* page, const QString& name, int rows, Extended height,
                         Extended top = 200) {
    auto* data = AddBand<TrpMasterData>(page, name, top, height);
    data->SetRowCount(rows);
    return data;
  }

  TrpReportPage* Page = nullptr;
};

TEST_F(PageFlow, ASecondPageContinuesBelowTheLowestBandOfTheLastPage) {
  AddRows(Page, "Rows1", 3, 100);
  TrpReportPage* second = NewPage(QStringLiteral("Page2"));
  second->SetPrintOnPreviousPage(true);
  AddBand<TrpReportTitle>(second, "Title2", 0, 40);
  AddBand<TrpPageHeader>(second, "Header2", 50, 30);
  AddRows(second, "Rows2", 9, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  // Its title below the three rows, then seven of its rows (340 + 700 <= 1046.9).
  EXPECT_EQ(BandNames(0), (QStringList{"Rows1", "Rows1", "Rows1", "Title2", "Rows2", "Rows2",
                                       "Rows2", "Rows2", "Rows2", "Rows2", "Rows2"}));
  EXPECT_EQ(BandsNamed(0, "Title2").value(0).Top, 300);
  EXPECT_EQ(Tops(BandsNamed(0, "Rows2")).value(0), 340);
  // The page's own header opens the page it adds.
  EXPECT_EQ(BandNames(1), (QStringList{"Header2", "Rows2", "Rows2"}));
  EXPECT_EQ(Tops(BandsNamed(1, "Rows2")), (QList<double>{30, 130}));
}

TEST_F(PageFlow, ATitleNotShownOnThePreviousPageLeavesItsRowsDirectlyBelow) {
  AddRows(Page, "Rows1", 3, 100);
  TrpReportPage* second = NewPage(QStringLiteral("Page2"));
  second->SetPrintOnPreviousPage(true);
  second->SetShowTitleOnPreviousPage(false);
  AddBand<TrpReportTitle>(second, "Title2", 0, 40);
  AddRows(second, "Rows2", 2, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(BandNames(0), (QStringList{"Rows1", "Rows1", "Rows1", "Rows2", "Rows2"}));
  EXPECT_EQ(Tops(BandsNamed(0, "Rows2")), (QList<double>{300, 400}));
}

TEST_F(PageFlow, APageContinuingOnThePreviousOneStopsAboveThatPagesFooter) {
  AddBand<TrpPageFooter>(Page, "Footer1", 900, 100);
  AddRows(Page, "Rows1", 3, 100);
  TrpReportPage* second = NewPage(QStringLiteral("Page2"));
  second->SetPrintOnPreviousPage(true);
  AddRows(second, "Rows2", 9, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  // From 300 down to 900, above the first page's footer at 946.9.
  EXPECT_EQ(Tops(BandsNamed(0, "Rows2")), (QList<double>{300, 400, 500, 600, 700, 800}));
  EXPECT_EQ(BandsNamed(0, "Footer1").size(), 1);
  EXPECT_EQ(Tops(BandsNamed(1, "Rows2")), (QList<double>{0, 100, 200}));
  EXPECT_TRUE(BandsNamed(1, "Footer1").isEmpty());
}

TEST_F(PageFlow, APageHeaderLeftOutOnTheFirstPageCanLeaveItsChild) {
  auto* header = AddBand<TrpPageHeader>(Page, "Header", 0, 50);
  header->SetPrintOnFirstPage(false);
  header->SetPrintChildIfInvisible(true);
  auto* child = AddBand<TrpChild>(Page, "HeaderChild", 60, 30);
  header->SetChild(child);
  AddRows(Page, "Rows", 12, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandNames(0).mid(0, 2), (QStringList{"HeaderChild", "Rows"}));
  EXPECT_EQ(Tops(Bands(0)).mid(0, 2), (QList<double>{0, 30}));
  EXPECT_EQ(BandNames(1).mid(0, 3), (QStringList{"Header", "HeaderChild", "Rows"}));
  EXPECT_EQ(Tops(Bands(1)).mid(0, 3), (QList<double>{0, 50, 80}));
}

TEST_F(PageFlow, AnOverlayGoesUnderThePageAtItsTopWithoutMovingTheBands) {
  AddBand<TrpPageHeader>(Page, "Header", 0, 50);
  AddBand<TrpOverlay>(Page, "Overlay", 500, 300);
  AddRows(Page, "Rows", 12, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);  // 50 + 9 rows on the first page
  for (int i = 0; i < 2; ++i) {
    const QList<PreparedBand> bands = Bands(i);
    ASSERT_GE(bands.size(), 3);
    EXPECT_EQ(bands[0].Name, "Overlay");
    EXPECT_EQ(bands[0].Top, 0);
    EXPECT_EQ(bands[1].Name, "Header");
    EXPECT_EQ(bands[1].Top, 0);
    EXPECT_EQ(bands[2].Top, 50);
  }
}

TEST_F(PageFlow, AnOverlayOnTopIsTheLastBandOfEveryPage) {
  AddBand<TrpPageHeader>(Page, "Header", 0, 50);
  AddBand<TrpOverlay>(Page, "Overlay", 500, 300)->SetPrintOnTop(true);
  AddRows(Page, "Rows", 12, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  for (int i = 0; i < 2; ++i) {
    const QList<PreparedBand> bands = Bands(i);
    EXPECT_EQ(bands.value(0).Name, "Header");
    EXPECT_EQ(bands.value(1).Top, 50);
    EXPECT_EQ(bands.last().Name, "Overlay");
    EXPECT_EQ(bands.last().Top, 0);
    EXPECT_EQ(BandsNamed(i, "Overlay").size(), 1);
  }
}

TEST_F(PageFlow, APageFooterCanLeaveOutTheFirstAndTheLastPage) {
  auto* footer = AddBand<TrpPageFooter>(Page, "Footer", 900, 20);
  AddRows(Page, "Rows", 25, 100);  // 10 rows a page above the footer: 3 pages
  footer->SetPrintOnFirstPage(false);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 3);
  EXPECT_TRUE(BandsNamed(0, "Footer").isEmpty());
  EXPECT_EQ(BandsNamed(1, "Footer").size(), 1);
  EXPECT_NEAR(static_cast<double>(BandsNamed(2, "Footer").value(0).Top),
              static_cast<double>(kPrintableHeight - 20), kEpsilon);

  footer = Designed<TrpPageFooter>(QStringLiteral("Footer"));
  ASSERT_NE(footer, nullptr);
  footer->SetPrintOnFirstPage(true);
  footer->SetPrintOnLastPage(false);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(BandsNamed(0, "Footer").size(), 1);
  EXPECT_EQ(BandsNamed(1, "Footer").size(), 1);
  EXPECT_TRUE(BandsNamed(2, "Footer").isEmpty());
}

TEST_F(PageFlow, TheTitleCanFollowThePageHeader) {
  Page->SetTitleBeforeHeader(false);
  AddBand<TrpReportTitle>(Page, "Title", 0, 50);
  AddBand<TrpPageHeader>(Page, "Header", 60, 30);
  AddRows(Page, "Rows", 12, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  const QList<PreparedBand> first = Bands(0);
  ASSERT_GE(first.size(), 3);
  EXPECT_EQ(first[0].Name, "Header");
  EXPECT_EQ(first[1].Name, "Title");
  EXPECT_EQ(first[1].Top, 30);
  EXPECT_EQ(first[2].Top, 80);
  EXPECT_EQ(BandNames(1).value(0), "Header");
  EXPECT_TRUE(BandsNamed(1, "Title").isEmpty());
}

TEST_F(PageFlow, TheSummaryOfAnEndlessPageMakesThePageTaller) {
  Page->SetEndlessHeight(true);
  AddRows(Page, "Rows", 5, 100);
  AddBand<TrpReportSummary>(Page, "Summary", 400, 40);
  AddBand<TrpPageFooter>(Page, "Footer", 600, 20);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(BandsNamed(0, "Summary").value(0).Top, 500);
  EXPECT_EQ(BandsNamed(0, "Footer").value(0).Top, 540);
  // Rows, summary and footer, and the margins of 10 mm above and below.
  const QSizeF size = Report->PreviewPages()->GetPageSize(0);
  EXPECT_EQ(size.height(), std::nearbyint(static_cast<double>(560 + 20 * rp01cm)));
}

TEST_F(PageFlow, EveryPageOfAnEndlessReportIsAsTallAsItsContent) {
  Page->SetEndlessHeight(true);
  auto* rows = AddRows(Page, "Rows", 3, 100);
  rows->SetStartNewPage(true);
  AddBand<TrpPageFooter>(Page, "Footer", 600, 20);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 3);
  // One row and the footer below it, and the margins of 10 mm above and below.
  const double height = std::nearbyint(static_cast<double>(120 + 20 * rp01cm));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(BandsNamed(i, "Footer").value(0).Top, 100) << i;
    EXPECT_EQ(Report->PreviewPages()->GetPageSize(i).height(), height) << i;
  }
}

TEST_F(PageFlow, OnAnEndlessPageThePageFooterFollowsTheColumnFooter) {
  Page->SetEndlessHeight(true);
  AddRows(Page, "Rows", 3, 100);
  AddBand<TrpColumnFooter>(Page, "ColumnFooter", 500, 15);
  AddBand<TrpPageFooter>(Page, "Footer", 600, 20);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  EXPECT_EQ(BandsNamed(0, "ColumnFooter").value(0).Top, 300);
  EXPECT_EQ(BandsNamed(0, "Footer").value(0).Top, 315);
  EXPECT_EQ(Report->PreviewPages()->GetPageSize(0).height(),
            std::nearbyint(static_cast<double>(335 + 20 * rp01cm)));
}

// Page numbers restart with every group: "Page" counts within the group, "Page#" through the
// report, and in a double pass "TotalPages" is the group's page count.
class LogicalPageNumbers : public PageFlow {
 protected:
  void SetUp() override {
    PageFlow::SetUp();
    using Row = MemoryDataSet::Row;
    for (int i = 0; i < 17; ++i) Rows.Rows.push_back(Row{{"grp", i < 12 ? 1 : 2}});
    auto* group = AddBand<TrpGroupHeader>(Page, "Group", 100, 30);
    group->SetCondition(QStringLiteral("Rows.\"grp\""));
    group->SetStartNewPage(true);
    group->SetResetPageNumbers(true);
    AddBand<TrpMasterData>(Page, "Rows", 200, 100)->SetDataSet(&Rows);
    Footer = AddBand<TrpPageFooter>(Page, "Footer", 900, 20);
  }
  TrpPageFooter* Footer = nullptr;
};

TEST_F(LogicalPageNumbers, PageCountsWithinTheGroupAndPageHashThroughTheReport) {
  AddMemo(Footer, "Numbers", QStringLiteral("[Page] [Page#]"), 300);
  ASSERT_TRUE(Prepare());
  // The first group: 30 + 9 rows, then 3; the second group on a page of its own.
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(Texts(0, "Numbers"), QStringList{"1 1"});
  EXPECT_EQ(Texts(1, "Numbers"), QStringList{"2 2"});
  EXPECT_EQ(Texts(2, "Numbers"), QStringList{"1 3"});
}

TEST_F(LogicalPageNumbers, ADoublePassKnowsEachGroupsPageCount) {
  AddMemo(Footer, "Numbers", QStringLiteral("[Page]/[TotalPages] [Page#]/[<TotalPages#>]"), 300);
  Report->EngineOptions().SetDoublePass(true);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(Texts(0, "Numbers"), QStringList{"1/2 1/3"});
  EXPECT_EQ(Texts(1, "Numbers"), QStringList{"2/2 2/3"});
  EXPECT_EQ(Texts(2, "Numbers"), QStringList{"1/1 3/3"});
}

TEST_F(PageFlow, ABandTallerThanAPageGoesOutInPartsKeepingItsObjectsOffsets) {
  AddBand<TrpReportTitle>(Page, "Title", 0, 100);
  auto* tall = AddRows(Page, "Tall", 2, 2400);
  const QStringList names{"Top", "Middle", "Bottom"};
  const QList<Extended> tops{0, 1200, 2300};
  for (int i = 0; i < 3; ++i) AddMemo(tall, names[i], names[i], 200)->SetTop(tops[i]);
  ASSERT_TRUE(Prepare());
  // Each row in three parts; the second row starts on a page of its own.
  ASSERT_EQ(PageCount(), 6);
  for (int row = 0; row < 2; ++row) {
    Extended passed = 0;  // the height of the row's pages before this one
    for (int part = 0; part < 3; ++part) {
      const int index = row * 3 + part;
      const QList<PreparedBand> parts = BandsNamed(index, "Tall");
      ASSERT_EQ(parts.size(), 1) << index;
      const Extended bandTop = parts[0].Top;
      EXPECT_EQ(bandTop, index == 0 ? 100 : 0) << index;
      EXPECT_EQ(parts[0].Texts, QStringList{names[part]}) << index;
      TrpReportPage* page = Report->PreviewPages()->GetPage(index);
      auto* memo = static_cast<TrpMemoView*>(page->FindObject(names[part]));
      ASSERT_NE(memo, nullptr);
      // Where the object lies in the whole row: the pages before plus its place on this one.
      EXPECT_NEAR(static_cast<double>(passed + memo->Top()), static_cast<double>(tops[part]), kEpsilon)
          << index;
      passed += kPrintableHeight - bandTop;
    }
  }
}

// Rows of 1000 fit an empty page (1046.9), but not below the header of 100 that opens every page
// again: a row moved on would end past the page's end there, so it goes out in parts instead.
TEST_F(PageFlow, ABandTallerThanTheRoomBelowAReprintedHeaderGoesOutInParts) {
  AddBand<TrpHeader>(Page, "RowsHeader", 0, 100)->SetReprintOnNewPage(true);
  auto* tall = AddRows(Page, "Tall", 1, 1000);
  AddMemo(tall, "Top", QStringLiteral("top"), 200);
  AddMemo(tall, "Bottom", QStringLiteral("bottom"), 200)->SetTop(980);
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(EveryBandInsideItsPage());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandNames(0), (QStringList{"RowsHeader", "Tall"}));
  EXPECT_EQ(Tops(Bands(0)), (QList<double>{0, 100}));
  EXPECT_EQ(Texts(0, "Top"), QStringList{"top"});
  EXPECT_EQ(BandNames(1), (QStringList{"RowsHeader", "Tall"}));
  EXPECT_EQ(Texts(1, "Bottom"), QStringList{"bottom"});
}

// Every page has an outline entry of its own; the entries of a group running on over the page
// end stay under the group's entry, and a group opened on the new page goes under that page's.
TEST_F(PageFlow, ThePageOutlineEntryLeavesTheOpenBandEntriesTheirNesting) {
  AddNamedRows({3, 12, 2});
  AddOutlinedGroupOfRows(Page, 0);
  ASSERT_TRUE(Prepare());
  // Group A and its rows down to 350, group B's header and six rows down to 1000; the other six
  // rows of B and group C on the second page.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(OutlineTree(), QStringLiteral("1/0[A/0[%1] B/0[%2 %3]] 2/1[C/1[%4]]")
                               .arg(RowEntries(0, 3, 0), RowEntries(3, 9, 0), RowEntries(9, 15, 1),
                                    RowEntries(15, 17, 1)));
}

// A group running on over two page ends keeps all its rows under its entry on the first page;
// the group after it goes under the entry of the page it opens on.
TEST_F(PageFlow, AGroupRunningOnOverTwoPageEndsKeepsItsRowsUnderItsEntry) {
  AddNamedRows({22, 2});
  AddOutlinedGroupOfRows(Page, 0);
  ASSERT_TRUE(Prepare());
  // Group A's header and nine rows on the first page, ten rows on the second, three rows and
  // group B on the third.
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(OutlineTree(), QStringLiteral("1/0[A/0[%1 %2 %3]] 2/1 3/2[B/2[%4]]")
                               .arg(RowEntries(0, 9, 0), RowEntries(9, 19, 1), RowEntries(19, 22, 2),
                                    RowEntries(22, 24, 2)));
}

// A row starting a new page of its own lies right below the reprinted header there: it goes out
// in parts from there rather than leaving that page with the header alone.
TEST_F(PageFlow, ABandTallerThanTheRoomBelowAReprintedHeaderStartsItsPartsBelowIt) {
  AddBand<TrpHeader>(Page, "RowsHeader", 0, 100)->SetReprintOnNewPage(true);
  auto* tall = AddRows(Page, "Tall", 2, 1000);
  tall->SetStartNewPage(true);
  AddMemo(tall, "Top", QStringLiteral("top"), 200);
  AddMemo(tall, "Bottom", QStringLiteral("bottom"), 200)->SetTop(980);
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(EveryBandInsideItsPage());
  ASSERT_EQ(PageCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(BandNames(i), (QStringList{"RowsHeader", "Tall"})) << i;
  EXPECT_EQ(Texts(2, "Top"), QStringList{"top"});
  EXPECT_EQ(Texts(3, "Bottom"), QStringList{"bottom"});
}

TEST_F(PageFlow, AReportDataSetRunsThePagesOncePerRecord) {
  using Row = MemoryDataSet::Row;
  for (const char* name : {"A", "B", "C"}) Rows.Rows.push_back(Row{{"name", QString(name)}});
  Report->SetDataSet(&Rows);
  auto* rows = AddRows(Page, "Lines", 2, 30);
  AddMemo(rows, "Name", QStringLiteral("[Rows.\"name\"][Line]"), 200);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(Texts(0, "Name"), (QStringList{"A1", "A2"}));
  EXPECT_EQ(Texts(1, "Name"), (QStringList{"B1", "B2"}));
  EXPECT_EQ(Texts(2, "Name"), (QStringList{"C1", "C2"}));
}

}  // namespace
