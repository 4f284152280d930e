// Aggregates: the running totals, taking a row back, keeping, resetting, vertical columns, and
// finding the calls in text objects.
#include <QMap>

#include <gtest/gtest.h>

#include "report/binding/aggregate.h"
#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/variables.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"

namespace {

// A report whose Calc answers from a table of expression values and counts the calls.
class TableReport : public TrpReport {
 public:
  ScriptValue Calc(const QString& expression) override {
    ++Calls;
    return Values.value(expression);
  }
  QMap<QString, ScriptValue> Values;
  int Calls = 0;
};

ScriptValue valueOf(TrpAggregateFunction function, const std::vector<ScriptValue>& rows) {
  TrpAggregateItem item;
  item.Function = function;
  for (const ScriptValue& row : rows) item.AddValue(row, 0);
  return item.Value();
}

struct FunctionCase {
  TrpAggregateFunction Function;
  std::vector<ScriptValue> Rows;
  ScriptValue Expected;
};

class AggregateFunctions : public ::testing::TestWithParam<FunctionCase> {};

}  // namespace

TEST_P(AggregateFunctions, GiveTheirResult) {
  const FunctionCase& c = GetParam();
  EXPECT_EQ(valueOf(c.Function, c.Rows), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AggregateFunctions,
    ::testing::Values(
        FunctionCase{agSum, {ScriptValue(1), ScriptValue(2), ScriptValue(3)}, ScriptValue(6)},
        FunctionCase{agSum, {ScriptValue(1.5), ScriptValue(), ScriptValue(2)}, ScriptValue(3.5)},
        FunctionCase{agMin, {ScriptValue(4), ScriptValue(2), ScriptValue(9)}, ScriptValue(2)},
        FunctionCase{agMax, {ScriptValue(4), ScriptValue(), ScriptValue(9)}, ScriptValue(9)},
        FunctionCase{agAvg, {ScriptValue(2), ScriptValue(), ScriptValue(4)}, ScriptValue(3.0)},
        FunctionCase{agAvg, {ScriptValue(), ScriptValue()}, ScriptValue(0)},
        FunctionCase{agCount, {ScriptValue(), ScriptValue(), ScriptValue()}, ScriptValue(3)},
        FunctionCase{agSum, {ScriptValue(true), ScriptValue(false), ScriptValue(true)}, ScriptValue(2)},
        FunctionCase{agSum, {}, ScriptValue(0)}));

TEST(AggregateItem, DeleteValueTakesTheLastRowBack) {
  TrpAggregateItem item;
  item.AddValue(ScriptValue(5), 0);
  item.AddValue(ScriptValue(7), 0);
  item.DeleteValue();
  EXPECT_EQ(item.Value(), ScriptValue(5));
  EXPECT_EQ(item.Count(), 1);
}

TEST(AggregateItem, ResetStartsAgainUnlessDontReset) {
  TrpAggregateItem item;
  item.AddValue(ScriptValue(5), 0);
  item.Reset();
  EXPECT_EQ(item.Value(), ScriptValue(0));
  item.DontReset = true;
  item.AddValue(ScriptValue(5), 0);
  item.Reset();
  item.AddValue(ScriptValue(2), 0);
  EXPECT_EQ(item.Value(), ScriptValue(7));
}

TEST(AggregateItem, PageFooterItemKeepsRowsApartUntilTheKeepEnds) {
  TrpAggregateItem item;
  item.IsPageFooter = true;
  item.AddValue(ScriptValue(1), 0);
  item.StartKeep();
  item.AddValue(ScriptValue(10), 0);
  EXPECT_EQ(item.Value(), ScriptValue(1));
  item.EndKeep();
  EXPECT_EQ(item.Value(), ScriptValue(11));
  EXPECT_EQ(item.Count(), 2);
}

TEST(AggregateItem, OtherItemsDoNotKeep) {
  TrpAggregateItem item;
  item.StartKeep();
  item.AddValue(ScriptValue(10), 0);
  EXPECT_EQ(item.Value(), ScriptValue(10));
}

TEST(AggregateItem, VerticalColumnsGrowBeyondAThousand) {
  TrpAggregateItem item;
  item.Function = agAvg;
  item.AddValue(ScriptValue(4), 1500);
  item.AddValue(ScriptValue(8), 1500);
  item.AddValue(ScriptValue(1), 2);
  EXPECT_EQ(item.Value(1500), ScriptValue(6.0));
  EXPECT_EQ(item.Value(2), ScriptValue(1.0));
  EXPECT_EQ(item.Value(3), ScriptValue(0));
  EXPECT_EQ(item.Value(), ScriptValue(0));
}

TEST(AggregateItem, ClearValuesForgetsEverything) {
  TrpAggregateItem item;
  item.Function = agCount;
  item.AddValue(ScriptValue(), 0);
  item.AddValue(ScriptValue(), 3);
  item.ClearValues();
  EXPECT_EQ(item.Value(), ScriptValue(0));
  EXPECT_EQ(item.Value(3), ScriptValue(0));
}

class AggregateList : public ::testing::Test {
 protected:
  void SetUp() override {
    page = new TrpReportPage(&report);
    data = new TrpMasterData(page);
    data->SetName(QStringLiteral("MasterData1"));
    footer = new TrpFooter(page);
    footer->SetName(QStringLiteral("Footer1"));
    data->FFooter = footer;
  }
  TrpMemoView* memo(TrpBand* band, const QString& text) {
    auto* m = new TrpMemoView(band);
    m->SetName(QStringLiteral("Memo%1").arg(++memos));
    m->SetText(text);
    return m;
  }

  TableReport report;
  TrpReportPage* page = nullptr;
  TrpMasterData* data = nullptr;
  TrpFooter* footer = nullptr;
  int memos = 0;
};

TEST_F(AggregateList, SumWithFlagsTwoNeverResets) {
  TrpAggregateList list(report);
  list.AddCall(QStringLiteral("SUM(x, MasterData1, 2)"), QStringLiteral("Memo1"), footer, nullptr);
  report.Values[QStringLiteral("x")] = ScriptValue(3);
  list.AddValue(*data);
  list.Reset(*footer);
  list.AddValue(*data);
  list.Reset(*footer);
  EXPECT_EQ(list.GetValue(footer, QStringLiteral("SUM(x, MasterData1, 2)")), ScriptValue(6));
}

TEST_F(AggregateList, CountNamingADataBandCountsRowsWithoutEvaluating) {
  TrpAggregateList list(report);
  TrpAggregateItem* item = list.AddCall(QStringLiteral("COUNT(MasterData1)"), QStringLiteral("Memo1"), footer, nullptr);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Band, data);
  for (int i = 0; i < 4; ++i) list.AddValue(*data);
  EXPECT_EQ(report.Calls, 0);
  EXPECT_EQ(list.GetValue(footer, 0, QStringLiteral("count"), QString(), data, 0), ScriptValue(4));
}

