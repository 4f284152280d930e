// The workspace's mouse: dragging with the hand, hover and clicks over page objects, and page
// selection by click (a click on a thumbnail moves the main workspace to that page).
#include <QMouseEvent>
#include <QWheelEvent>
#include <QStyleHints>
#include <QGuiApplication>
#include <QToolTip>

#include "report/objects/page_reader.h"
#include "report/objects/report_error.h"
#include "report/preview/preview.h"
#include "report/preview/preview_workspace.h"
#include "report/views/view.h"

namespace {

// The cursor numbers report objects carry, as Qt cursors; anything else keeps the default.
struct CursorCode {
  int Code;
  Qt::CursorShape Shape;
};
constexpr CursorCode kCursors[] = {
    {-2, Qt::ArrowCursor},      {-3, Qt::CrossCursor},     {-4, Qt::IBeamCursor},
    {-6, Qt::SizeBDiagCursor},  {-7, Qt::SizeVerCursor},   {-8, Qt::SizeFDiagCursor},
    {-9, Qt::SizeHorCursor},    {-10, Qt::UpArrowCursor},  {-11, Qt::WaitCursor},
    {-12, Qt::DragCopyCursor},  {-13, Qt::ForbiddenCursor}, {-21, Qt::PointingHandCursor},
    {-22, Qt::SizeAllCursor},
};

bool cursorOf(int code, Qt::CursorShape& shape) {
  for (const CursorCode& c : kCursors)
    if (c.Code == code) {
      shape = c.Shape;
      return true;
    }
  return false;
}

}  // namespace

TrpComponent* TrpPreviewWorkspace::MouseEventAt(int page, QPoint at, int event, Qt::CursorShape& cursor,
                                               bool& modified, Qt::MouseButton button, Qt::KeyboardModifiers shift) {
  modified = false;
  // A point above the first page has no page, hence no object.
  if (page < 0 || page >= FPageList.Count() || !FPreviewPages) return nullptr;
  const QRect bounds = ScreenBounds(page);
  try {
    return FPreviewPages->MouseEventAt(page, at.x(), at.y(), static_cast<TrpPreviewMouseEvent>(event), FZoom,
                                       bounds.left(), bounds.top(), cursor, &modified, button, shift);
  } catch (const std::exception& e) {
    if (FPreview) FPreview->ShowHint(rpErrorText(e));
    return nullptr;
  }
}

// A click on a drill-down group header folds or unfolds its group: the report is prepared again
// with the page and position kept.
bool TrpPreviewWorkspace::ToggleDrillDownAt(int page, QPoint at) {
  if (page < 0 || page >= FPageList.Count() || !FPreviewPages || !FPreview) return false;
  const QRect bounds = ScreenBounds(page);
  if (!FPreviewPages->ToggleDrillDown(page, at.x(), at.y(), FZoom, bounds.left(), bounds.top()))
    return false;
  FPreview->RefreshReport();
  return true;
}

void TrpPreviewWorkspace::mousePressEvent(QMouseEvent* event) {
  if (!FIsThumbnail && FPreview && FPreview->OnMouseDown) FPreview->OnMouseDown(event);
  if (FPageList.Count() > 0 && !FLocked && event->button() == Qt::LeftButton) {
    FDown = true;
    FLastPoint = event->position().toPoint();
  }
}

void TrpPreviewWorkspace::mouseMoveEvent(QMouseEvent* event) {
  if (FIsThumbnail || FLocked || FPageList.Count() == 0) return;
  const QPoint at = event->position().toPoint();
  if (FDown) {
    SetHorzPosition(HorzPosition() - (at.x() - FLastPoint.x()));
    SetVertPosition(VertPosition() - (at.y() - FLastPoint.y()));
    FLastPoint = at;
    return;
  }
  Hover(at);
}

void TrpPreviewWorkspace::Hover(QPoint at) {
  const int page = FPageList.FindPage(at.y() + FOffset.y(), at.x() + FOffset.x());
  QCursor cursor = FDefaultCursor;
  Qt::CursorShape linkCursor = FDefaultCursor.shape();
  bool modified = false;
  TrpComponent* object = MouseEventAt(page, at, meMove, linkCursor, modified);
  Qt::CursorShape shape;
  if (auto* view = dynamic_cast<TrpView*>(object); view && view->Cursor() != 0 && cursorOf(view->Cursor(), shape))
    cursor = QCursor(shape);
  else if (linkCursor != FDefaultCursor.shape())
    cursor = QCursor(linkCursor);  // a hyperlink
  viewport()->setCursor(cursor);
  ShowObjectHint(object, at);
}

// Short hints go to a tooltip, long ones ("short|long") to the preview window's status bar.
void TrpPreviewWorkspace::ShowObjectHint(TrpComponent* object, QPoint at) {
  if (!FPreview || !FPreview->UseReportHints()) return;
  auto* view = dynamic_cast<TrpView*>(object);
  const QString hint = view && view->ShowHint() ? view->Hint() : QString();
  if (hint.isEmpty()) {
    if (FShowingHint) {
      QToolTip::hideText();
      FPreview->ShowHint(QString());
    }
    FShowingHint = false;
    return;
  }
  const qsizetype bar = hint.indexOf(u'|');
  QToolTip::showText(viewport()->mapToGlobal(at), bar < 0 ? hint : hint.left(bar), viewport());
  FPreview->ShowHint(bar < 0 ? hint : hint.mid(bar + 1));
  FShowingHint = true;
}

void TrpPreviewWorkspace::mouseReleaseEvent(QMouseEvent* event) {
  if (!FIsThumbnail && FPreview && FPreview->OnMouseUp) FPreview->OnMouseUp(event);
  if (FPageList.Count() == 0 || FLocked) return;
  FDown = false;
  const QPoint at = event->position().toPoint();
  const int x = FRTLLanguage ? viewport()->width() - FOffset.x() - at.x() : at.x() + FOffset.x();
  const int page = FPageList.FindPage(at.y() + FOffset.y(), x);
  if (page < 0) return;
  if (FPreview) {
    // The clicked page becomes current without this workspace scrolling to its top.
    FDisableUpdate = true;
    FPreview->SetPageNo(page + 1);
    FDisableUpdate = false;
  }
  if (FIsThumbnail || event->button() == Qt::RightButton) return;
  if (ToggleDrillDownAt(page, at)) return;
  const int doubleClickTime = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  bool doubleClick = false;
  if (!FTimeOffset.isValid() || FTimeOffset.elapsed() > doubleClickTime) {
    FTimeOffset.start();
  } else {
    FTimeOffset.invalidate();
    doubleClick = true;
  }
  Qt::CursorShape cursor = FDefaultCursor.shape();
  bool modified = false;
  MouseEventAt(page, at, meUp, cursor, modified, event->button(), event->modifiers());
  TrpComponent* object = MouseEventAt(page, at, doubleClick ? meDoubleClick : meClick, cursor, modified,
                                      event->button(), event->modifiers());
  // A handler changed the object: the store keeps the new page, which is drawn again.
  if (modified) Repaint();
  if (object && FPreview) emit FPreview->ObjectClick(object, doubleClick);
}

void TrpPreviewWorkspace::mouseDoubleClickEvent(QMouseEvent* event) {
  if (FIsThumbnail) return;
  mousePressEvent(event);
  emit DoubleClicked();
}

void TrpPreviewWorkspace::wheelEvent(QWheelEvent* event) {
  event->ignore();
}
