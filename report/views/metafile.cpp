#include "report/views/metafile.h"

#include <QPainter>
#include <QPolygonF>
#include <QtEndian>

#include <cmath>
#include <vector>

#include "report/objects/charset.h"
#include "report/units/report_units.h"
#include "report/views/metafile_player.h"

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
constexpr quint32 kEmfSignature = 0x464D4520u;

// Little-endian reads that never run past the data: out-of-range reads give 0.
struct Reader {
  const QByteArray& data;
  qint64 size() const { return data.size(); }
  bool has(qint64 at, qint64 n) const { return at >= 0 && n >= 0 && at + n <= data.size(); }
  quint16 u16(qint64 at) const {
    return has(at, 2) ? qFromLittleEndian<quint16>(data.constData() + at) : 0;
  }
  qint16 i16(qint64 at) const { return static_cast<qint16>(u16(at)); }
  quint8 u8(qint64 at) const { return has(at, 1) ? static_cast<quint8>(data[at]) : 0; }
  quint32 u32(qint64 at) const {
    return has(at, 4) ? qFromLittleEndian<quint32>(data.constData() + at) : 0;
  }
  qint32 i32(qint64 at) const { return static_cast<qint32>(u32(at)); }
};

int pixels(double units, double perInch) {
  return perInch > 0 ? static_cast<int>(rpRound(units * 96.0 / perInch)) : 0;
}


// Text of a record: 8-bit in the code page of the selected font's character set, or UTF-16.
QString ansiText(const Reader& r, qint64 at, int count, int charset) {
  if (count <= 0 || !r.has(at, count)) return {};
  return rpCharsetToUnicode(r.data.mid(at, count), charset);
}
QString wideText(const Reader& r, qint64 at, int count) {
  if (count <= 0 || !r.has(at, 2LL * count)) return {};
  QString text(count, Qt::Uninitialized);
  for (int i = 0; i < count; ++i) text[i] = QChar(r.u16(at + 2 * i));
  return text;
}
// A face name: NUL-terminated, 8-bit (32 bytes) or UTF-16 (32 characters).
QString faceName(const Reader& r, qint64 at, bool wide) {
  QString face;
  for (int i = 0; i < 32; ++i) {
    const quint16 c = wide ? r.u16(at + 2 * i) : r.u8(at + i);
    if (c == 0) break;
    face += QChar(c);
  }
  return face;
}
// The advances that follow a text, when the record has room for them.
std::vector<int> advances(const Reader& r, qint64 at, int count, int size, qint64 end) {
  std::vector<int> dx;
  if (at <= 0 || at + qint64(size) * count > end) return dx;
  for (int i = 0; i < count; ++i) dx.push_back(size == 2 ? r.i16(at + 2 * i) : r.i32(at + 4 * i));
  return dx;
}
// A bitmap whose header and rows lie at the given places of the record.
QImage bitmapAt(const Reader& r, qint64 info, qint64 infoSize, qint64 bits, qint64 bitsSize) {
  if (infoSize <= 0 || bitsSize <= 0 || !r.has(info, infoSize) || !r.has(bits, bitsSize)) return {};
  return rpDecodeDib(r.data.mid(info, infoSize), r.data.mid(bits, bitsSize));
}
// A packed bitmap from `at` to the record's end.
QImage packedBitmap(const Reader& r, qint64 at, qint64 end) {
  if (at >= end || !r.has(at, end - at)) return {};
  const QByteArray packed = r.data.mid(at, end - at);
  const qint64 info = rpDibInfoSize(packed);
  if (info <= 0 || info >= packed.size()) return {};
  return rpDecodeDib(packed.left(info), packed.mid(info));
}

}  // namespace

