#include "report/views/picture.h"

#include <QBuffer>
#include <QIODevice>
#include <QPainter>
#include <QtEndian>

#include "report/objects/image_size_limit.h"
#include "report/views/jpeg_decoder.h"
#include "report/views/metafile.h"

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

quint16 u16(const QByteArray& b, qsizetype at) {
  return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray& b, qsizetype at) {
  return qFromLittleEndian<quint32>(b.constData() + at);
}

// Decodes a raster format through Qt's readers.
QImage qtDecode(const QByteArray& bytes, const char* format) {
  QImage image;
  image.loadFromData(bytes, format);
  return image;
}

}  // namespace

TrpGraphicKind rpSniffGraphic(const QByteArray& b) {
  const qsizetype n = b.size();
  if (n >= 14 && b.startsWith("BM")) return TrpGraphicKind::Bitmap;
  if (n >= 2 && static_cast<uchar>(b[0]) == 0xFF && static_cast<uchar>(b[1]) == 0xD8)
    return TrpGraphicKind::Jpeg;
  if (n >= 8 && b.startsWith(kPngSignature)) return TrpGraphicKind::Png;
  if (n >= 22 && u32(b, 0) == 0x9AC6CDD7u) return TrpGraphicKind::Metafile;
  if (n >= 108 && u32(b, 40) == 0x464D4520u) return TrpGraphicKind::EnhancedMetafile;
  if (n >= 6 && u16(b, 2) < 2) return TrpGraphicKind::Icon;
  return TrpGraphicKind::None;
}

TrpPicture::TrpPicture() = default;
TrpPicture::~TrpPicture() = default;
TrpPicture::TrpPicture(const TrpPicture& other) = default;
TrpPicture& TrpPicture::operator=(const TrpPicture& other) = default;

bool TrpPicture::IsMetafile() const {
  return FKind == TrpGraphicKind::Metafile || FKind == TrpGraphicKind::EnhancedMetafile;
}

int TrpPicture::Width() const { return FMetafile ? FMetafile->Width() : FImage.width(); }
int TrpPicture::Height() const { return FMetafile ? FMetafile->Height() : FImage.height(); }

bool TrpPicture::HasAlpha() const { return !FMetafile && FImage.hasAlphaChannel(); }

QImage TrpPicture::Image() const {
  if (!FMetafile) return FImage;
  if (!rpImageSizeAllowed(Width(), Height())) return QImage();
  QImage image(Width(), Height(), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return image;
  image.fill(Qt::transparent);
  QPainter painter(&image);
  FMetafile->Draw(painter, QRectF(0, 0, Width(), Height()));
  return image;
}

void TrpPicture::Clear() {
  FKind = TrpGraphicKind::None;
  FData.clear();
  FImage = QImage();
  FMetafile.reset();
}

bool TrpPicture::LoadFromData(const QByteArray& bytes) {
  Clear();
  const TrpGraphicKind kind = rpSniffGraphic(bytes);
  QImage image;
  std::shared_ptr<const TrpMetafile> metafile;
  switch (kind) {
    case TrpGraphicKind::None: return false;
    case TrpGraphicKind::Bitmap: image = qtDecode(bytes, "BMP"); break;
    case TrpGraphicKind::Jpeg: image = rpDecodeJpeg(bytes); break;
    case TrpGraphicKind::Png: image = qtDecode(bytes, "PNG"); break;
    case TrpGraphicKind::Icon: image = qtDecode(bytes, "ICO"); break;
    case TrpGraphicKind::Metafile:
    case TrpGraphicKind::EnhancedMetafile: metafile = TrpMetafile::Parse(bytes); break;
  }
  // A damaged graphic leaves the picture empty rather than half-read.
  if (image.isNull() && !metafile) return false;
  FKind = kind;
  FData = bytes;
  FImage = image;
  FMetafile = metafile;
  return true;
}

int TrpPicture::LoadFromStream(QIODevice& stream, bool reset) {
  if (reset) stream.seek(0);
  QByteArray bytes = stream.readAll();
  // A length header (1, 0x0100, length of the rest) in front of the graphic is skipped only
  // when its length matches what follows it.
  if (bytes.size() >= 8 && u16(bytes, 0) == 1 && u16(bytes, 2) == 0x0100 &&
      static_cast<qint64>(u32(bytes, 4)) == bytes.size() - 8)
    bytes.remove(0, 8);
  return LoadFromData(bytes) ? 0 : rpInvalidArgument;
}

void TrpPicture::SetImage(const QImage& image) {
  Clear();
  if (image.isNull()) return;
  QBuffer buffer(&FData);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  FKind = TrpGraphicKind::Png;
  FImage = image;
}

void TrpPicture::Draw(QPainter& canvas, const QRect& target, bool smooth) const {
  if (IsEmpty() || target.isEmpty()) return;
  if (FMetafile) {
    FMetafile->Draw(canvas, QRectF(target));
    return;
  }
  canvas.save();
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  canvas.drawImage(target, FImage);
  canvas.restore();
}
