// The live display while the engine prepares: the first pages appear as they are made, the status
// follows at an interval measured from the first two pages, and the rest is laid out at the end.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopeGuard>

#include "report/component/report.h"
#include "report/objects/custom_engine.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/page.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"

namespace {

// Pages shown one by one while preparing; later ones wait for the end of the run.
constexpr int kLivePages = 50;

bool finalPass(const TrpReport* report) {
  return !report || !report->Engine() || report->Engine()->FinalPass();
}

// Fast engines refresh the display less often, so that showing costs little of the run.
unsigned refreshInterval(qint64 msPerPage) {
  if (msPerPage < 5) return 50;
  if (msPerPage < 10) return 20;
  return 5;
}

}  // namespace

void TrpPreview::InternalOnProgressStart(TrpReport*, TrpProgressType, int) {
  if (FRefreshing) return;
  Clear();
  // A new run starts with every drill-down group as designed; a refresh keeps the user's toggles.
  if (FReport) FReport->DrillState().clear();
  FRunning = true;
  UpdateFormControls();
}

void TrpPreview::InternalOnProgress(TrpReport* report, TrpProgressType, int progress) {
  if (FRefreshing) {
    emit PageChanged(FPageNo);
    return;
  }
  const bool final = finalPass(report);
  const int index = progress;
  if (final && index >= 0 && index < kLivePages && index < PageCount()) {
    const QSizeF size = FPreviewPages->GetPageSize(index);
    FWorkspace->AddPage(size.width(), size.height());
    LayOut(*FWorkspace, FWorkspace->width());
  }
  if (index == 0) {
    SetPageNo(1);
    if (final) UpdatePages();
    if (FPreviewForm) FPreviewForm->SetCancelCaption(true);
    FFirstPageClock->start();
  } else if (index == 1) {
    FTick = refreshInterval(FFirstPageClock->isValid() ? FFirstPageClock->elapsed() : 0);
    SetPageNo(1);
    if (final) UpdatePages();
  }
  if (index >= 0 && FTick > 0 && static_cast<unsigned>(index) % FTick == 0) {
    emit PageChanged(FPageNo);
    if (final) FWorkspace->UpdateScrollBars();
  }
  QCoreApplication::processEvents();
}

void TrpPreview::InternalOnProgressStop(TrpReport*, TrpProgressType, int) {
  if (FRefreshing) return;
  FRunning = false;
  emit PageChanged(FPageNo);
  FWorkspace->UpdateScrollBars();
  FThumbnail->UpdateScrollBars();
  UpdatePages();
  UpdateOutline();
  if (FPreviewForm) {
    FPreviewForm->SetCancelCaption(false);
    FPreviewForm->SetMessageText(QString(), false);
    FPreviewForm->UpdateControls();
  }
}

void TrpPreview::RefreshReport() {
  if (!FReport || FRunning) return;
  const int left = FWorkspace->HorzPosition();
  const int top = FWorkspace->VertPosition();
  const int page = FPageNo;
  Lock();
  FRefreshing = true;
  {
    const auto done = qScopeGuard([this, page] {
      FRefreshing = false;
      FLocked = false;
      FThumbnail->SetLocked(false);
      FPageNo = std::min(page, PageCount());
      UpdatePages();
      UpdateOutline();
    });
    // A tab showing one page of its report (a detail page) prepares that page only.
    const QString detailPage = FCurTab >= 0 && FCurTab < TabCount() ? TabItem(FCurTab).DetailPage : QString();
    auto* page = detailPage.isEmpty() ? nullptr : dynamic_cast<TrpPage*>(FReport->FindObject(detailPage));
    if (page) {
      FReport->PreviewPages()->Clear();
      FReport->PreparePage(*page);
    } else {
      FReport->PrepareReport(true);
    }
  }
  FWorkspace->SetHorzPosition(left);
  FWorkspace->SetVertPosition(top);
  FWorkspace->SetLocked(false);
  FWorkspace->Repaint();
  FThumbnail->Repaint();
  SetPageNo(std::min(page, PageCount()));
}
