#include "app/app_icon.h"

#include "app/app_icon_shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace stroval {

namespace {

constexpr double kUnits = 256;

// SVG path data of moves, lines and quadratic curves, as the shape table writes it.
QPainterPath PathOf(const char* data) {
  const QStringList words = QString::fromLatin1(data).split(u' ', Qt::SkipEmptyParts);
  QPainterPath path;
  auto number = [&](qsizetype i) { return words.value(i).toDouble(); };
  for (qsizetype i = 0; i < words.size();) {
    const QString command = words[i++];
    if (command == QLatin1String("M")) {
      path.moveTo(number(i), number(i + 1));
      i += 2;
    } else if (command == QLatin1String("L")) {
      path.lineTo(number(i), number(i + 1));
      i += 2;
    } else if (command == QLatin1String("Q")) {
      path.quadTo(number(i), number(i + 1), number(i + 2), number(i + 3));
      i += 4;
    }
  }
  return path;
}

QPen PenOf(const AppIconShape& shape, double scale) {
  if (!shape.stroke) return Qt::NoPen;
  QPen pen(QColor(QLatin1String(shape.stroke)), shape.strokeWidth);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  // A dash of 12 units and a gap of 8 (Qt counts them in pen widths), where the gap comes out at
  // two pixels or more; smaller, a dashed line would only look grey.
  if (shape.dashed && 8 * scale >= 2)
    pen.setDashPattern({12 / shape.strokeWidth, 8 / shape.strokeWidth});
  return pen;
}

}  // namespace

QImage PaintAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = size / kUnits;
  painter.scale(scale, scale);
  for (const AppIconShape& shape : AppIconShapes()) {
    painter.setPen(PenOf(shape, scale));
    painter.setBrush(shape.fill ? QBrush(QColor(QLatin1String(shape.fill))) : QBrush(Qt::NoBrush));
    if (shape.path)
      painter.drawPath(PathOf(shape.path));
    else
      painter.drawRoundedRect(QRectF(shape.x, shape.y, shape.width, shape.height), shape.radius, shape.radius);
  }
  return image;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : kAppIconSizes) icon.addPixmap(QPixmap::fromImage(PaintAppIcon(size)));
  return icon;
}

}  // namespace stroval
