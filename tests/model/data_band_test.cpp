// Data bands: columns across the page, the data-set link, the row count; the group header's
// drill-down record.
#include "pages_fixture.h"
#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/xml/xml_text.h"

namespace {

class DataBandTest : public PageTest {
 protected:
  void SetUp() override {
    Band->SetColumns(3);
    Band->SetColumnWidth(100);
    Band->SetColumnGap(10);
  }
  TrpMasterData* Band = new TrpMasterData(Page);
};

struct ColumnStep {
  int Requested;
  int Column;
  Extended Left;
};

class CurColumnTest : public DataBandTest, public ::testing::WithParamInterface<ColumnStep> {};

TEST_P(CurColumnTest, ColumnPlacesTheBand) {
  Band->SetCurColumn(GetParam().Requested);
  EXPECT_EQ(Band->CurColumn(), GetParam().Column);
  EXPECT_MM(Band->Left(), GetParam().Left);
}

INSTANTIATE_TEST_SUITE_P(Columns, CurColumnTest,
                         ::testing::Values(ColumnStep{1, 1, 0}, ColumnStep{2, 2, 110},
                                           ColumnStep{3, 3, 220}, ColumnStep{4, 1, 0},
                                           ColumnStep{0, 1, 0}, ColumnStep{-5, 1, 0}));

TEST_F(DataBandTest, FirstColumnForgetsTheLowestEdge) {
  Band->FMaxY = 50;
  Band->SetCurColumn(2);
  EXPECT_MM(Band->FMaxY, 50);
  Band->SetCurColumn(4);
  EXPECT_MM(Band->FMaxY, 0);
}

TEST_F(DataBandTest, DataSetGivesItsNameAndIsForgottenWhenFreed) {
  auto* data = new TrpDataSet(&Report);
  data->SetUserName(QStringLiteral("Lines"));
  Band->SetDataSet(data);
  EXPECT_EQ(Band->DataSetName(), QStringLiteral("Lines"));
  delete data;
  EXPECT_EQ(Band->DataSet(), nullptr);
}

TEST_F(DataBandTest, RowCountIsAlwaysWritten) {
  Band->SetRowCount(5);
  EXPECT_EQ(Band->RowCount(), 5);
  const TrpPropertyDescriptor* d = Band->ClassInfo().FindProperty("RowCount");
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(d->HasDefault());
}

TEST_F(DataBandTest, GroupHeaderRecordNamesItsDrillStateOnlyWhenItCanFold) {
  auto* group = new TrpGroupHeader(Page);
  auto* source = new TrpGroupHeader(Page);
  group->SetDrillName(QStringLiteral("Region"));
  EXPECT_FALSE(group->Diff(*source).contains(QLatin1String("DrillName")));
  group->SetDrillDown(true);
  EXPECT_TRUE(group->Diff(*source).endsWith(QLatin1String(" DrillName=\"Region\"")));
}

TEST_F(DataBandTest, GroupHeaderDrillNameCannotBreakTheRecord) {
  auto* group = new TrpGroupHeader(Page);
  auto* source = new TrpGroupHeader(Page);
  group->SetDrillDown(true);
  group->SetDrillName(QStringLiteral("a\" b=\"c"));
  const QString record = group->Diff(*source);
  const QString opening = QStringLiteral(" DrillName=\"");
  const qsizetype at = record.lastIndexOf(opening);
  ASSERT_GE(at, 0);
  const QString value = record.mid(at + opening.size());
  ASSERT_TRUE(value.endsWith(u'"'));
  const QString text = value.chopped(1);
  EXPECT_FALSE(text.contains(u'"'));
  EXPECT_EQ(rpXMLToStr(text), group->DrillName());
}

}  // namespace
