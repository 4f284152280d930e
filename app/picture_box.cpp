#include "app/picture_box.h"

#include <QPainter>
#include <cmath>

namespace stroval {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

QRect PictureBox::PictureRect() const {
  if (picture_.isNull()) return {};
  const double scale = std::min(double(width()) / picture_.width(),
                                double(height()) / picture_.height());
  const int w = int(std::lround(picture_.width() * scale));
  const int h = int(std::lround(picture_.height() * scale));
  return {(width() - w) / 2, (height() - h) / 2, w, h};
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(PictureRect(), picture_);
}

}  // namespace stroval
