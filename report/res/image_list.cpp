#include "report/res/image_list.h"

#include <algorithm>
#include <cmath>

namespace {

QImage withTransparentColour(QImage tile, QRgb transparent) {
  tile = tile.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < tile.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < tile.width(); ++x) {
      if ((line[x] & RGB_MASK) == (transparent & RGB_MASK)) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return tile;
}

int washedOutLevel(QRgb pixel) {
  const int mean = (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
  const int level = static_cast<int>(std::nearbyint(mean / 3.0)) + 150;
  return std::min(level, 255);
}

}  // namespace

int TrpImageList::AppendStrip(const QImage& strip, QColor transparent) {
  if (strip.isNull() || FTileSize <= 0) return 0;
  const int columns = strip.width() / FTileSize;
  const int rows = strip.height() / FTileSize;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const QImage tile = strip.copy(c * FTileSize, r * FTileSize, FTileSize, FTileSize);
      FImages.append(withTransparentColour(tile, transparent.rgb()));
    }
  }
  return rows * columns;
}

QImage rpDisabledCopy(const QImage& image) {
  QImage copy = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < copy.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x) {
      const int g = washedOutLevel(line[x]);
      line[x] = qRgba(g, g, g, qAlpha(line[x]));
    }
  }
  return copy;
}
