// Zoom, zoom modes and the re-layout of both workspaces.
#include <QResizeEvent>
#include <QStyle>

#include <cmath>

#include "report/objects/custom_preview_pages.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"

namespace {

// Room left beside the pages: the margins of the row layout.
constexpr int kLayoutMargin = 26;

}  // namespace

void TrpPreview::SetZoom(Extended value) {
  if (!std::isfinite(static_cast<double>(value))) return;
  FZoom = std::clamp(value, kMinZoom, kMaxZoom);
  FZoomMode = zmDefault;
  UpdatePages();
}

void TrpPreview::SetZoomMode(TrpZoomMode value) {
  FZoomMode = value;
  UpdatePages();
}

// The zoom the zoom mode asks for: never zero or negative however small the workspace, since a
// zero zoom would collapse every page onto one point and divide by zero further on.
Extended TrpPreview::FittedZoom(Extended width, Extended height) const {
  const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const Extended byWidth = (FWorkspace->width() - sb - kLayoutMargin) / width;
  Extended zoom = FZoom;
  switch (FZoomMode) {
    case zmWholePage: {
      const Extended tall = height / std::max(1, this->height());
      const Extended wide = width / std::max(1, this->width());
      zoom = tall >= wide ? (FWorkspace->height() - kLayoutMargin) / height : byWidth;
      break;
    }
    case zmPageWidth: zoom = byWidth; break;
    case zmDefault:
    case zmManyPages: return FZoom;
  }
  return std::clamp(zoom, kMinFitZoom, kMaxZoom);
}

void TrpPreview::LayOut(TrpPreviewWorkspace& workspace, int width) {
  const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  workspace.CalcPageBounds(width - sb - kLayoutMargin);
}

void TrpPreview::UpdatePages() {
  if (FLocked || PageCount() == 0) return;
  FAllowF3 = false;
  FWorkspace->ClearSearchPicture();
  const QSizeF size = FPreviewPages->GetPageSize(std::clamp(FPageNo, 1, PageCount()) - 1);
  if (size.height() <= 0 || size.width() <= 0) return;
  FZoom = FittedZoom(size.width(), size.height());
  FWorkspace->SetZoom(FZoom);
  FThumbnail->SetZoom(0.1L);
  FWorkspace->ClearPageList();
  FThumbnail->ClearPageList();
  for (int i = 0; i < PageCount(); ++i) {
    const QSizeF page = FPreviewPages->GetPageSize(i);
    FWorkspace->AddPage(page.width(), page.height());
    if (!FRunning) FThumbnail->AddPage(page.width(), page.height());
  }
  LayOut(*FWorkspace, FWorkspace->width());
  if (!FRunning) LayOut(*FThumbnail, FThumbnail->width());
  FWorkspace->UpdateScrollBars();
  FThumbnail->UpdateScrollBars();
  // Positions re-clamped to the new ranges.
  FWorkspace->SetHorzPosition(FWorkspace->HorzPosition());
  FWorkspace->SetVertPosition(FWorkspace->VertPosition());
  if (FZoomMode == zmWholePage) SetPosition(FPageNo, 0);
  if (!FRefreshing) {
    FWorkspace->Repaint();
    FThumbnail->Repaint();
  }
  if (FPreviewForm) FPreviewForm->UpdateZoom();
}

void TrpPreview::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (FMessagePanel && FMessagePanel->isVisible()) FMessagePanel->move((width() - 260) / 2, (height() - 75) / 3);
  // The children take their new sizes when the layout runs; lay the pages out after that.
  QMetaObject::invokeMethod(this, [this] { UpdatePages(); }, Qt::QueuedConnection);
}
