// Moving through the pages: page number, positions, keys and the wheel.
#include <QKeyEvent>
#include <QWheelEvent>

#include "report/preview/preview.h"
#include "report/preview/preview_workspace.h"

namespace {

constexpr int kWheelStep = 20;

}  // namespace

void TrpPreview::SetPageNo(int value) {
  value = std::min(std::max(value, 1), PageCount());
  const bool changed = value != FPageNo;
  FPageNo = value;
  FWorkspace->SetPageNo(value);
  FThumbnail->SetPageNo(value);
  if (changed) {
    FWorkspace->Repaint(true);
    FThumbnail->Repaint(true);
  }
  FWorkspace->SetToPageNo(value);
  FThumbnail->SetToPageNo(value);
  emit PageChanged(FPageNo);
}

void TrpPreview::SetPosition(int pageN, int top) {
  pageN = std::min(std::max(pageN, 1), PageCount());
  FWorkspace->SetPosition(pageN, top);
}

int TrpPreview::GetTopPosition() {
  return FWorkspace->GetTopPosition();
}

void TrpPreview::MouseWheelScroll(int delta, bool horizontal, bool zoom) {
  if (delta == 0) return;
  if (zoom) {
    Extended value = FZoom + (delta > 0 ? 1 : -1) / 10.0L;
    if (value < 0.3L) value = 0.3L;
    SetZoom(value);
    return;
  }
  const int step = delta > 0 ? -kWheelStep : kWheelStep;
  if (horizontal)
    FWorkspace->SetHorzPosition(FWorkspace->HorzPosition() + step);
  else
    FWorkspace->SetVertPosition(FWorkspace->VertPosition() + step);
}

void TrpPreview::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const bool horizontal = delta.y() == 0 && delta.x() != 0;
  MouseWheelScroll(horizontal ? delta.x() : delta.y(), horizontal, event->modifiers() & Qt::ControlModifier);
  event->accept();
}

void TrpPreview::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  TrpPreviewWorkspace& ws = *FWorkspace;
  switch (event->key()) {
    case Qt::Key_Up: ws.SetVertPosition(ws.VertPosition() - ws.SmallChange()); break;
    case Qt::Key_Down: ws.SetVertPosition(ws.VertPosition() + ws.SmallChange()); break;
    case Qt::Key_Left: ws.SetHorzPosition(ws.HorzPosition() - ws.SmallChange()); break;
    case Qt::Key_Right: ws.SetHorzPosition(ws.HorzPosition() + ws.SmallChange()); break;
    case Qt::Key_PageUp:
      if (ctrl) Prior(); else ws.SetVertPosition(ws.VertPosition() - ws.LargeChange());
      break;
    case Qt::Key_PageDown:
      if (ctrl) Next(); else ws.SetVertPosition(ws.VertPosition() + ws.LargeChange());
      break;
    case Qt::Key_Home: First(); break;
    case Qt::Key_End: Last(); break;
    case Qt::Key_F3:
      if (HasButton(pbFind)) FindNext();
      break;
    case Qt::Key_P:
      if (!ctrl) return event->ignore();
      if (HasButton(pbPrint)) Print();
      break;
    case Qt::Key_S:
      if (!ctrl) return event->ignore();
      if (HasButton(pbSave)) SaveToFile();
      break;
    case Qt::Key_F:
      if (!ctrl) return event->ignore();
      if (HasButton(pbFind)) Find();
      break;
    case Qt::Key_O:
      if (!ctrl) return event->ignore();
      if (HasButton(pbLoad)) LoadFromFile();
      break;
    default: return event->ignore();
  }
  event->accept();
}
