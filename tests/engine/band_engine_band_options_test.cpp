// Band options through the engine and the real store: group footers hidden for a single row, a
// child shown for an invisible band, and a band split over pages whose objects that cannot be
// cut move down whole.
#include "real_services_fixture.h"
#include "report/views/shape_view.h"

namespace {

class BandOptions : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
  }
  TrpReportPage* Page = nullptr;
};

TEST_F(BandOptions, AGroupFooterCanBeHiddenForAGroupOfOneRow) {
  using Row = MemoryDataSet::Row;
  for (const char* name : {"A", "B", "B", "C"}) Rows.Rows.push_back(Row{{"name", QString(name)}, {"n", 1}});
  auto* group = AddBand<TrpGroupHeader>(Page, "Group", 0, 20);
  group->SetCondition(QStringLiteral("Rows.\"name\""));
  AddBand<TrpMasterData>(Page, "Rows", 50, 20)->SetDataSet(&Rows);
  auto* footer = AddBand<TrpGroupFooter>(Page, "GroupFooter", 100, 20);
  AddMemo(footer, "Count", QStringLiteral("[SUM(<Rows.\"n\">)]"), 100);
  footer->SetHideIfSingleDataRecord(true);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Rows", "Group", "Rows", "Rows", "GroupFooter",
                                       "Group", "Rows"}));
  // The hidden footers' rows do not count in the next group's total.
  EXPECT_EQ(Texts(0, "Count"), QStringList{"2"});
}

TEST_F(BandOptions, AnInvisibleBandShowsItsChildOnlyWhenAskedTo) {
  auto* rows = AddBand<TrpMasterData>(Page, "Rows", 0, 30);
  rows->SetRowCount(2);
  rows->SetVisible(false);
  auto* child = AddBand<TrpChild>(Page, "RowChild", 100, 20);
  rows->SetChild(child);
  ASSERT_TRUE(Prepare());
  EXPECT_TRUE(Bands(0).isEmpty());

  rows = Designed<TrpMasterData>(QStringLiteral("Rows"));
  ASSERT_NE(rows, nullptr);
  rows->SetPrintChildIfInvisible(true);
  ASSERT_TRUE(Prepare());
  const QList<PreparedBand> bands = Bands(0);
  ASSERT_EQ(bands.size(), 2);
  EXPECT_EQ(bands[0].Name, "RowChild");
  EXPECT_EQ(bands[0].Top, 0);
  EXPECT_EQ(bands[1].Top, 20);
}

TEST_F(BandOptions, ASplitBandMovesAnObjectItCannotCutToTheNextPart) {
  auto* title = AddBand<TrpReportTitle>(Page, "Title", 0, 900);
  (void)title;
  auto* rows = AddBand<TrpMasterData>(Page, "Rows", 1000, 300);
  rows->SetRowCount(1);
  rows->SetAllowSplit(true);
  AddMemo(rows, "Above", QStringLiteral("above"), 200);
  auto* shape = new TrpShapeView(rows);
  shape->SetName(QStringLiteral("Box"));
  shape->SetBounds(0, 100, 100, 100);  // 1000 to 1100: across the page end at 1046.9
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  // The first part holds the text; the box goes whole to the top of the second part.
  EXPECT_EQ(BandsNamed(0, "Rows").value(0).Top, 900);
  TrpReportPage* first = Report->PreviewPages()->GetPage(0);
  EXPECT_EQ(first->FindObject(QStringLiteral("Box")), nullptr);
  TrpReportPage* second = Report->PreviewPages()->GetPage(1);
  auto* box = dynamic_cast<TrpView*>(second->FindObject(QStringLiteral("Box")));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BandsNamed(1, "Rows").value(0).Top, 0);
  EXPECT_EQ(box->Top(), 0);
  EXPECT_EQ(box->Height(), 100);
}

}  // namespace
