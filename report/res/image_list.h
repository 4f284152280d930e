#pragma once
// A list of equally sized pictures cut from a strip, as the tool bars use them.
#include <QColor>
#include <QImage>
#include <QList>

class TrpImageList {
 public:
  explicit TrpImageList(int tileSize) : FTileSize(tileSize) {}

  int TileSize() const { return FTileSize; }
  int Count() const { return static_cast<int>(FImages.size()); }
  bool IsEmpty() const { return FImages.isEmpty(); }
  // Picture `index`; a null image when the index is out of range.
  QImage Image(int index) const { return FImages.value(index); }
  const QList<QImage>& Images() const { return FImages; }

  void Clear() { FImages.clear(); }
  void Append(const QImage& tile) { FImages.append(tile); }

  // Cuts `strip` into square tiles left to right, top to bottom (a partial tile at the right or
  // bottom edge is dropped), turns every pixel of `transparent` colour fully transparent, and
  // appends the tiles. Returns the number appended.
  int AppendStrip(const QImage& strip, QColor transparent);

 private:
  int FTileSize;
  QList<QImage> FImages;
};

// The washed-out copy of a picture shown on a disabled button: every pixel becomes the grey of
// level round(((red + green + blue) div 3) / 3) + 150, capped at 255; transparency is kept.
QImage rpDisabledCopy(const QImage& image);
