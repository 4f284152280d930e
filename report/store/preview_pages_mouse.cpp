// The preview's mouse over a prepared page: which view lies under the pointer, its mouse
// notifications, and what its hyperlink does on a click.
#include "report/store/preview_pages.h"

#include "report/model/hyperlink.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/view.h"
#include "report/store/hyperlink_url.h"

TrpView* TrpPreviewPages::HitTest(TrpReportPage& page, int index, Extended x, Extended y, Extended scale,
                                  Extended offsetX, Extended offsetY) const {
  const bool mirrored = page.MirrorMargins() && index % 2 == 1;
  offsetX += (mirrored ? page.RightMargin() : page.LeftMargin()) * rp01cm * scale;
  offsetY += page.TopMargin() * rp01cm * scale;
  const QList<TrpComponent*> objects = page.AllObjects();
  for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
    auto* view = dynamic_cast<TrpView*>(*it);
    if (!view) continue;
    const Extended left = view->AbsLeft() * scale + offsetX, top = view->AbsTop() * scale + offsetY;
    if (x >= left && x <= left + view->Width() * scale && y >= top && y <= top + view->Height() * scale)
      return view;
  }
  return nullptr;
}

TrpComponent* TrpPreviewPages::ObjectOver(int index, Extended x, Extended y, Extended scale, Extended offsetX,
                                          Extended offsetY) {
  if (EngineRunning()) return nullptr;
  const std::shared_ptr<TrpReportPage> page = GetPageShared(index);
  return page ? HitTest(*page, index, x, y, scale, offsetX, offsetY) : nullptr;
}

TrpView* TrpPreviewPages::ObjectOver(int index, Extended x, Extended y, TrpPreviewMouseEvent event, Extended scale,
                                     Extended offsetX, Extended offsetY, Qt::CursorShape& cursor) {
  if (EngineRunning()) return nullptr;
  const std::shared_ptr<TrpReportPage> page = GetPageShared(index);
  TrpView* hit = page ? HitTest(*page, index, x, y, scale, offsetX, offsetY) : nullptr;
  TrpView* previous = FLastObjectOver;
  if (hit != previous) {
    if (previous) previous->DoMouseLeave(hit);
    if (hit) hit->DoMouseEnter(previous);
  }
  FLastObjectOver = hit;
  FLastObjectOverPage = hit ? page : nullptr;  // the object lives as long as we point at it
  if (!hit) return nullptr;
  const QString link = hit->Hyperlink()->Value();
  if (!link.isEmpty()) {
    Report().SetProgressMessage(link, true);
    cursor = Qt::PointingHandCursor;
  }
  const int px = static_cast<int>(rpRound(x)), py = static_cast<int>(rpRound(y));
  switch (event) {
    case meMove:
    case meDown:
      hit->DoMouseMove(px, py);
      break;
    case meUp:
      hit->DoMouseUp(px, py);
      break;
    case meClick:
      hit->DoMouseClick(false);
      if (hit == previous) FollowHyperlink(*hit);
      break;
    case meDoubleClick:
      hit->DoMouseClick(true);
      break;
  }
  return hit;
}

void TrpPreviewPages::FollowHyperlink(TrpView& view) {
  const TrpHyperlink& link = *view.Hyperlink();
  const QString value = link.Value().trimmed();
  if (value.isEmpty()) return;
  switch (link.Kind()) {
    case hkURL:
      // Files come from anywhere: only web and mail addresses go to the system's handler.
      if (rpIsSafeHyperlinkURL(value) && OpenURL) OpenURL(QUrl(value, QUrl::StrictMode));
      break;
    case hkAnchor:
      if (OnNavigate && FindAnchor(value) >= 0) OnNavigate(GetAnchorPage(value) - 1, GetAnchorTop(value));
      break;
    case hkPageNumber: {
      bool ok = false;
      const int page = value.toInt(&ok);
      if (OnNavigate && ok && page >= 1 && page <= GetCount()) OnNavigate(page - 1, 0);
      break;
    }
    default:
      break;  // detail reports and pages open in preview tabs, which belong to the preview
  }
}
