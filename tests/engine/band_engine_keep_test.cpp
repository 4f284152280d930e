// Keeping bands together through the engine and the real store: the footer with the last row,
// the header with the first row, a whole group with its outline entry and anchor, a band with
// its chain of children, a kept header re-shown above its moved rows, and a keep given up when
// the block could not fit even on an empty page, counting the header shown again above it.
#include "real_services_fixture.h"

namespace {

class Keeping : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
  }
  TrpMasterData* AddRows(const QString& name, Extended top, int rows, Extended height) {
    auto* data = AddBand<TrpMasterData>(Page, name, top, height);
    data->SetRowCount(rows);
    return data;
  }
  // Nine filler rows down to 900, then the one row "Master" (entry "M") with KeepFooter, whose
  // ten details of 100 and their footer of 10 run on at the top of the next page or column,
  // down to 1010, where "MasterFooter" (100) has no room.
  void AddLastRowRunningOnWithKeptFooter() {
    AddRows("Filler", 0, 9, 100);
    auto* master = AddRows("Master", 100, 1, 100);
    master->SetOutlineText(QStringLiteral("'M'"));
    master->SetKeepFooter(true);
    AddBand<TrpDetailData>(Page, "Details", 300, 100)->SetRowCount(10);
    AddBand<TrpFooter>(Page, "DetailsFooter", 500, 10);  // the first footer closes the details
    AddBand<TrpFooter>(Page, "MasterFooter", 600, 100);
  }

  TrpReportPage* Page = nullptr;
};

TEST_F(Keeping, TheLastRowGoesWithAFooterThatDoesNotFit) {
  auto* rows = AddRows("Rows", 0, 10, 100);  // down to 1000 of 1046.9
  AddMemo(rows, "Number", QStringLiteral("[Line]"), 100);
  AddBand<TrpFooter>(Page, "Footer", 200, 60);
  rows->SetKeepFooter(true);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandsNamed(0, "Rows").size(), 9);
  EXPECT_EQ(BandNames(1), (QStringList{"Rows", "Footer"}));
  EXPECT_EQ(BandsNamed(1, "Rows").value(0).Texts, QStringList{"10"});
  EXPECT_EQ(Tops(Bands(1)), (QList<double>{0, 100}));
}

// The last row's outline entry goes with it to the top of the next page.
TEST_F(Keeping, TheLastRowGoingWithTheFooterTakesItsOutlineEntry) {
  AddNamedRows({10});
  auto* rows = AddBand<TrpMasterData>(Page, "Rows", 0, 100);  // down to 1000 of 1046.9
  rows->SetDataSet(&Rows);
  rows->SetOutlineText(QStringLiteral("Rows.\"id\""));
  rows->SetKeepFooter(true);
  AddBand<TrpFooter>(Page, "Footer", 200, 60);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  ASSERT_EQ(BandNames(1), (QStringList{"Rows", "Footer"}));
  const QList<OutlineEntry> entries = OutlineEntries();
  ASSERT_EQ(entries.size(), 10);
  EXPECT_EQ(entries[8].Page, 0);
  EXPECT_EQ(entries[8].Top, 800);
  EXPECT_EQ(entries[9].Text, "r9");
  EXPECT_EQ(entries[9].Page, 1);
  EXPECT_EQ(entries[9].Top, 0);
}

