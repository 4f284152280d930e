#pragma once
// A report run with the real services: the engine, the report's script binding and the
// prepared-pages store, with a data set "Rows" the tests fill; and builders for named bands and
// text objects, since these tests read objects back from the store by name.
#include "band_engine_fixture.h"
#include "report/engine/report_script.h"
#include "report/model/report_classes.h"
#include "report/model/report_data_sets.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"
#include "script/compiler.h"

class EngineWithRealServices : public ::testing::Test {
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
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }

  template <class Band>
  Band* AddBand(TrpComponent* page, const QString& name, Extended top, Extended height) {
    auto* band = new Band(page);
    band->SetName(name);
    band->SetTop(top);
    band->SetHeight(height);
    return band;
  }
  TrpMemoView* AddMemo(TrpComponent* band, const QString& name, const QString& text,
                       Extended width) {
    auto* memo = new TrpMemoView(band);
    memo->SetName(name);
    memo->SetBounds(0, 0, width, 20);
    memo->SetText(text);
    return memo;
  }

  MemoryDataSet Rows;
  std::unique_ptr<TrpReport> Report;
};
