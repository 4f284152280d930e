// Pictures from any bytes, as a picture object reads them from a report or prepared file:
// recognised, decoded and drawn (metafiles played) into a small image and a thin one.
#include <QImage>
#include <QPainter>

#include "report/views/picture.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

int rpFuzzPicture(const uint8_t* data, size_t size) {
  const QByteArray bytes = rpFuzzBytes(data, size);
  TrpPicture picture;
  if (picture.LoadFromData(bytes)) {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Draw(painter, QRect(0, 0, 64, 64), true);
    picture.Draw(painter, QRect(8, 8, 3, 40), false);
    picture.Image();
  }
  return 0;
}
