#pragma once
// Metafiles (placeable Windows metafiles and enhanced metafiles): their size from the header
// bounds, and a player for the drawing records that have a plain Qt counterpart — pens, brushes,
// fonts, lines, rectangles, ellipses, polygons and polylines, text and device-independent
// bitmaps, in the window's coordinate space. Records without one (clipping, palettes, raster
// operations other than copying) are skipped.
#include <QByteArray>
#include <QRectF>

#include <memory>

class QPainter;

class TrpMetafile {
 public:
  // The metafile of `bytes`, or none when they hold neither kind or the header is damaged.
  static std::shared_ptr<const TrpMetafile> Parse(const QByteArray& bytes);

  bool Enhanced() const { return FEnhanced; }
  // Size in pixels at 96 per inch.
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Plays the records into `target` (device pixels).
  void Draw(QPainter& canvas, const QRectF& target) const;

 private:
  void PlayWmf(QPainter& canvas, const QRectF& target) const;
  void PlayEmf(QPainter& canvas, const QRectF& target) const;

  QByteArray FData;
  bool FEnhanced = false;
  int FWidth = 0;
  int FHeight = 0;
  QRectF FBounds;  // logical bounds the picture occupies
  int FRecords = 0;  // offset of the first drawing record
};
