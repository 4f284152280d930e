#include "app/panel.h"

#include <QDragEnterEvent>
#include <QPainter>

#include "app/colors.h"
#include "app/drag_source_mime.h"

namespace stroval {

Panel::Panel(QWidget* parent) : QWidget(parent) {
  SetColor(ColorFromBgr(clBtnFace));
}

void Panel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

QColor Panel::Color() const {
  return palette().color(QPalette::Window);
}

void Panel::SetColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  update();
}

void Panel::SetOnDragOver(DragOverHandler handler) {
  onDragOver_ = std::move(handler);
  setAcceptDrops(static_cast<bool>(onDragOver_));
}

void Panel::SetOnDragDrop(DragDropHandler handler) {
  onDragDrop_ = std::move(handler);
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect();
  painter.fillRect(outer, Color());
  // One-pixel raised bevel: lit on the top and left edges, shaded on the bottom and right.
  painter.setPen(ColorFromBgr(clBtnHighlight));
  painter.drawLine(outer.topLeft(), outer.topRight());
  painter.drawLine(outer.topLeft(), outer.bottomLeft());
  painter.setPen(ColorFromBgr(clBtnShadow));
  painter.drawLine(outer.bottomLeft(), outer.bottomRight());
  painter.drawLine(outer.topRight(), outer.bottomRight());
  PaintContent(painter);
}

void Panel::PaintContent(QPainter& painter) {
  PaintCaption(painter, palette().color(QPalette::WindowText));
}

void Panel::PaintCaption(QPainter& painter, const QColor& color) const {
  if (caption_.isEmpty()) return;
  painter.setFont(font());
  painter.setPen(color);
  painter.drawText(rect().adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

bool Panel::AcceptsDrag(const QDropEvent* event) {
  // Data from other programs carries no source object; such a drag is passed to the handler as
  // one without a source, which it refuses.
  return onDragOver_ && onDragOver_(this, DragSourceMime::SourceOf(event->mimeData()));
}

void Panel::dragEnterEvent(QDragEnterEvent* event) {
  if (AcceptsDrag(event)) event->acceptProposedAction();
  else event->ignore();
}

void Panel::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptsDrag(event)) event->acceptProposedAction();
  else event->ignore();
}

void Panel::dropEvent(QDropEvent* event) {
  if (!onDragDrop_) {
    event->ignore();
    return;
  }
  onDragDrop_(this, DragSourceMime::SourceOf(event->mimeData()));
  event->acceptProposedAction();
}

}  // namespace stroval
