// The engine with the report's real script binding and prepared-pages store: group totals and
// page numbers computed while the pages are prepared.
#include <QBuffer>

#include "real_services_fixture.h"

namespace {

class EngineWithBinding : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = new TrpReportPage(Report.get());
    Page->SetName(QStringLiteral("Page1"));
  }
  template <class Band>
  Band* AddBand(const QString& name, Extended top, Extended height) {
    return EngineWithRealServices::AddBand<Band>(Page, name, top, height);
  }
  TrpMemoView* AddMemo(TrpComponent* band, const QString& name, const QString& text) {
    return EngineWithRealServices::AddMemo(band, name, text, 300);
  }

  TrpReportPage* Page = nullptr;
};

TEST_F(EngineWithBinding, GroupFootersShowTheirGroupsSums) {
  using Row = MemoryDataSet::Row;
  for (int i = 1; i <= 6; ++i) Rows.Rows.push_back(Row{{"grp", (i - 1) / 3}, {"amount", i}});
  auto* header = AddBand<TrpGroupHeader>("GroupHeader1", 0, 20);
  header->SetCondition(QStringLiteral("Rows.\"grp\""));
  auto* data = AddBand<TrpMasterData>("MasterData1", 40, 20);
  data->SetDataSet(&Rows);
  AddMemo(data, "Amount", QStringLiteral("[Rows.\"amount\"]"));
  auto* footer = AddBand<TrpGroupFooter>("GroupFooter1", 80, 20);
  AddMemo(footer, "Total", QStringLiteral("[SUM(<Rows.\"amount\">)]"));
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join(QLatin1Char(10)).toStdString();
  EXPECT_EQ(Texts(0, "Amount"), (QStringList{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(Texts(0, "Total"), (QStringList{"6", "15"}));
}

TEST_F(EngineWithBinding, ADoublePassReportShowsPageNOfM) {
  auto* data = AddBand<TrpMasterData>("MasterData1", 0, 100);
  data->SetRowCount(25);  // 11 rows a page above the footer: 3 pages
  auto* footer = AddBand<TrpPageFooter>("PageFooter1", 900, 20);
  AddMemo(footer, "Numbers", QStringLiteral("Page [Page#] of [<TotalPages#>]"));
  Report->EngineOptions().SetDoublePass(true);
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join(QLatin1Char(10)).toStdString();
  ASSERT_EQ(Report->PreviewPages()->GetCount(), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Texts(i, "Numbers"), QStringList{QStringLiteral("Page %1 of 3").arg(i + 1)});
}

}  // namespace
