#include "app/label.h"

#include <QApplication>
#include <QDrag>
#include <QFontMetrics>
#include <QMouseEvent>

#include "app/drag_source_mime.h"

namespace stroval {

Label::Label(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);  // a typed "<b>" is shown as typed
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
}

void Label::SetCaption(const QString& caption) {
  setText(caption);
  FitToText();
}

void Label::SetAutoSize(bool on) {
  autoSize_ = on;
  FitToText();
}

void Label::SetTransparent(bool transparent) {
  setAutoFillBackground(!transparent);
  update();
}

QColor Label::Color() const {
  return palette().color(QPalette::Window);
}

void Label::SetColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  update();
}

void Label::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitToText();
}

void Label::FitToText() {
  if (!autoSize_) return;
  const QFontMetrics metrics(font());
  resize(metrics.horizontalAdvance(text()), metrics.height());
}

void Label::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    pressPos_ = event->position().toPoint();
  }
  QLabel::mousePressEvent(event);
}

void Label::mouseMoveEvent(QMouseEvent* event) {
  const bool farEnough = (event->position().toPoint() - pressPos_).manhattanLength() >=
                         QApplication::startDragDistance();
  if (pressed_ && dragMode_ == TDragMode::dmAutomatic && (event->buttons() & Qt::LeftButton) &&
      farEnough) {
    pressed_ = false;  // a drag is not also a click
    StartDrag();
    return;
  }
  QLabel::mouseMoveEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit Clicked();
}

void Label::StartDrag() {
  auto* drag = new QDrag(this);
  drag->setMimeData(new DragSourceMime(this));
  drag->setPixmap(grab());
  drag->setHotSpot(pressPos_);
  drag->exec(Qt::CopyAction);  // the drop target copies the caption; the label stays
}

}  // namespace stroval
