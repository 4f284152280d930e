// Totals where a horizontal footer meets a vertical footer: the cell at the crossing adds up
// every cell of the rows and columns the two footers close.
#include "vertical_bands_fixture.h"

namespace {

class CrossingTotals : public VerticalBands {
 protected:
  // Rows with a group and an amount, crossed by two vertical columns; each cell shows the amount
  // times the column number, the vertical footer the total across its row, the horizontal footer
  // the total of each column, and where both footers meet the totals over all cells.
  void CrossTable(const QList<std::pair<QString, int>>& rows) {
    using Row = MemoryDataSet::Row;
    for (const auto& [group, amount] : rows) Rows.Rows.push_back(Row{{"g", group}, {"amount", amount}});
    auto* rowBand = AddBand<TrpMasterData>("RowBand", 100, 30);
    rowBand->SetDataSet(&Rows);
    AddVertical<TrpMasterData>("ColBand", 0, 100)->SetRowCount(2);
    AddVertical<TrpFooter>("RowTotals", 200, 100);
    Totals = AddBand<TrpFooter>("Totals", 200, 30);
    const QString cell = QStringLiteral("<Rows.\"amount\"> * <Line>");
    AddMemo(rowBand, "Cell", "[" + cell + "]", 10, 80);
    AddMemo(rowBand, "RowTotal", "[SUM(" + cell + ")]", 210, 80);
    AddMemo(Totals, "ColumnTotal", "[SUM(" + cell + ", RowBand)]", 10, 80);
    AddMemo(Totals, "GrandSum", "[SUM(" + cell + ")]", 210, 40);
    AddMemo(Totals, "GrandAvg", "[AVG(" + cell + ")]", 250, 40);
  }
  TrpFooter* Totals = nullptr;
};

TEST_F(CrossingTotals, TheCellWhereBothFootersMeetTotalsEveryCell) {
  CrossTable({{"a", 10}, {"a", 20}});
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts(0, "Cell"), (QStringList{"10", "20", "20", "40"}));
  EXPECT_EQ(Texts(0, "RowTotal"), (QStringList{"30", "60"}));
  EXPECT_EQ(Texts(0, "ColumnTotal"), (QStringList{"30", "60"}));
  EXPECT_EQ(Objects(0, "GrandSum"), (QList<Placed>{{"90", 210, 60}}));
  EXPECT_EQ(Texts(0, "GrandAvg"), QStringList{"22.5"});
}

TEST_F(CrossingTotals, AGroupFooterTotalsTheCellsOfItsGroupOnly) {
  CrossTable({{"a", 10}, {"a", 20}, {"b", 5}});
  auto* group = AddBand<TrpGroupHeader>("Group", 50, 10);
  group->SetCondition(QStringLiteral("Rows.\"g\""));
  auto* groupTotals = AddBand<TrpGroupFooter>("GroupTotals", 150, 30);
  AddMemo(groupTotals, "GroupSum", QStringLiteral("[SUM(<Rows.\"amount\"> * <Line>)]"), 210, 80);
  ASSERT_TRUE(Prepare());
  // Group a: 10 + 20 + 20 + 40; group b: 5 + 10; the whole report: both.
  EXPECT_EQ(Texts(0, "GroupSum"), (QStringList{"90", "15"}));
  EXPECT_EQ(Texts(0, "GrandSum"), QStringList{"105"});
}

}  // namespace
