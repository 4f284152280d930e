// The preview's commands on the store: print, save, open, add and delete pages, clear; each
// refused while the engine runs, and each that locks the control unlocks it however it ends.
#include <QFileInfo>
#include <QScopeGuard>

#include "report/component/report.h"
#include "report/objects/custom_export_filter.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/preview_workspace.h"
#include "report/preview/reporting_errors.h"
#include "report/res/resources.h"

namespace {

QStringList preparedReportFilters() {
  return {rpResources()->Get(QStringLiteral("clRPPfiles")) + QStringLiteral(" (*.rpp)")};
}

}  // namespace

bool TrpPreview::Lock() {
  FLocked = true;
  FWorkspace->SetLocked(true);
  FThumbnail->SetLocked(true);
  return true;
}

void TrpPreview::Unlock() {
  HideMessage();
  FLocked = false;
  FWorkspace->SetLocked(false);
  FThumbnail->SetLocked(false);
  UpdatePages();
  FWorkspace->Repaint();
  FThumbnail->Repaint();
}

void TrpPreview::Print() {
  if (FRunning || !FPreviewPages) return;
  const auto unlock = qScopeGuard([this] { Unlock(); });
  FPreviewPages->SetCurPreviewPage(FPageNo);
  rpReportingErrors(*this, QStringLiteral("The report was not printed."), [this] { FPreviewPages->Print(); });
}

void TrpPreview::SaveToFile() {
  if (FRunning || !FPreviewPages) return;
  int filterIndex = 0;
  QString fileName = rpPreviewDialogs().GetSaveFileName(this, preparedReportFilters(), filterIndex);
  if (fileName.isEmpty()) return;
  FWorkspace->Repaint();
  const QFileInfo info(fileName);
  fileName = info.path() + u'/' + info.completeBaseName() + QStringLiteral(".rpp");
  SaveToFile(fileName);
}

void TrpPreview::SaveToFile(const QString& fileName) {
  if (FRunning || !FPreviewPages) return;
  Lock();
  const auto unlock = qScopeGuard([this] { Unlock(); });
  ShowMessage(rpResources()->Get(QStringLiteral("clSaving")));
  const QString failed = QStringLiteral("Cannot save the file \"%1\".").arg(fileName);
  rpReportingErrors(*this, failed, [&] {
    if (!FPreviewPages->SaveToFile(fileName))
      throw TrpError(QStringLiteral("It could not be written; any file of that name is unchanged."));
  });
}

bool TrpPreview::Export(TrpCustomExportFilter& chosen) {
  if (FRunning || !FPreviewPages || !FReport) return false;
  std::unique_ptr<TrpCustomExportFilter> text;
  if (FReport->DotMatrixReport() && chosen.ClassName() != QLatin1String("TrpTextExport"))
    text = rpCreateExportFilter(QStringLiteral("TrpTextExport"));
  TrpCustomExportFilter& filter = text ? *text : chosen;
  filter.SetCurPage(FPageNo - 1);
  if (filter.ShowModal() != mrOk) return false;
  const QString pattern = QStringLiteral("*.") + filter.DefaultExt();
  int filterIndex = 0;
  QString fileName = rpPreviewDialogs().GetSaveFileName(
      this, {filter.GetDescription() + QStringLiteral(" (") + pattern + u')'}, filterIndex);
  if (fileName.isEmpty()) return false;
  if (QFileInfo(fileName).suffix().isEmpty()) fileName += pattern.mid(1);
  filter.SetFileName(fileName);
  FWorkspace->Repaint();
  Lock();
  const auto unlock = qScopeGuard([this] { Unlock(); });
  FPreviewPages->SetCurPreviewPage(FPageNo);
  bool exported = false;
  rpReportingErrors(*this, QStringLiteral("The report was not exported."), [&] {
    exported = FReport->Export(filter);
    if (!exported && !filter.Error().isEmpty()) throw TrpError(filter.Error());
  });
  return exported;
}

void TrpPreview::LoadFromFile() {
  if (FRunning || !FPreviewPages) return;
  const QString fileName = rpPreviewDialogs().GetOpenFileName(this, preparedReportFilters());
  if (fileName.isEmpty()) return;
  FWorkspace->Repaint();
  LoadFromFile(fileName);
}

void TrpPreview::LoadFromFile(const QString& fileName) {
  if (FRunning || !FPreviewPages) return;
  Lock();
  // Page 1 and the outline also after a failed load.
  const auto restore = qScopeGuard([this] {
    ResetSearch();
    FPageNo = 1;
    Unlock();
    UpdateOutline();
    SetPageNo(1);
  });
  ShowMessage(rpResources()->Get(QStringLiteral("clLoading")));
  const QString failed = QStringLiteral("Cannot open the file \"%1\" as a prepared report.").arg(fileName);
  rpReportingErrors(*this, failed, [&] {
    if (!FPreviewPages->LoadFromFile(fileName))
      throw TrpError(QStringLiteral("The file does not exist."));
  });
}

void TrpPreview::AddPage() {
  if (FRunning || !FPreviewPages) return;
  FPreviewPages->AddEmptyPage(std::max(FPageNo, 1) - 1);
  UpdatePages();
  SetPageNo(FPageNo);
}

void TrpPreview::DeletePage() {
  if (FRunning || !FPreviewPages || PageCount() == 0) return;
  FPreviewPages->DeletePage(FPageNo - 1);
  // Stepping back from the end: the page number never drops to 0 while pages remain.
  if (FPageNo >= PageCount()) --FPageNo;
  if (FPageNo < 1 && PageCount() > 0) FPageNo = 1;
  UpdatePages();
  SetPageNo(FPageNo);
}

void TrpPreview::Clear() {
  if (FRunning || !FPreviewPages) return;
  Lock();
  {
    const auto unlock = qScopeGuard([this] { Unlock(); });
    FPreviewPages->Clear();
  }
  ResetSearch();
  FWorkspace->ClearPageList();
  FThumbnail->ClearPageList();
  UpdateOutline();
  SetPageNo(1);
  FWorkspace->SetHorzRange(0);
  FWorkspace->SetVertRange(0);
  if (FThumbnail->isVisible()) {
    FThumbnail->SetHorzRange(0);
    FThumbnail->SetVertRange(0);
  }
  FWorkspace->Repaint();
}

void TrpPreview::Cancel() {
  if (FRunning && FReport) FReport->SetTerminated(true);
}
