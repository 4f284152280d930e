// Exporting the prepared pages through an export filter: the pages the filter selects, one at a
// time, each with the objects on it that are meant for export.
#include "report/store/preview_pages.h"

#include "report/component/report.h"
#include "report/objects/custom_export_filter.h"
#include "report/objects/custom_preview.h"
#include "report/pages/report_page.h"
#include "report/views/view.h"

namespace {

// Sets a flag for the life of the scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~FlagScope() { FFlag = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& FFlag;
};

// Ends the report's export progress however the walk ends.
class ExportProgress {
 public:
  explicit ExportProgress(TrpReport& report) : FReport(report) {
    FReport.SetTerminated(false);
    FReport.InternalOnProgressStart(ptExporting);
  }
  ~ExportProgress() { FReport.InternalOnProgressStop(ptExporting); }
  ExportProgress(const ExportProgress&) = delete;
  ExportProgress& operator=(const ExportProgress&) = delete;

 private:
  TrpReport& FReport;
};

}  // namespace

bool TrpPreviewPages::Export(TrpCustomExportFilter& filter) {
  if (EngineRunning()) return false;
  filter.SetSource(&Report(), this);
  filter.SetError(QString());
  filter.SetPagesDone(0);
  QList<int> pages;
  if (!filter.SelectPages(GetCount(), pages)) return false;
  if (!filter.Start()) return false;
  FlagScope exporting(FExporting);
  ExportProgress progress(Report());
  int done = 0;
  for (const int index : pages) {
    const std::shared_ptr<TrpReportPage> page = GetPageShared(index);
    if (!page) continue;
    filter.StartPage(*page, index);
    for (TrpComponent* object : page->AllObjects()) {
      const auto* view = dynamic_cast<TrpView*>(object);
      if (view && view->Visibility().Has(vsExport)) filter.ExportObject(*object);
    }
    filter.FinishPage(*page, index);
    // Memory stays bounded however long the report: pages are rebuilt on demand.
    ClearPageCache();
    filter.SetPagesDone(++done);
    Report().InternalOnProgress(ptExporting, done);
    if (Report().Terminated()) {
      filter.Abort();
      return false;
    }
  }
  if (filter.Finish()) return true;
  filter.Abort();
  return false;
}
