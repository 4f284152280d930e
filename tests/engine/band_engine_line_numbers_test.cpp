// Row numbers as expressions read them: "Line" restarts with each master row and each group,
// "Line#" counts each band's rows on through the report.
#include "real_services_fixture.h"

namespace {

class LineNumbers : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
    Page->SetEndlessHeight(true);
  }
  TrpReportPage* Page = nullptr;
};

const QString kNumbers = QStringLiteral("[Line]/[Line#]");

TEST_F(LineNumbers, DetailRowsRestartPerMasterRowWhileTheThroughNumberKeepsCounting) {
  auto* master = AddBand<TrpMasterData>(Page, "Master", 0, 20);
  master->SetRowCount(2);
  AddMemo(master, "MasterNumbers", kNumbers, 200);
  auto* detail = AddBand<TrpDetailData>(Page, "Detail", 40, 20);
  detail->SetRowCount(3);
  AddMemo(detail, "DetailNumbers", kNumbers, 200);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "MasterNumbers"), (QStringList{"1/1", "2/2"}));
  EXPECT_EQ(Texts(0, "DetailNumbers"), (QStringList{"1/1", "2/2", "3/3", "1/4", "2/5", "3/6"}));
}

TEST_F(LineNumbers, AFooterAfterEachMasterRowReadsTheMastersNumbersAgain) {
  auto* master = AddBand<TrpMasterData>(Page, "Master", 0, 20);
  master->SetRowCount(2);
  master->SetFooterAfterEach(true);
  AddBand<TrpDetailData>(Page, "Detail", 40, 20)->SetRowCount(3);
  AddBand<TrpFooter>(Page, "DetailFooter", 80, 20);  // the first footer closes the detail band
  auto* footer = AddBand<TrpFooter>(Page, "MasterFooter", 120, 20);
  AddMemo(footer, "FooterNumbers", kNumbers, 200);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "FooterNumbers"), (QStringList{"1/1", "2/2"}));
}

TEST_F(LineNumbers, GroupHeadersNumberTheirGroupsAndRowsRestartInEachGroup) {
  using Row = MemoryDataSet::Row;
  for (int i = 0; i < 5; ++i) Rows.Rows.push_back(Row{{"grp", i < 2 ? 1 : 2}});
  auto* header = AddBand<TrpGroupHeader>(Page, "Group", 0, 20);
  header->SetCondition(QStringLiteral("Rows.\"grp\""));
  AddMemo(header, "GroupNumbers", kNumbers, 200);
  auto* data = AddBand<TrpMasterData>(Page, "Data", 40, 20);
  data->SetDataSet(&Rows);
  AddMemo(data, "RowNumbers", kNumbers, 200);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "GroupNumbers"), (QStringList{"1/1", "2/2"}));
  EXPECT_EQ(Texts(0, "RowNumbers"), (QStringList{"1/1", "2/2", "1/3", "2/4", "3/5"}));
}

TEST_F(LineNumbers, ASecondPassCountsFromOneAgain) {
  auto* master = AddBand<TrpMasterData>(Page, "Master", 0, 20);
  master->SetRowCount(2);
  AddMemo(master, "MasterNumbers", kNumbers, 200);
  Report->EngineOptions().SetDoublePass(true);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "MasterNumbers"), (QStringList{"1/1", "2/2"}));
}

}  // namespace
