#include "app/practice_cell.h"

#include <QPainter>

#include "worksheet/practice_colors.h"

namespace stroval {

void PracticeCell::SetGuides(GuideStyle style) {
  if (style == guides_) return;
  guides_ = style;
  update();
}

void PracticeCell::SetTraced(bool traced) {
  if (traced == traced_) return;
  traced_ = traced;
  update();
}

void PracticeCell::PaintContent(QPainter& painter) {
  PaintGuides(painter);
  PaintCaption(painter, traced_ ? QColor(kTraceInk) : palette().color(QPalette::WindowText));
}

void PracticeCell::PaintGuides(QPainter& painter) const {
  if (!HasOutline(guides_)) return;
  // Inside the bevel, with a pixel of the face left around the square.
  const QRectF square = QRectF(rect()).adjusted(2, 2, -3, -3);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(kGuideInk), 0, Qt::SolidLine));
  painter.drawRect(square);
  painter.setPen(QPen(QColor(kGuideInk), 0, Qt::DashLine));
  for (const QLineF& unit : GuideLines(guides_))
    painter.drawLine(QLineF(square.left() + unit.x1() * square.width(),
                            square.top() + unit.y1() * square.height(),
                            square.left() + unit.x2() * square.width(),
                            square.top() + unit.y2() * square.height()));
  painter.restore();
}

}  // namespace stroval
