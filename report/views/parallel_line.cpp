#include "report/views/parallel_line.h"

#include <QPainter>

#include <cstdlib>

void rpDrawParallelLines(QPainter& canvas, QPoint from, QPoint to, int width, const QColor& color) {
  if (width <= 0) return;
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.setPen(QPen(color, 0));  // cosmetic: one device pixel
  const bool mostlyAcross = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
  for (int k = 0; k < width; ++k) {
    const int d = k - width / 2;
    const QPoint shift = mostlyAcross ? QPoint(0, d) : QPoint(d, 0);
    canvas.drawLine(from + shift, to + shift);
  }
  canvas.restore();
}