// The last row's group entry closed before the footer: the row's entry still goes with it, to
// the next page, and stays under its group's entry.
TEST_F(Keeping, TheLastRowGoingWithTheFooterTakesItsEntryFromUnderItsClosedGroup) {
  AddNamedRows({9});
  AddOutlinedGroupOfRows(Page, 0);  // the group down to 50, the rows down to 950
  Designed<TrpMasterData>(QStringLiteral("Rows"))->SetKeepFooter(true);
  AddBand<TrpFooter>(Page, "Footer", 300, 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  ASSERT_EQ(BandNames(1), (QStringList{"Rows", "Footer"}));
  EXPECT_EQ(OutlineTree(), QStringLiteral("1/0[A/0[%1 r8/1]] 2/1").arg(RowEntries(0, 8, 0)));
}

// A last row that began on an earlier page cannot go with the footer: the footer goes alone,
// and the row's outline entry stays with the row's beginning. (Taken from where the row began,
// the keep cut the rows of the next page after the row's place on the earlier page.)
TEST_F(Keeping, TheFooterOfALastRowBegunOnAnEarlierPageGoesAlone) {
  AddLastRowRunningOnWithKeptFooter();
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(BandNames(0).last(), QStringLiteral("Master"));
  EXPECT_EQ(BandsNamed(1, "Details").size(), 10);
  EXPECT_EQ(BandNames(1).last(), QStringLiteral("DetailsFooter"));
  EXPECT_EQ(BandNames(2), QStringList{"MasterFooter"});
  EXPECT_EQ(Tops(Bands(2)), QList<double>{0});
  EXPECT_EQ(OutlineTree(), QStringLiteral("M/0"));
}

// Likewise for a last row that began in an earlier column of the page. (Taken from where the
// row began, the keep moved the row with the next column's rows into a third column, those
// rows above its top.)
TEST_F(Keeping, TheFooterOfALastRowBegunInAnEarlierColumnGoesAlone) {
  Page->SetColumns(3);
  Page->SetColumnWidth(60 * rp01cm);
  AddLastRowRunningOnWithKeptFooter();
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  const QList<PreparedBand> master0 = BandsNamed(0, "Master");
  const QList<PreparedBand> details = BandsNamed(0, "Details");
  const QList<PreparedBand> footers = BandsNamed(0, "DetailsFooter") + BandsNamed(0, "MasterFooter");
  ASSERT_EQ(master0.size(), 1);
  ASSERT_EQ(details.size(), 10);
  ASSERT_EQ(footers.size(), 2);
  EXPECT_EQ(master0[0].Left, 0);
  EXPECT_EQ(master0[0].Top, 900);
  EXPECT_GT(details[0].Left, 0);
  EXPECT_EQ(Tops(details), (QList<double>{0, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
  EXPECT_EQ(footers[0].Left, details[0].Left);
  EXPECT_EQ(footers[0].Top, 1000);
  EXPECT_GT(footers[1].Left, details[0].Left);
  EXPECT_EQ(footers[1].Top, 0);
  EXPECT_EQ(OutlineTree(), QStringLiteral("M/0"));
}

TEST_F(Keeping, WithoutKeepFooterTheFooterGoesAlone) {
  AddRows("Rows", 0, 10, 100);
  AddBand<TrpFooter>(Page, "Footer", 200, 60);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandsNamed(0, "Rows").size(), 10);
  EXPECT_EQ(BandNames(1), QStringList{"Footer"});
}

TEST_F(Keeping, TheHeaderGoesWithTheFirstRow) {
  AddRows("Filler", 0, 30, 30);  // down to 900
  AddBand<TrpHeader>(Page, "RowsHeader", 100, 40);
  auto* rows = AddRows("Rows", 200, 3, 120);
  rows->SetKeepHeader(true);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_TRUE(BandsNamed(0, "RowsHeader").isEmpty());
  EXPECT_EQ(BandNames(1), (QStringList{"RowsHeader", "Rows", "Rows", "Rows"}));
  EXPECT_EQ(Tops(Bands(1)), (QList<double>{0, 40, 160, 280}));
}

TEST_F(Keeping, AHeaderLeftAboveItsKeptRowsIsShownAgainAboveThem) {
  AddRows("Filler", 0, 26, 30);  // down to 780
  AddBand<TrpHeader>(Page, "RowsHeader", 100, 40);
  auto* rows = AddRows("Rows", 200, 4, 100);
  rows->SetKeepTogether(true);
  ASSERT_TRUE(Prepare());
  // The header fits at 780 and the first two rows below it; the third does not, so the rows
  // move to the next page, where the header opens them again.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandsNamed(0, "RowsHeader").size(), 1);
  EXPECT_TRUE(BandsNamed(0, "Rows").isEmpty());
  EXPECT_EQ(BandNames(1), (QStringList{"RowsHeader", "Rows", "Rows", "Rows", "Rows"}));
  EXPECT_EQ(Tops(Bands(1)), (QList<double>{0, 40, 140, 240, 340}));
}

TEST_F(Keeping, InColumnsTheHeaderIsShownAgainAtTheTopOfTheNextColumn) {
  Page->SetColumns(2);
  AddRows("Filler", 0, 26, 30);
  AddBand<TrpHeader>(Page, "RowsHeader", 100, 40);
  AddRows("Rows", 200, 4, 100)->SetKeepTogether(true);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 1);
  const QList<PreparedBand> headers = BandsNamed(0, "RowsHeader");
  ASSERT_EQ(headers.size(), 2);
  EXPECT_EQ(headers[0].Left, 0);
  const Extended second = 95 * rp01cm;
  EXPECT_NEAR(static_cast<double>(headers[1].Left), static_cast<double>(second), 0.001);
  EXPECT_EQ(headers[1].Top, 0);
  const QList<PreparedBand> rows = BandsNamed(0, "Rows");
  EXPECT_EQ(Tops(rows), (QList<double>{40, 140, 240, 340}));
  for (const PreparedBand& row : rows) EXPECT_NEAR(static_cast<double>(row.Left), static_cast<double>(second), 0.001);
}

TEST_F(Keeping, AKeptGroupMovesWholeWithItsOutlineEntryAndAnchor) {
  using Row = MemoryDataSet::Row;
  for (int i = 0; i < 10; ++i) Rows.Rows.push_back(Row{{"name", QString(i < 3 ? "A" : "B")}});
  auto* group = AddBand<TrpGroupHeader>(Page, "Group", 0, 50);
  group->SetCondition(QStringLiteral("Rows.\"name\""));
  group->SetKeepTogether(true);
  group->SetOutlineText(QStringLiteral("Rows.\"name\""));
  AddMemo(group, "Anchor", QStringLiteral("[Engine.AddAnchor(<Rows.\"name\">)]"), 100);
  AddBand<TrpMasterData>(Page, "Rows", 100, 100)->SetDataSet(&Rows);
  AddBand<TrpGroupFooter>(Page, "GroupFooter", 200, 30);
  ASSERT_TRUE(Prepare());
  // Group A takes 380; group B (50 + 700 + 30) would run over the page at 1130, so it moves
  // whole to the next page.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Rows", "Rows", "Rows", "GroupFooter"}));
  const QList<PreparedBand> second = Bands(1);
  ASSERT_EQ(second.size(), 9);
  EXPECT_EQ(second.first().Name, "Group");
  EXPECT_EQ(second.first().Top, 0);
  EXPECT_EQ(second.last().Name, "GroupFooter");
  EXPECT_EQ(second.last().Top, 750);
  const QList<OutlineEntry> outline = OutlineEntries();
  ASSERT_EQ(outline.size(), 2);
  EXPECT_EQ(outline[0].Text, "A");
  EXPECT_EQ(outline[0].Page, 0);
  EXPECT_EQ(outline[1].Text, "B");
  EXPECT_EQ(outline[1].Page, 1);
  EXPECT_EQ(outline[1].Top, 0);
  auto* store = static_cast<TrpPreviewPages*>(Report->PreviewPages());
  EXPECT_EQ(store->GetAnchorPage(QStringLiteral("B")), 2);
  EXPECT_EQ(store->GetAnchorPage(QStringLiteral("A")), 1);
}

// With an outline entry for every page, the moved group's entry goes under the entry of the page
// it moved to, with the entries of its rows.
TEST_F(Keeping, AKeptGroupMovesItsOutlineEntryUnderTheNewPagesEntry) {
  AddNamedRows({3, 7});
  AddOutlinedGroupOfRows(Page, 0)->SetKeepTogether(true);
  AddBand<TrpGroupFooter>(Page, "GroupFooter", 200, 30);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(OutlineTree(), "1/0[A/0[r0/0 r1/0 r2/0]] 2/1[B/1[r3/1 r4/1 r5/1 r6/1 r7/1 r8/1 r9/1]]");
}

// Kept groups inside an outer group's entry that stays open over two page ends: each moved group
// brings its rows' entries with it and stays under the outer group's entry, which lies under the
// first page's, as it would had the group begun on the page it moved to.
TEST_F(Keeping, KeptGroupsInsideAnOpenGroupStayUnderItOverSeveralPages) {
  AddNamedRows({3, 7, 7});
  auto* outer = AddBand<TrpGroupHeader>(Page, "Outer", 0, 20);
  outer->SetCondition(QStringLiteral("'all'"));
  outer->SetOutlineText(QStringLiteral("'O'"));
  AddOutlinedGroupOfRows(Page, 30)->SetKeepTogether(true);
  AddBand<TrpGroupFooter>(Page, "GroupFooter", 230, 30);
  AddBand<TrpGroupFooter>(Page, "OuterFooter", 280, 30);
  ASSERT_TRUE(Prepare());
  // Outer and group A down to 400; groups B and C (780 each) move to pages of their own.
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(OutlineTree(), QStringLiteral("1/0[O/0[A/0[%1] B/1[%2] C/2[%3]]] 2/1 3/2")
                               .arg(RowEntries(0, 3, 0), RowEntries(3, 10, 1), RowEntries(10, 17, 2)));
}

TEST_F(Keeping, AnchorsInsideAMovedGroupKeepTheirPlaceWithinIt) {
  using Row = MemoryDataSet::Row;
  for (int i = 0; i < 10; ++i)
    Rows.Rows.push_back(Row{{"name", QString(i < 3 ? "A" : "B")}, {"id", QStringLiteral("r%1").arg(i)}});
  auto* group = AddBand<TrpGroupHeader>(Page, "Group", 0, 50);
  group->SetCondition(QStringLiteral("Rows.\"name\""));
  group->SetKeepTogether(true);
  auto* rows = AddBand<TrpMasterData>(Page, "Rows", 100, 100);
  rows->SetDataSet(&Rows);
  AddMemo(rows, "Anchor", QStringLiteral("[Engine.AddAnchor(<Rows.\"id\">)]"), 100);
  AddBand<TrpGroupFooter>(Page, "GroupFooter", 200, 30);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  auto* store = static_cast<TrpPreviewPages*>(Report->PreviewPages());
  EXPECT_EQ(store->GetAnchorPage(QStringLiteral("r2")), 1);
  EXPECT_EQ(store->GetAnchorTop(QStringLiteral("r2")), 250);
  // Group B's rows lie below its header on the new page.
  for (int i = 3; i < 10; ++i) {
    const QString id = QStringLiteral("r%1").arg(i);
    EXPECT_EQ(store->GetAnchorPage(id), 2) << i;
    EXPECT_EQ(store->GetAnchorTop(id), 50 + 100 * (i - 3)) << i;
  }
}

TEST_F(Keeping, ABandStaysWithItsChainOfChildren) {
  AddRows("Filler", 0, 30, 30);  // down to 900
  auto* rows = AddRows("Rows", 100, 1, 100);
  auto* child1 = AddBand<TrpChild>(Page, "Child1", 300, 30);
  auto* child2 = AddBand<TrpChild>(Page, "Child2", 400, 30);
  rows->SetChild(child1);
  child1->SetChild(child2);
  rows->SetKeepChild(true);
  ASSERT_TRUE(Prepare());
  // The row and its first child fit (down to 1030); the second child does not.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandNames(0).size(), 30);
  EXPECT_EQ(BandNames(1), (QStringList{"Rows", "Child1", "Child2"}));
  EXPECT_EQ(Tops(Bands(1)), (QList<double>{0, 100, 130}));
}

TEST_F(Keeping, AKeepIsGivenUpWhenTheBlockCannotFitAnEmptyPage) {
  AddBand<TrpPageHeader>(Page, "Header", 0, 50);
  AddRows("Filler", 100, 1, 30);
  auto* rows = AddRows("Rows", 200, 15, 100);
  rows->SetKeepTogether(true);
  ASSERT_TRUE(Prepare());
  // Nine rows from 80; the kept block and the tenth row (1000) exceed the 996.9 below the page
  // header, so the rows stay where they are and go on on the next page.
  ASSERT_EQ(PageCount(), 2);
  EXPECT_EQ(BandsNamed(0, "Rows").size(), 9);
  EXPECT_EQ(Tops(BandsNamed(0, "Rows")).value(0), 80);
  EXPECT_EQ(BandsNamed(1, "Rows").size(), 6);
  EXPECT_EQ(Tops(BandsNamed(1, "Rows")).value(0), 50);
}

// A header of 100 above ten kept rows of 100 below a filler row of 30: the rows fill the page
// down to 1030 and the tenth does not fit. On a new page the header would open the block again,
// and header and block (1100) would run past the page's end at 1046.9.
class KeepingBelowAHeader : public Keeping {
 protected:
  void PrepareKeptRowsBelowHeader(bool reprinted) {
    AddRows("Filler", 0, 1, 30);
    AddBand<TrpHeader>(Page, "RowsHeader", 100, 100)->SetReprintOnNewPage(reprinted);
    AddRows("Rows", 300, 10, 100)->SetKeepTogether(true);
    ASSERT_TRUE(Prepare());
  }
};

// So the keep is given up: the rows stay below the header, and the tenth goes on alone.
TEST_F(KeepingBelowAHeader, AKeptBlockCountsTheReprintedHeaderItWouldMoveBelow) {
  PrepareKeptRowsBelowHeader(true);
  ASSERT_EQ(PageCount(), 2);
  EXPECT_TRUE(EveryBandInsideItsPage());
  EXPECT_EQ(Tops(BandsNamed(0, "Rows")).value(0), 130);
  EXPECT_EQ(BandsNamed(0, "Rows").size(), 9);
  EXPECT_EQ(BandNames(1), (QStringList{"RowsHeader", "Rows"}));
  EXPECT_EQ(Tops(Bands(1)), (QList<double>{0, 100}));
}

TEST_F(KeepingBelowAHeader, AKeptBlockCountsTheHeaderShownAgainAboveIt) {
  PrepareKeptRowsBelowHeader(false);
  ASSERT_EQ(PageCount(), 2);
  EXPECT_TRUE(EveryBandInsideItsPage());
  EXPECT_EQ(BandsNamed(0, "Rows").size(), 9);
  EXPECT_EQ(BandNames(1), QStringList{"Rows"});
  EXPECT_EQ(Tops(Bands(1)), QList<double>{0});
}

}  // namespace
