#pragma once
// TrpPicture: the graphic a picture object shows — a bitmap, JPEG, PNG, icon or metafile — kept
// both decoded (for drawing) and as the bytes of its own file format (for writing it to report
// files and the prepared pages' picture cache, and reading it back unchanged).
#include <QByteArray>
#include <QImage>

#include <memory>

class QIODevice;
class QPainter;
class QRect;
class TrpMetafile;

enum class TrpGraphicKind { None, Bitmap, Jpeg, Png, Icon, Metafile, EnhancedMetafile };

// The platform's invalid-argument result: the stream held no picture that could be read.
constexpr int rpInvalidArgument = static_cast<int>(0x80070057u);

class TrpPicture {
 public:
  TrpPicture();
  ~TrpPicture();
  TrpPicture(const TrpPicture& other);
  TrpPicture& operator=(const TrpPicture& other);

  bool IsEmpty() const { return FKind == TrpGraphicKind::None; }
  TrpGraphicKind Kind() const { return FKind; }
  bool IsMetafile() const;
  // Size in pixels (for metafiles, from their header bounds).
  int Width() const;
  int Height() const;
  // The decoded image; for a metafile its rendering at its own size.
  QImage Image() const;
  // The graphic in its own file format, exactly as it was read.
  const QByteArray& Data() const { return FData; }
  // Whether the graphic carries transparency of its own (an alpha channel, an icon's mask).
  bool HasAlpha() const;

  void Clear();
  // Recognises the format of `bytes` (see rpSniffGraphic) and decodes it. False, and the picture
  // cleared, when the format is unknown or the data cannot be decoded.
  bool LoadFromData(const QByteArray& bytes);
  // Reads a graphic from `stream` as a picture object does: from the start when `reset`, else
  // from the current position; an 8-byte length header in front of the graphic is skipped when
  // its length matches the rest of the stream. 0 on success, rpInvalidArgument otherwise.
  int LoadFromStream(QIODevice& stream, bool reset);
  // A bitmap of `image`, kept as PNG bytes so that nothing of it is lost.
  void SetImage(const QImage& image);

  // Draws the graphic into `target` (device pixels), smoothly when `smooth`.
  void Draw(QPainter& canvas, const QRect& target, bool smooth) const;

 private:
  TrpGraphicKind FKind = TrpGraphicKind::None;
  QByteArray FData;
  QImage FImage;
  std::shared_ptr<const TrpMetafile> FMetafile;
};

// The kind of graphic `bytes` begin with, checked in this order: "BM" (at least 14 bytes), JPEG
// start of image, the PNG signature, a placeable metafile key (at least 22 bytes), " EMF" at
// offset 40 (at least 108 bytes), an icon (at least 6 bytes, 16-bit type at offset 2 below 2).
TrpGraphicKind rpSniffGraphic(const QByteArray& bytes);
