#include "app/decorative_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace stroval {

namespace {

constexpr int kWidth = 580;
constexpr int kHeight = 689;

void DrawInkStroke(QPainter& p) {
  QPainterPath stroke;
  stroke.moveTo(70, 560);
  stroke.cubicTo(180, 500, 330, 640, 510, 560);
  stroke.cubicTo(520, 590, 500, 610, 470, 615);
  stroke.cubicTo(320, 680, 180, 560, 80, 610);
  stroke.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  p.drawPath(stroke);
}

void DrawBrush(QPainter& p) {
  p.save();
  p.translate(330, 300);
  p.rotate(20);
  p.setPen(QPen(QColor(90, 50, 20), 4));
  p.setBrush(QColor(170, 110, 55));  // bamboo handle
  p.drawRoundedRect(QRectF(-28, -270, 56, 360), 20, 20);
  p.setBrush(QColor(120, 75, 30));  // the ferrule binding the hair
  p.drawRect(QRectF(-34, 80, 68, 40));
  QPainterPath tip;  // the hair, tapering to a point
  tip.moveTo(-34, 120);
  tip.cubicTo(-40, 190, -10, 230, 0, 270);
  tip.cubicTo(10, 230, 40, 190, 34, 120);
  tip.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 20));
  p.drawPath(tip);
  p.restore();
}

}  // namespace

QImage DecorativePicture() {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawInkStroke(painter);
  DrawBrush(painter);
  return image;
}

}  // namespace stroval
