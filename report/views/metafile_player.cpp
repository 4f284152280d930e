#include "report/views/metafile_player.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QtEndian>

#include <cmath>
#include <numeric>

#include "report/text/color_names.h"

namespace {

// Text alignment flags of the records.
constexpr quint32 kUpdateCurrentPosition = 1;
constexpr quint32 kRight = 2;
constexpr quint32 kCenter = 6;
constexpr quint32 kBottom = 8;
constexpr quint32 kBaseline = 24;

QColor colorOf(quint32 colorRef) { return rpToQColor(static_cast<TColor>(colorRef & 0xFFFFFF)); }

}  // namespace

TrpGdiObject rpMakeGdiPen(quint32 style, int width, quint32 color) {
  TrpGdiObject o;
  o.kind = TrpGdiObject::Pen;
  static const Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                         Qt::DashDotDotLine};
  const quint32 s = style & 0x0F;
  if (s == 5)  // PS_NULL
    o.pen = QPen(Qt::NoPen);
  else
    o.pen = QPen(colorOf(color), width <= 1 ? 0 : width, s < 5 ? kStyles[s] : Qt::SolidLine);
  return o;
}

TrpGdiObject rpMakeGdiBrush(quint32 style, quint32 color, quint32 hatch) {
  TrpGdiObject o;
  o.kind = TrpGdiObject::Brush;
  static const Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,     Qt::FDiagPattern,
                                            Qt::BDiagPattern, Qt::CrossPattern,   Qt::DiagCrossPattern};
  if (style == 1)  // BS_NULL
    o.brush = QBrush(Qt::NoBrush);
  else if (style == 2 && hatch < 6)
    o.brush = QBrush(colorOf(color), kHatches[hatch]);
  else
    o.brush = QBrush(colorOf(color));
  return o;
}

TrpGdiObject rpMakeGdiFont(int height, int escapement, int weight, bool italic, bool underline,
                           bool strikeOut, int charset, const QString& face) {
  TrpGdiObject o;
  o.kind = TrpGdiObject::Font;
  o.font.setFamily(face.isEmpty() ? QStringLiteral("Liberation Sans") : face);
  // Weights run 100..900 in both systems' scales; 0 is the normal weight.
  o.font.setWeight(weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  o.font.setItalic(italic);
  o.font.setUnderline(underline);
  o.font.setStrikeOut(strikeOut);
  o.height = height;
  o.escapement = escapement;
  o.charset = charset;
  return o;
}

qint64 rpDibInfoSize(const QByteArray& packed) {
  if (packed.size() < 4) return 0;
  const quint32 headerSize = qFromLittleEndian<quint32>(packed.constData());
  if (headerSize == 12) {  // the old core header: 16-bit sizes, three-byte colours
    if (packed.size() < 12) return 0;
    const int bits = qFromLittleEndian<quint16>(packed.constData() + 10);
    return 12 + (bits <= 8 ? 3LL << bits : 0);
  }
  if (headerSize < 40 || packed.size() < 40) return 0;
  const int bits = qFromLittleEndian<quint16>(packed.constData() + 14);
  const quint32 compression = qFromLittleEndian<quint32>(packed.constData() + 16);
  const quint32 used = qFromLittleEndian<quint32>(packed.constData() + 32);
  qint64 colors = used != 0 ? used : bits <= 8 ? 1LL << bits : 0;
  qint64 masks = headerSize == 40 && compression == 3 ? 12 : 0;  // BI_BITFIELDS
  return headerSize + masks + 4 * colors;
}

// The bitmap file the header and rows make, read by Qt's bitmap reader.
QImage rpDecodeDib(const QByteArray& info, const QByteArray& bits) {
  if (info.isEmpty() || bits.isEmpty()) return {};
  QByteArray file("BM");
  char field[4];
  qToLittleEndian<quint32>(static_cast<quint32>(14 + info.size() + bits.size()), field);
  file.append(field, 4);
  file.append(4, '\0');
  qToLittleEndian<quint32>(static_cast<quint32>(14 + info.size()), field);
  file.append(field, 4);
  file += info;
  file += bits;
  return QImage::fromData(file, "BMP");
}

TrpMetafilePlayer::TrpMetafilePlayer(QPainter& canvas, const QRectF& bounds, const QRectF& target)
    : FCanvas(canvas), FWindow(bounds), FTarget(target) {
  FCanvas.setPen(QPen(Qt::black, 0));
  FCanvas.setBrush(Qt::white);
  FFont = rpMakeGdiFont(0, 0, 0, false, false, false, 0, QString());
}

QPointF TrpMetafilePlayer::Map(double x, double y) const {
  const double sx = FWindow.width() != 0 ? FTarget.width() / FWindow.width() : 0;
  const double sy = FWindow.height() != 0 ? FTarget.height() / FWindow.height() : 0;
  return {FTarget.left() + (x - FWindow.left()) * sx, FTarget.top() + (y - FWindow.top()) * sy};
}

QRectF TrpMetafilePlayer::MapRect(double l, double t, double r, double b) const {
  return QRectF(Map(l, t), Map(r, b)).normalized();
}

void TrpMetafilePlayer::SetWindowOrg(double x, double y) { FWindow.moveTopLeft(QPointF(x, y)); }

void TrpMetafilePlayer::SetWindowExt(double cx, double cy) {
  if (cx != 0 && cy != 0) FWindow.setSize(QSizeF(cx, cy));
}

void TrpMetafilePlayer::Create(const TrpGdiObject& object, int index) {
  if (index < 0) {
    index = 0;
    while (index < static_cast<int>(FObjects.size()) && FObjects[index].kind != TrpGdiObject::None) ++index;
  }
  if (index > 65535) return;
  if (index >= static_cast<int>(FObjects.size())) FObjects.resize(index + 1);
  FObjects[index] = object;
}

void TrpMetafilePlayer::Select(quint32 index) {
  if (index & 0x80000000u) return SelectStock(index & 0x7FFFFFFFu);
  if (index >= FObjects.size()) return;
  const TrpGdiObject& o = FObjects[index];
  if (o.kind == TrpGdiObject::Pen) FCanvas.setPen(o.pen);
  if (o.kind == TrpGdiObject::Brush) FCanvas.setBrush(o.brush);
  if (o.kind == TrpGdiObject::Font) FFont = o;
}

void TrpMetafilePlayer::Delete(quint32 index) {
  if (index < FObjects.size()) FObjects[index] = TrpGdiObject();
}

// WHITE_BRUSH 0 ... BLACK_BRUSH 4, NULL_BRUSH 5, WHITE_PEN 6, BLACK_PEN 7, NULL_PEN 8; the stock
// fonts (10 and up) are the default font.
void TrpMetafilePlayer::SelectStock(quint32 id) {
  static const int kGrey[] = {255, 192, 128, 64, 0};
  if (id <= 4) FCanvas.setBrush(QColor(kGrey[id], kGrey[id], kGrey[id]));
  else if (id == 5) FCanvas.setBrush(Qt::NoBrush);
  else if (id == 6) FCanvas.setPen(QPen(Qt::white, 0));
  else if (id == 7) FCanvas.setPen(QPen(Qt::black, 0));
  else if (id == 8) FCanvas.setPen(Qt::NoPen);
  else if (id >= 10 && id <= 17) FFont = rpMakeGdiFont(0, 0, 0, false, false, false, 0, QString());
}

void TrpMetafilePlayer::MoveTo(double x, double y) { FPos = Map(x, y); }

void TrpMetafilePlayer::LineTo(double x, double y) {
  const QPointF to = Map(x, y);
  FCanvas.drawLine(FPos, to);
  FPos = to;
}

void TrpMetafilePlayer::SetTextColor(quint32 color) { FTextColor = colorOf(color); }

// The selected font at the target's scale. A positive height is that of the character cell, which
// is larger than the characters' own: the pixel size is reduced by the face's proportion.
QFont TrpMetafilePlayer::DeviceFont() const {
  const double sy = FWindow.height() != 0 ? std::abs(FTarget.height() / FWindow.height()) : 1;
  double pixels = FFont.height == 0 ? 16 * sy : std::abs(FFont.height) * sy;
  QFont font = FFont.font;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  if (FFont.height > 0) {
    const double cell = QFontMetricsF(font).height();
    if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / cell))));
  }
  return font;
}