std::shared_ptr<const TrpMetafile> TrpMetafile::Parse(const QByteArray& bytes) {
  const Reader r{bytes};
  auto m = std::make_shared<TrpMetafile>();
  m->FData = bytes;
  if (r.has(0, 22) && r.u32(0) == kPlaceableKey) {
    const double l = r.i16(6), t = r.i16(8), right = r.i16(10), b = r.i16(12);
    const int inch = r.u16(14);
    if (inch == 0) return nullptr;
    m->FBounds = QRectF(QPointF(l, t), QPointF(right, b));
    m->FWidth = pixels(std::abs(right - l), inch);
    m->FHeight = pixels(std::abs(b - t), inch);
    // The standard header follows; its size is given in 16-bit words.
    m->FRecords = 22 + 2 * static_cast<int>(r.u16(22 + 2));
    return m;
  }
  if (r.has(0, 108) && r.u32(40) == kEmfSignature && r.u32(0) == 1) {
    m->FEnhanced = true;
    // In double: the header's 32-bit values may be anything, and their differences overflow int.
    const auto at = [&r](int offset) { return static_cast<double>(r.i32(offset)); };
    m->FBounds = QRectF(QPointF(at(8), at(12)), QPointF(at(16) + 1, at(20) + 1));
    // The frame is in hundredths of a millimetre.
    m->FWidth = pixels(std::abs(at(32) - at(24)), 2540);
    m->FHeight = pixels(std::abs(at(36) - at(28)), 2540);
    m->FRecords = static_cast<int>(r.u32(4));
    return m;
  }
  return nullptr;
}

void TrpMetafile::Draw(QPainter& canvas, const QRectF& target) const {
  if (target.isEmpty()) return;
  canvas.save();
  canvas.setClipRect(target, Qt::IntersectClip);
  if (FEnhanced)
    PlayEmf(canvas, target);
  else
    PlayWmf(canvas, target);
  canvas.restore();
}

