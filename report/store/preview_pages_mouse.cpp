// The preview's mouse over a prepared page: which view lies under the pointer, its mouse
// notifications, and what its hyperlink does on a click.
#include "report/store/preview_pages.h"

#include <utility>

#include "report/component/report.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "report/store/hyperlink_url.h"
#include "report/views/hyperlink.h"
#include "report/views/view.h"

namespace {

// Where the printable area of a page drawn at `scale` from (offsetX, offsetY) begins (pixels):
// what objects' AbsLeft and AbsTop are measured from.
struct PageOrigin {
  PageOrigin(const TrpReportPage& page, int index, Extended scale, Extended offsetX, Extended offsetY)
      : Scale(scale), X(offsetX), Y(offsetY + page.TopMargin() * rp01cm * scale) {
    const bool mirrored = page.MirrorMargins() && index % 2 == 1;
    X += (mirrored ? page.RightMargin() : page.LeftMargin()) * rp01cm * scale;
  }
  // Whether the pixel (x, y) lies on `object`.
  bool Hits(const TrpReportComponent& object, Extended x, Extended y) const {
    const Extended left = object.AbsLeft() * Scale + X, top = object.AbsTop() * Scale + Y;
    return x >= left && x <= left + object.Width() * Scale && y >= top &&
           y <= top + object.Height() * Scale;
  }
  Extended Scale, X, Y;
};

}  // namespace

TrpView* TrpPreviewPages::HitTest(TrpReportPage& page, int index, Extended x, Extended y, Extended scale,
                                  Extended offsetX, Extended offsetY) const {
  const PageOrigin origin(page, index, scale, offsetX, offsetY);
  const QList<TrpComponent*> objects = page.AllObjects();
  for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
    auto* view = dynamic_cast<TrpView*>(*it);
    if (view && origin.Hits(*view, x, y)) return view;
  }
  return nullptr;
}

// A drill-down header carries the key of its group occurrence as its DrillName.
bool TrpPreviewPages::ToggleDrillDown(int index, Extended x, Extended y, Extended scale, Extended offsetX,
                                      Extended offsetY) {
  if (EngineRunning()) return false;
  const std::shared_ptr<TrpReportPage> page = GetPageShared(index);
  if (!page) return false;
  const PageOrigin origin(*page, index, scale, offsetX, offsetY);
  for (TrpComponent* object : page->AllObjects()) {
    auto* header = dynamic_cast<TrpGroupHeader*>(object);
    if (!header || !header->DrillDown() || header->DrillName().isEmpty()) continue;
    if (!origin.Hits(*header, x, y)) continue;
    QStringList& state = Report().DrillState();
    if (state.removeAll(header->DrillName()) == 0) state << header->DrillName();
    return true;
  }
  return false;
}

TrpComponent* TrpPreviewPages::ObjectOver(int index, Extended x, Extended y, Extended scale, Extended offsetX,
                                          Extended offsetY) {
  if (EngineRunning()) return nullptr;
  const std::shared_ptr<TrpReportPage> page = GetPageShared(index);
  return page ? HitTest(*page, index, x, y, scale, offsetX, offsetY) : nullptr;
}

TrpComponent* TrpPreviewPages::MouseEventAt(int index, Extended x, Extended y, TrpPreviewMouseEvent event,
                                            Extended scale, Extended offsetX, Extended offsetY,
                                            Qt::CursorShape& cursor, bool* modified, Qt::MouseButton button,
                                            Qt::KeyboardModifiers shift) {
  if (modified) *modified = false;
  if (EngineRunning()) return nullptr;
  const std::shared_ptr<TrpReportPage> page = GetPageShared(index);
  TrpView* hit = page ? HitTest(*page, index, x, y, scale, offsetX, offsetY) : nullptr;
  TrpView* previous = FLastObjectOver;
  // The previous object's page is kept until it has been told that the pointer left it.
  const std::shared_ptr<TrpReportPage> previousPage = FLastObjectOverPage;
  FLastObjectOver = hit;
  FLastObjectOverPage = hit ? page : nullptr;  // the object lives as long as we point at it
  if (hit != previous) {
    if (previous) {
      previous->DoMouseLeave(hit);
      Report().DoMouseLeave(previous);
    }
    if (hit) {
      hit->DoMouseEnter(previous);
      Report().DoMouseEnter(hit);
    }
  }
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
    case meDoubleClick: {
      const bool doubleClick = event == meDoubleClick;
      hit->DoMouseClick(doubleClick);
      if (Report().DoPreviewClick(hit, button, shift, doubleClick)) {
        // The handler changed the object: the page keeps it from now on.
        ModifyPage(index, *page);
        if (modified) *modified = true;
      }
      if (!doubleClick && hit == previous) FollowHyperlink(*hit);
      break;
    }
  }
  return hit;
}

void TrpPreviewPages::SetLinkHandlers(TrpPageLinkHandlers handlers) {
  OnNavigate = std::move(handlers.Navigate);
  if (!OpenURL) OpenURL = std::move(handlers.OpenURL);
  OnDetailReport = std::move(handlers.DetailReport);
  OnDetailPage = std::move(handlers.DetailPage);
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
    case hkAnchor: {
      int page = 0, top = 0;
      if (OnNavigate && AnchorTarget(value, page, top)) OnNavigate(page, top);
      break;
    }
    case hkPageNumber: {
      bool ok = false;
      const int page = value.toInt(&ok);
      if (OnNavigate && ok && page >= 1 && page <= GetCount()) OnNavigate(page - 1, 0);
      break;
    }
    case hkDetailReport:
      if (OnDetailReport) OnDetailReport(link);
      break;
    case hkDetailPage:
      if (OnDetailPage) OnDetailPage(link);
      break;
    case hkCustom:
      if (Report().OnMouseOverObject) Report().OnMouseOverObject(&view);
      break;
  }
}
