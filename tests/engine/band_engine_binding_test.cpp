// The engine with the report's real script binding and prepared-pages store: group totals and
// page numbers computed while the pages are prepared.
#include <QBuffer>

#include "band_engine_fixture.h"
#include "report/engine/report_script.h"
#include "report/model/report_classes.h"
#include "report/model/report_data_sets.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"
#include "script/compiler.h"

namespace {

class EngineWithBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    rpRegisterReportClasses();
    rpInstallXMLSerializer();
    rpInstallPreviewPages();
    rpInstallEngine();
    rpInstallReportScript();
    scInstallCompiler();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    Rows.SetUserName(QStringLiteral("Rows"));
    Report->DataSets().Add()->SetDataSetName(QStringLiteral("Rows"));
    Page = new TrpReportPage(Report.get());
    Page->SetName(QStringLiteral("Page1"));
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }
  template <class Band>
  Band* AddBand(const QString& name, Extended top, Extended height) {
    auto* band = new Band(Page);
    band->SetName(name);
    band->SetTop(top);
    band->SetHeight(height);
    return band;
  }
  TrpMemoView* AddMemo(TrpComponent* band, const QString& name, const QString& text) {
    auto* memo = new TrpMemoView(band);
    memo->SetName(name);
    memo->SetBounds(0, 0, 300, 20);
    memo->SetText(text);
    return memo;
  }
  // The texts of the objects named `name` on prepared page `index`, in order.
  QStringList Texts(int index, const QString& name) {
    QStringList texts;
    TrpReportPage* page = Report->PreviewPages()->GetPage(index);
    for (TrpComponent* object : page->AllObjects())
      if (object->Name() == name) texts << static_cast<TrpMemoView*>(object)->Memo().join('\n');
    return texts;
  }

  MemoryDataSet Rows;
  std::unique_ptr<TrpReport> Report;
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