void TrpMetafile::PlayWmf(QPainter& canvas, const QRectF& target) const {
  const Reader r{FData};
  TrpMetafilePlayer p(canvas, FBounds, target);
  qint64 at = FRecords;
  while (r.has(at, 6)) {
    const qint64 size = 2 * static_cast<qint64>(r.u32(at));  // in 16-bit words
    const quint16 function = r.u16(at + 4);
    if (function == 0 || size < 6 || !r.has(at, size)) break;
    const qint64 a = at + 6;  // parameters, in reverse order of the platform call
    switch (function) {
      case 0x020B: p.SetWindowOrg(r.i16(a + 2), r.i16(a)); break;
      case 0x020C: p.SetWindowExt(r.i16(a + 2), r.i16(a)); break;
      case 0x0214: p.MoveTo(r.i16(a + 2), r.i16(a)); break;
      case 0x0213: p.LineTo(r.i16(a + 2), r.i16(a)); break;
      case 0x041B:
        canvas.drawRect(p.MapRect(r.i16(a + 6), r.i16(a + 4), r.i16(a + 2), r.i16(a)));
        break;
      case 0x0418:
        canvas.drawEllipse(p.MapRect(r.i16(a + 6), r.i16(a + 4), r.i16(a + 2), r.i16(a)));
        break;
      case 0x0324:
      case 0x0325: {
        const int n = r.i16(a);
        if (n <= 0 || !r.has(a + 2, 4LL * n)) break;
        QPolygonF poly;
        for (int i = 0; i < n; ++i) poly << p.Map(r.i16(a + 2 + 4 * i), r.i16(a + 4 + 4 * i));
        if (function == 0x0324)
          canvas.drawPolygon(poly);
        else
          canvas.drawPolyline(poly);
        break;
      }
      case 0x02FA: p.Create(rpMakeGdiPen(r.u16(a), r.i16(a + 2), r.u32(a + 6))); break;
      case 0x02FC: p.Create(rpMakeGdiBrush(r.u16(a), r.u32(a + 2), r.u16(a + 6))); break;
      case 0x02FB:  // font: height, width, escapement, orientation, weight, italic ... face
        p.Create(rpMakeGdiFont(r.i16(a), r.i16(a + 4), r.i16(a + 8), r.u8(a + 10) != 0, r.u8(a + 11) != 0,
                               r.u8(a + 12) != 0, r.u8(a + 13), faceName(r, a + 18, false)));
        break;
      case 0x0209: p.SetTextColor(r.u32(a)); break;
      case 0x012E: p.SetTextAlign(r.u16(a)); break;
      case 0x0521: {  // text: count, the string (padded to whole words), y, x
        const int n = r.i16(a);
        const qint64 after = a + 2 + ((n + 1) & ~1);
        p.Text(r.i16(after + 2), r.i16(after), ansiText(r, a + 2, n, p.Charset()));
        break;
      }
      case 0x0A32: {  // text: y, x, count, options, [rectangle], the string, [advances]
        const int n = r.i16(a + 4);
        const qint64 text = a + 8 + ((r.u16(a + 6) & 0x06) ? 8 : 0);  // clipped or opaque
        p.Text(r.i16(a + 2), r.i16(a), ansiText(r, text, n, p.Charset()),
               advances(r, text + ((n + 1) & ~1), n, 2, at + size));
        break;
      }
      case 0x0F43:  // bitmap: operation, usage, source h, w, y, x, target h, w, y, x, the bitmap
        p.Bitmap(r.i16(a + 20), r.i16(a + 18), r.i16(a + 16), r.i16(a + 14), packedBitmap(r, a + 22, at + size),
                 QRectF(r.i16(a + 12), r.i16(a + 10), r.i16(a + 8), r.i16(a + 6)));
        break;
      case 0x0B41:  // bitmap: operation, source h, w, y, x, target h, w, y, x, the bitmap
        if (size > 6 + 22)
          p.Bitmap(r.i16(a + 18), r.i16(a + 16), r.i16(a + 14), r.i16(a + 12), packedBitmap(r, a + 20, at + size),
                   QRectF(r.i16(a + 10), r.i16(a + 8), r.i16(a + 6), r.i16(a + 4)));
        break;
      case 0x0940:  // bitmap: operation, source y, x, height, width, target y, x, the bitmap
        if (size > 6 + 18)
          p.Bitmap(r.i16(a + 14), r.i16(a + 12), r.i16(a + 10), r.i16(a + 8), packedBitmap(r, a + 16, at + size),
                   QRectF(r.i16(a + 6), r.i16(a + 4), r.i16(a + 10), r.i16(a + 8)));
        break;
      case 0x012D: p.Select(r.u16(a)); break;
      case 0x01F0: p.Delete(r.u16(a)); break;
      default:
        // Other records either allocate a table slot (palettes, regions) or draw nothing this
        // player renders (clipping, palettes).
        if (function == 0x00F7 || function == 0x06FF || function == 0x0142 || function == 0x01F9) {
          TrpGdiObject placeholder;
          placeholder.kind = TrpGdiObject::Other;
          p.Create(placeholder);
        }
        break;
    }
    at += size;
  }
}

