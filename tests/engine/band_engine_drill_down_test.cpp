// Drill-down groups: a collapsed group shows only its header, a key in the report's drill state
// opens one occurrence, and the bands left out still count in the group's totals.
#include "real_services_fixture.h"

namespace {

class DrillDown : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    using Row = MemoryDataSet::Row;
    // Two groups: amounts 1 and 2 in the first, 3, 4 and 5 in the second.
    for (int i = 1; i <= 5; ++i) Rows.Rows.push_back(Row{{"grp", i <= 2 ? 1 : 2}, {"amount", i}});
    Page = NewPage(QStringLiteral("Page1"));
    Page->SetEndlessHeight(true);
    Header = AddBand<TrpGroupHeader>(Page, "Group", 0, 20);
    Header->SetCondition(QStringLiteral("Rows.\"grp\""));
    Header->SetDrillDown(true);
    Data = AddBand<TrpMasterData>(Page, "Data", 40, 20);
    Data->SetDataSet(&Rows);
    Footer = AddBand<TrpGroupFooter>(Page, "Total", 80, 20);
    AddMemo(Footer, "Sum", QStringLiteral("[SUM(<Rows.\"amount\">)]"), 200);
  }
  // The header of the definition: each preparation reads the definition back, with new objects.
  TrpGroupHeader* DesignedHeader() const {
    return static_cast<TrpGroupHeader*>(Report->FindObject(QStringLiteral("Group")));
  }
  // The DrillName of every group header on prepared page 0, in order.
  QStringList Keys() const {
    QStringList keys;
    for (TrpComponent* object : Report->PreviewPages()->GetPage(0)->AllObjects())
      if (auto* header = dynamic_cast<TrpGroupHeader*>(object)) keys << header->DrillName();
    return keys;
  }

  TrpReportPage* Page = nullptr;
  TrpGroupHeader* Header = nullptr;
  TrpMasterData* Data = nullptr;
  TrpGroupFooter* Footer = nullptr;
};

TEST_F(DrillDown, ACollapsedGroupShowsOnlyItsHeader) {
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Group"}));
  EXPECT_EQ(Keys(), (QStringList{"Group.1", "Group.2"}));
  // The definition keeps its own DrillName.
  EXPECT_TRUE(DesignedHeader()->DrillName().isEmpty());
}

TEST_F(DrillDown, AKeyInTheDrillStateOpensThatOccurrenceOnly) {
  Report->DrillState() << QStringLiteral("Group.2");
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Group", "Data", "Data", "Data", "Total"}));
  EXPECT_EQ(Texts(0, "Sum"), QStringList{"12"});
}

TEST_F(DrillDown, FootersOfCollapsedGroupsShowTheSumsOfTheRowsLeftOut) {
  Header->SetShowFooterIfDrillDown(true);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Total", "Group", "Total"}));
  EXPECT_EQ(Texts(0, "Sum"), (QStringList{"3", "12"}));
}

TEST_F(DrillDown, HeadersThatStartExpandedCollapseByTheirKey) {
  Header->SetExpandDrillDown(true);
  Report->DrillState() << QStringLiteral("Group.1");
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Group", "Data", "Data", "Data", "Total"}));
}

TEST_F(DrillDown, TheHeadersChildIsLeftOutUnlessAskedFor) {
  auto* child = AddBand<TrpChild>(Page, "HeaderChild", 200, 20);
  Header->SetChild(child);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Group"}));
  DesignedHeader()->SetShowChildIfDrillDown(true);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "HeaderChild", "Group", "HeaderChild"}));
}

TEST_F(DrillDown, AnInnerGroupIsLeftOutWithItsOuterGroupAndKeyedUnderIt) {
  auto* inner = AddBand<TrpGroupHeader>(Page, "Inner", 20, 20);
  inner->SetCondition(QStringLiteral("Rows.\"amount\""));
  inner->SetDrillDown(true);
  inner->SetExpandDrillDown(true);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Group"}));
  Report->DrillState() << QStringLiteral("Group.1");
  ASSERT_TRUE(Prepare());
  // The group footer closes the inner group, the innermost one.
  EXPECT_EQ(BandNames(0),
            (QStringList{"Group", "Inner", "Data", "Total", "Inner", "Data", "Total", "Group"}));
  EXPECT_EQ(Keys(), (QStringList{"Group.1", "Group.1.Inner.1", "Group.1.Inner.2", "Group.2"}));
}

TEST_F(DrillDown, OpeningEverythingListsEveryKeySoThatGroupsStayOpen) {
  Report->RequestDrillAll(true);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0),
            (QStringList{"Group", "Data", "Data", "Total", "Group", "Data", "Data", "Data", "Total"}));
  EXPECT_EQ(Report->DrillState(), (QStringList{"Group.1", "Group.2"}));
  EXPECT_FALSE(Report->DrillAllRequest().has_value());
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0).size(), 9);
  Report->RequestDrillAll(false);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Group"}));
  EXPECT_TRUE(Report->DrillState().isEmpty());
}

TEST_F(DrillDown, FoldingEverythingListsTheKeysOfHeadersThatStartOpen) {
  Header->SetExpandDrillDown(true);
  Report->RequestDrillAll(false);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(BandNames(0), (QStringList{"Group", "Group"}));
  EXPECT_EQ(Report->DrillState(), (QStringList{"Group.1", "Group.2"}));
}

TEST_F(DrillDown, GroupsOfADetailBandAreKeyedByTheirMasterRow) {
  // The groups move under a master band of two rows.
  auto* master = AddBand<TrpMasterData>(Page, "Master", -40, 20);
  master->SetRowCount(2);
  auto* detail = new TrpDetailData(Page);
  detail->SetName(QStringLiteral("Detail"));
  detail->SetBounds(0, 40, 100, 20);
  detail->SetDataSet(&Rows);
  delete Data;
  Report->DrillState() << QStringLiteral("Master.2.Group.1");
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Keys(), (QStringList{"Master.1.Group.1", "Master.1.Group.2", "Master.2.Group.1",
                                 "Master.2.Group.2"}));
  EXPECT_EQ(BandNames(0), (QStringList{"Master", "Group", "Group", "Master", "Group", "Detail",
                                       "Detail", "Total", "Group"}));
}

}  // namespace
