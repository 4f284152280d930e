#include "tests/fuzz/fuzz_report.h"

#include <exception>

#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"

TrpMemoView* rpFuzzReportWithMemo(TrpReport& report) {
  report.EngineOptions().SetNewSilentMode(simSilent);
  report.SetScriptStepLimit(100000);
  report.SetScriptTimeout(2);
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  auto* title = new TrpReportTitle(page);
  title->SetName(QStringLiteral("Title1"));
  title->SetHeight(40);
  auto* memo = new TrpMemoView(title);
  memo->SetName(QStringLiteral("Memo1"));
  memo->SetBounds(0, 0, 400, 20);
  return memo;
}

void rpFuzzPrepare(TrpReport& report) {
  try {
    report.PrepareReport();
  } catch (const std::exception&) {
  }
}