void TrpMetafile::PlayEmf(QPainter& canvas, const QRectF& target) const {
  const Reader r{FData};
  TrpMetafilePlayer p(canvas, FBounds, target);
  qint64 at = FRecords;
  while (r.has(at, 8)) {
    const quint32 type = r.u32(at);
    const qint64 size = r.u32(at + 4);
    if (size < 8 || (size & 3) || !r.has(at, size)) break;
    const qint64 a = at + 8;
    switch (type) {
      case 14: return;  // EMR_EOF
      case 9: p.SetWindowExt(r.i32(a), r.i32(a + 4)); break;
      case 10: p.SetWindowOrg(r.i32(a), r.i32(a + 4)); break;
      case 27: p.MoveTo(r.i32(a), r.i32(a + 4)); break;
      case 54: p.LineTo(r.i32(a), r.i32(a + 4)); break;
      case 43: canvas.drawRect(p.MapRect(r.i32(a), r.i32(a + 4), r.i32(a + 8), r.i32(a + 12))); break;
      case 42:
        canvas.drawEllipse(p.MapRect(r.i32(a), r.i32(a + 4), r.i32(a + 8), r.i32(a + 12)));
        break;
      case 3: case 4: case 86: case 87: {  // polygon, polyline; 32- and 16-bit points
        const bool small = type >= 86;
        const qint64 n = r.u32(a + 16);
        const qint64 step = small ? 4 : 8;
        if (n <= 0 || !r.has(a + 20, n * step)) break;
        QPolygonF poly;
        for (qint64 i = 0; i < n; ++i) {
          const qint64 pt = a + 20 + i * step;
          poly << (small ? p.Map(r.i16(pt), r.i16(pt + 2)) : p.Map(r.i32(pt), r.i32(pt + 4)));
        }
        if (type == 3 || type == 86)
          canvas.drawPolygon(poly);
        else
          canvas.drawPolyline(poly);
        break;
      }
      case 38:  // pen: index, style, width (x, y), colour
        p.Create(rpMakeGdiPen(r.u32(a + 4), r.i32(a + 8), r.u32(a + 16)), static_cast<int>(r.u32(a)));
        break;
      case 39:  // brush: index, style, colour, hatch
        p.Create(rpMakeGdiBrush(r.u32(a + 4), r.u32(a + 8), r.u32(a + 12)), static_cast<int>(r.u32(a)));
        break;
      case 82:  // font: index, height, width, escapement, orientation, weight, italic ... face
        p.Create(rpMakeGdiFont(r.i32(a + 4), r.i32(a + 12), r.i32(a + 20), r.u8(a + 24) != 0,
                               r.u8(a + 25) != 0, r.u8(a + 26) != 0, r.u8(a + 27),
                               faceName(r, a + 32, true)),
                 static_cast<int>(r.u32(a)));
        break;
      case 24: p.SetTextColor(r.u32(a)); break;
      case 22: p.SetTextAlign(r.u32(a)); break;
      case 83:
      case 84: {  // text: bounds, mode, scales, then reference point, count, string offset, ...
        const int n = static_cast<int>(r.u32(at + 44));
        const qint64 text = at + r.u32(at + 48), dx = r.u32(at + 72);
        const QString s = type == 84 ? wideText(r, text, n) : ansiText(r, text, n, p.Charset());
        p.Text(r.i32(at + 36), r.i32(at + 40), s, advances(r, dx > 0 ? at + dx : 0, n, 4, at + size));
        break;
      }
      case 81:  // bitmap: bounds, target x, y, source x, y, w, h, header and rows, ..., target w, h
        p.Bitmap(r.i32(at + 24), r.i32(at + 28), r.i32(at + 72), r.i32(at + 76),
                 bitmapAt(r, at + r.u32(at + 48), r.u32(at + 52), at + r.u32(at + 56), r.u32(at + 60)),
                 QRectF(r.i32(at + 32), r.i32(at + 36), r.i32(at + 40), r.i32(at + 44)));
        break;
      case 76:
      case 77: {  // bitmap: bounds, target x, y, w, h, operation, source x, y, ..., header and rows
        const bool stretch = type == 77;
        const double w = r.i32(at + 32), h = r.i32(at + 36);
        p.Bitmap(r.i32(at + 24), r.i32(at + 28), w, h,
                 bitmapAt(r, at + r.u32(at + 84), r.u32(at + 88), at + r.u32(at + 92), r.u32(at + 96)),
                 QRectF(r.i32(at + 44), r.i32(at + 48), stretch ? r.i32(at + 100) : w, stretch ? r.i32(at + 104) : h));
        break;
      }
      case 37: p.Select(r.u32(a)); break;
      case 40: p.Delete(r.u32(a)); break;
      default: break;
    }
    at += size;
  }
}
