#pragma once
// Rendering helpers for the visual-object tests: draw an object on a white image and read pixels
// back as 0x00BBGGRR colours, so expectations are written in the report's own colour values.
#include <QImage>
#include <QPainter>

#include "report/objects/custom_report.h"
#include "report/objects/report_component.h"

class ViewTestReport : public TrpCustomReport {
 public:
  ViewTestReport() = default;
};

inline QImage rpBlankImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Draws `object` at the given scale and offset on a white image of the given size.
inline QImage rpRender(TrpReportComponent& object, int width, int height, Extended scale = 1,
                       Extended offsetX = 0, Extended offsetY = 0) {
  QImage image = rpBlankImage(width, height);
  QPainter painter(&image);
  object.Draw(painter, scale, scale, offsetX, offsetY);
  painter.end();
  return image;
}

// The pixel at (x, y) as 0x00BBGGRR.
inline TColor rpPixel(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return static_cast<TColor>(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
}
