#include "app/app_icon.h"

#include "app/app_icon_shapes.h"

namespace stroval {

namespace {

QString Paint(const AppIconShape& shape) {
  QString paint = QStringLiteral(" fill=\"%1\"").arg(shape.fill ? QLatin1String(shape.fill) : QLatin1String("none"));
  if (!shape.stroke) return paint;
  paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"")
               .arg(QLatin1String(shape.stroke))
               .arg(shape.strokeWidth);
  if (shape.dashed) paint += QStringLiteral(" stroke-dasharray=\"12 8\"");
  return paint;
}

}  // namespace

QString AppIconSvg() {
  QString svg = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n");
  for (const AppIconShape& shape : AppIconShapes()) {
    if (shape.path) {
      svg += QStringLiteral("  <path d=\"%1\"%2/>\n").arg(QLatin1String(shape.path), Paint(shape));
    } else {
      svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                 .arg(shape.x)
                 .arg(shape.y)
                 .arg(shape.width)
                 .arg(shape.height)
                 .arg(shape.radius)
                 .arg(Paint(shape));
    }
  }
  svg += QStringLiteral("</svg>\n");
  return svg;
}

}  // namespace stroval
