#pragma once
// The largest image the program allocates: the limit the platform's image readers apply
// (QImageReader::allocationLimit, 256 MiB of 32-bit pixels unless the program changes it). Sizes
// read from a file (a picture's header, a page's paper size, an object's bounds) are checked
// against it before an image is made, so a damaged or hostile file cannot make the program
// allocate gigabytes.
#include <QImageReader>
#include <QSize>

inline bool rpImageSizeAllowed(qint64 width, qint64 height) {
  if (width <= 0 || height <= 0) return false;
  const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
  if (limitBytes <= 0) return width <= (qint64(1) << 31) && height <= (qint64(1) << 31);
  return width <= limitBytes / 4 / height;
}

inline bool rpImageSizeAllowed(const QSize& size) { return rpImageSizeAllowed(size.width(), size.height()); }