TEST_F(AggregateList, InvisibleRowsCountOnlyWithFlagOne) {
  TrpAggregateList list(report);
  list.AddCall(QStringLiteral("COUNT(MasterData1)"), QString(), footer, nullptr);
  list.AddCall(QStringLiteral("COUNT(MasterData1, 1)"), QString(), footer, nullptr);
  data->SetVisible(false);
  list.AddValue(*data);
  EXPECT_EQ(list.Items(0)->Count(), 0);
  EXPECT_EQ(list.Items(1)->Count(), 1);
}

TEST_F(AggregateList, ResetTouchesOnlyItsOwnResultBand) {
  TrpAggregateList list(report);
  auto* other = new TrpReportSummary(page);
  list.AddCall(QStringLiteral("SUM(x)"), QString(), footer, data);
  list.AddCall(QStringLiteral("SUM(x)"), QString(), other, data);
  report.Values[QStringLiteral("x")] = ScriptValue(2);
  list.AddValue(*data);
  list.Reset(*footer);
  EXPECT_EQ(list.GetValue(footer, 0, QStringLiteral("SUM"), QStringLiteral("x"), nullptr, 0), ScriptValue(0));
  EXPECT_EQ(list.GetValue(other, 0, QStringLiteral("SUM"), QStringLiteral(" x "), nullptr, 0), ScriptValue(2));
}

TEST_F(AggregateList, TheSameCallInAndBesideVerticalColumnsKeepsItsOwnTotals) {
  TrpAggregateList list(report);
  auto* columns = new TrpDetailData(page);
  columns->SetVertical(true);
  list.AddCall(QStringLiteral("SUM(x)"), QString(), footer, data);
  TrpAggregateItem* perColumn = list.AddCall(QStringLiteral("SUM(x)"), QString(), footer, data);
  perColumn->VerticalBand = columns;
  ASSERT_TRUE(perColumn->PerVerticalColumn());
  report.Values[QStringLiteral("x")] = ScriptValue(5);
  list.AddValue(*data);     // a row beside the columns
  list.AddValue(*data, 2);  // the same row in vertical column 2
  list.AddValue(*data, 2);
  const auto sum = [&](int vColumn) {
    return list.GetValue(footer, vColumn, QStringLiteral("SUM"), QStringLiteral("x"), nullptr, 0);
  };
  EXPECT_EQ(sum(0), ScriptValue(5));
  EXPECT_EQ(sum(2), ScriptValue(10));
  EXPECT_EQ(sum(1), ScriptValue(0));
}

