// The preview's page settings: the dialog on the current page, and its settings applied to that
// page, or to every page.
#include <QScopeGuard>

#include "report/component/report.h"
#include "report/objects/custom_engine.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/report_page.h"
#include "report/preview/page_settings_form.h"
#include "report/preview/preview.h"
#include "report/preview/reporting_errors.h"

namespace {

QList<TrpReportPage*> definitionPages(TrpReport* report) {
  QList<TrpReportPage*> pages;
  if (!report) return pages;
  for (TrpComponent* child : report->Objects())
    if (auto* page = dynamic_cast<TrpReportPage*>(child)) pages << page;
  return pages;
}

}  // namespace

// Also refused while the engine finishes its run (it shows the last pages and processes pending
// messages before the report restores its definition): a preparation started then would be
// undone by that restore.
void TrpPreview::PageSetupDlg() {
  if (FRunning || !FPreviewPages || (FReport && FReport->Engine() && FReport->Engine()->Running())) return;
  const TrpReportPage* current = FPreviewPages->GetPage(FPageNo - 1);
  if (!current) return;
  // The dialog edits a page of its own: the store's page may be rebuilt while the dialog is open.
  TrpReportPage edited(nullptr);
  edited.AssignPaper(*current);
  TrpPageSettingsForm form(edited, FReport, this);
  if (form.exec() != QDialog::Accepted) return;
  rpReportingErrors(*this, QStringLiteral("The page settings were not applied."), [&] {
    if (form.NeedRebuild())
      ApplyToAllPages(edited);
    else
      ApplyToPages(FPageNo - 1, FPageNo - 1, edited);
  });
  ResetSearch();
}

void TrpPreview::ApplyToPages(int first, int last, const TrpReportPage& settings) {
  Lock();
  const auto unlock = qScopeGuard([this] { Unlock(); });
  for (int i = first; i <= last; ++i) {
    TrpReportPage* page = FPreviewPages->GetPage(i);
    if (!page) continue;
    page->AssignPaper(settings);
    page->AlignChildren();
    FPreviewPages->ModifyPage(i, *page);
  }
}

// Pages prepared from the definition are prepared again from it with the settings. Pages opened
// from a prepared-report file have no definition behind them (the report's definition, if any, is
// another report's): each of them takes the settings instead.
void TrpPreview::ApplyToAllPages(const TrpReportPage& settings) {
  const QList<TrpReportPage*> pages = definitionPages(FReport);
  if (FPreviewPages->LoadedFromFile() || pages.isEmpty()) {
    ApplyToPages(0, PageCount() - 1, settings);
    return;
  }
  for (TrpReportPage* page : pages) page->AssignPaper(settings);
  FReport->PrepareReport(true);
}