void TrpMetafilePlayer::Text(double x, double y, const QString& text, const std::vector<int>& dx) {
  if (text.isEmpty()) return;
  const QPointF at = (FTextAlign & kUpdateCurrentPosition) ? FPos : Map(x, y);
  const QFont font = DeviceFont();
  const QFontMetricsF metrics(font);
  const double sx = FWindow.width() != 0 ? std::abs(FTarget.width() / FWindow.width()) : 1;
  // Each character's advance: the record's when it gives them, else the face's.
  std::vector<double> advances;
  for (int i = 0; i < text.size(); ++i)
    advances.push_back(i < static_cast<int>(dx.size()) ? dx[i] * sx : metrics.horizontalAdvance(text[i]));
  const double width = std::accumulate(advances.begin(), advances.end(), 0.0);
  double left = 0;
  if ((FTextAlign & kCenter) == kCenter) left = -width / 2;
  else if (FTextAlign & kRight) left = -width;
  double baseline = metrics.ascent();
  if ((FTextAlign & kBaseline) == kBaseline) baseline = 0;
  else if (FTextAlign & kBottom) baseline = -metrics.descent();

  FCanvas.save();
  FCanvas.translate(at);
  if (FFont.escapement != 0) FCanvas.rotate(-FFont.escapement / 10.0);
  FCanvas.setFont(font);
  FCanvas.setPen(FTextColor);
  if (dx.empty()) {
    FCanvas.drawText(QPointF(left, baseline), text);
  } else {
    double pen = left;
    for (int i = 0; i < text.size(); ++i) {
      FCanvas.drawText(QPointF(pen, baseline), QString(text[i]));
      pen += advances[i];
    }
  }
  FCanvas.restore();
  if (FTextAlign & kUpdateCurrentPosition) {
    const double angle = FFont.escapement / 10.0 * M_PI / 180;
    FPos = at + QPointF(width * std::cos(angle), -width * std::sin(angle));
  }
}

void TrpMetafilePlayer::Bitmap(double x, double y, double w, double h, const QImage& image,
                               const QRectF& source) {
  if (image.isNull()) return;
  const QRectF target = MapRect(x, y, x + w, y + h);
  // A negative extent mirrors the picture along that axis.
  const bool flipX = (w < 0) != (Map(1, 0).x() < Map(0, 0).x());
  const bool flipY = (h < 0) != (Map(0, 1).y() < Map(0, 0).y());
  const QImage shown = flipX || flipY ? image.mirrored(flipX, flipY) : image;
  QRectF from = source.isEmpty() ? QRectF(shown.rect()) : source;
  if (flipX) from.moveLeft(shown.width() - from.right());
  if (flipY) from.moveTop(shown.height() - from.bottom());
  FCanvas.drawImage(target, shown, from);
}