TEST_F(AggregateList, TotalsAcrossAVerticalRowAreFedByItsRowsAndResetByItsFooter) {
  TrpAggregateList list(report);
  auto* columns = new TrpDetailData(page);
  columns->SetVertical(true);
  auto* rowTotals = new TrpFooter(page);
  rowTotals->SetVertical(true);
  auto* memo = new TrpMemoView(rowTotals);
  memo->SetText(QStringLiteral("[SUM(<x>)]"));
  list.AddVerticalObject(*memo, data, columns, *rowTotals);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_FALSE(list.Items(0)->PerVerticalColumn());
  report.Values[QStringLiteral("<x>")] = ScriptValue(3);
  list.AddValue(*columns, 0, footer);  // rows shown across another band do not count
  list.AddValue(*columns, 0, data);
  list.AddValue(*columns, 0, data);
  // Read inside the vertical footer's column: the running total, not a column's.
  EXPECT_EQ(list.GetValue(data, 3, QStringLiteral("SUM"), QStringLiteral("<x>"), nullptr, 0),
            ScriptValue(6));
  list.ResetVertical(*data, *columns);
  EXPECT_EQ(list.Items(0)->Count(), 2);
  list.ResetVertical(*data, *rowTotals);
  EXPECT_EQ(list.Items(0)->Count(), 0);
}

TEST_F(AggregateList, ParsesFunctionExpressionBandAndFlags) {
  TrpAggregateList list(report);
  TrpAggregateItem* item = list.AddCall(QStringLiteral("avg( IIF(a, 'x,y', (1, 2)) , MasterData1, 3)"),
                                        QStringLiteral("Memo9"), footer, nullptr);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Function, agAvg);
  EXPECT_EQ(item->Expression, QStringLiteral("IIF(a, 'x,y', (1, 2))"));
  EXPECT_EQ(item->Band, data);
  EXPECT_TRUE(item->DontReset);
  EXPECT_TRUE(item->CountInvisibleBands);
  EXPECT_EQ(item->MemoName, QStringLiteral("Memo9"));
  EXPECT_EQ(list.AddCall(QStringLiteral("UPPER(x)"), QString(), footer, data), nullptr);
}

TEST_F(AggregateList, DiscoversCallsInFootersGroupFootersAndVariables) {
  auto* group = new TrpGroupHeader(page);
  auto* groupFooter = new TrpGroupFooter(page);
  group->FFooter = groupFooter;
  data->FGroup = group;
  auto* pageFooter = new TrpPageFooter(page);
  report.Variables().SetVariables(QStringLiteral("Total"), ScriptValue(QStringLiteral("MAX(<b>)")));
  memo(footer, QStringLiteral("Sum: [SUM(<a>)] and ['SUM(no)'] [COUNT()]"));
  memo(groupFooter, QStringLiteral("[1 + (MIN(<c>) * 2)]"));
  memo(pageFooter, QStringLiteral("[Total]"));
  TrpMemoView* off = memo(footer, QStringLiteral("[SUM(<d>)]"));
  off->SetAllowExpressions(false);
  TrpAggregateList list(report);
  list.AddItems(*page);
  ASSERT_EQ(list.Count(), 4);
  QStringList calls;
  for (int i = 0; i < list.Count(); ++i) calls << list.Items(i)->CallText;
  EXPECT_EQ(calls, (QStringList{QStringLiteral("SUM(<a>)"), QStringLiteral("COUNT()"), QStringLiteral("MIN(<c>)"),
                                QStringLiteral("MAX(<b>)")}));
  EXPECT_EQ(list.Items(2)->ParentBand, groupFooter);
  EXPECT_EQ(list.Items(3)->ParentBand, pageFooter);
  EXPECT_TRUE(list.Items(3)->IsPageFooter);
  for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Items(i)->Band, data);
}

TEST_F(AggregateList, PageWithoutDataBandsHasNoPageFooterItems) {
  delete data;
  auto* pageFooter = new TrpPageFooter(page);
  memo(pageFooter, QStringLiteral("[SUM(<a>)]"));
  TrpAggregateList list(report);
  list.AddItems(*page);
  EXPECT_EQ(list.Count(), 0);
}
