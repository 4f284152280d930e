#include "report/model/metafile.h"

#include <QPainter>
#include <QPolygonF>
#include <QtEndian>

#include <cmath>
#include <vector>

#include "report/text/color_names.h"
#include "report/units/report_units.h"

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
  quint32 u32(qint64 at) const {
    return has(at, 4) ? qFromLittleEndian<quint32>(data.constData() + at) : 0;
  }
  qint32 i32(qint64 at) const { return static_cast<qint32>(u32(at)); }
};

int pixels(double units, double perInch) {
  return perInch > 0 ? static_cast<int>(rpRound(units * 96.0 / perInch)) : 0;
}

// A pen or brush of the metafile's object table.
struct GdiObject {
  enum Kind { None, Pen, Brush, Other } kind = None;  // Other: a font, palette or region
  QPen pen;
  QBrush brush;
};

QPen makePen(quint32 style, int width, quint32 color) {
  if ((style & 0x0F) == 5) return QPen(Qt::NoPen);  // PS_NULL
  static const Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                         Qt::DashDotLine, Qt::DashDotDotLine};
  const quint32 s = style & 0x0F;
  QPen pen(rpToQColor(static_cast<TColor>(color & 0xFFFFFF)), width <= 1 ? 0 : width,
           s < 5 ? kStyles[s] : Qt::SolidLine);
  return pen;
}

QBrush makeBrush(quint32 style, quint32 color, quint32 hatch) {
  static const Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
  const QColor c = rpToQColor(static_cast<TColor>(color & 0xFFFFFF));
  if (style == 1) return QBrush(Qt::NoBrush);  // BS_NULL
  if (style == 2 && hatch < 6) return QBrush(c, kHatches[hatch]);
  return QBrush(c);
}

// The state of a player: object table, current position, window mapping.
class Player {
 public:
  Player(QPainter& canvas, const QRectF& bounds, const QRectF& target)
      : FCanvas(canvas), FWindow(bounds), FTarget(target) {
    FCanvas.setPen(QPen(Qt::black, 0));
    FCanvas.setBrush(Qt::white);
  }

  QPointF Map(double x, double y) const {
    const double sx = FWindow.width() != 0 ? FTarget.width() / FWindow.width() : 0;
    const double sy = FWindow.height() != 0 ? FTarget.height() / FWindow.height() : 0;
    return {FTarget.left() + (x - FWindow.left()) * sx, FTarget.top() + (y - FWindow.top()) * sy};
  }
  QRectF MapRect(double l, double t, double r, double b) const {
    return QRectF(Map(l, t), Map(r, b)).normalized();
  }

  void SetWindowOrg(double x, double y) { FWindow.moveTopLeft(QPointF(x, y)); }
  void SetWindowExt(double cx, double cy) {
    if (cx != 0 && cy != 0) FWindow.setSize(QSizeF(cx, cy));
  }

  // Puts `object` into the first free slot (or slot `index` when given).
  void Create(const GdiObject& object, int index = -1) {
    if (index < 0) {
      index = 0;
      while (index < static_cast<int>(FObjects.size()) && FObjects[index].kind != GdiObject::None)
        ++index;
    }
    if (index > 65535) return;
    if (index >= static_cast<int>(FObjects.size())) FObjects.resize(index + 1);
    FObjects[index] = object;
  }
  void Select(quint32 index) {
    if (index & 0x80000000u) return SelectStock(index & 0x7FFFFFFFu);
    if (index >= FObjects.size()) return;
    const GdiObject& o = FObjects[index];
    if (o.kind == GdiObject::Pen) FCanvas.setPen(o.pen);
    if (o.kind == GdiObject::Brush) FCanvas.setBrush(o.brush);
  }
  void Delete(quint32 index) {
    if (index < FObjects.size()) FObjects[index] = GdiObject();
  }

  void MoveTo(double x, double y) { FPos = Map(x, y); }
  void LineTo(double x, double y) {
    const QPointF to = Map(x, y);
    FCanvas.drawLine(FPos, to);
    FPos = to;
  }

  QPainter& Canvas() { return FCanvas; }

 private:
  // WHITE_BRUSH 0 ... BLACK_BRUSH 4, NULL_BRUSH 5, WHITE_PEN 6, BLACK_PEN 7, NULL_PEN 8.
  void SelectStock(quint32 id) {
    static const int kGrey[] = {255, 192, 128, 64, 0};
    if (id <= 4) FCanvas.setBrush(QColor(kGrey[id], kGrey[id], kGrey[id]));
    else if (id == 5) FCanvas.setBrush(Qt::NoBrush);
    else if (id == 6) FCanvas.setPen(QPen(Qt::white, 0));
    else if (id == 7) FCanvas.setPen(QPen(Qt::black, 0));
    else if (id == 8) FCanvas.setPen(Qt::NoPen);
  }

  QPainter& FCanvas;
  QRectF FWindow;
  QRectF FTarget;
  std::vector<GdiObject> FObjects;
  QPointF FPos;
};

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
    m->FBounds = QRectF(QPointF(r.i32(8), r.i32(12)), QPointF(r.i32(16) + 1, r.i32(20) + 1));
    // The frame is in hundredths of a millimetre.
    m->FWidth = pixels(std::abs(r.i32(32) - r.i32(24)), 2540);
    m->FHeight = pixels(std::abs(r.i32(36) - r.i32(28)), 2540);
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
  Player p(canvas, FBounds, target);
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
      case 0x02FA: {  // pen: style, width (x, y), colour
        GdiObject o;
        o.kind = GdiObject::Pen;
        o.pen = makePen(r.u16(a), r.i16(a + 2), r.u32(a + 6));
        p.Create(o);
        break;
      }
      case 0x02FC: {  // brush: style, colour, hatch
        GdiObject o;
        o.kind = GdiObject::Brush;
        o.brush = makeBrush(r.u16(a), r.u32(a + 2), r.u16(a + 6));
        p.Create(o);
        break;
      }
      case 0x012D: p.Select(r.u16(a)); break;
      case 0x01F0: p.Delete(r.u16(a)); break;
      default:
        // Other records either allocate a table slot (fonts, palettes, regions) or draw
        // nothing this player renders.
        if (function == 0x02FB || function == 0x00F7 || function == 0x06FF || function == 0x0142 ||
            function == 0x01F9) {
          GdiObject placeholder;
          placeholder.kind = GdiObject::Other;
          p.Create(placeholder);
        }
        break;
    }
    at += size;
  }
}

void TrpMetafile::PlayEmf(QPainter& canvas, const QRectF& target) const {
  const Reader r{FData};
  Player p(canvas, FBounds, target);
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
      case 38: {  // EMR_CREATEPEN: index, style, width (x, y), colour
        GdiObject o;
        o.kind = GdiObject::Pen;
        o.pen = makePen(r.u32(a + 4), r.i32(a + 8), r.u32(a + 16));
        p.Create(o, static_cast<int>(r.u32(a)));
        break;
      }
      case 39: {  // EMR_CREATEBRUSHINDIRECT: index, style, colour, hatch
        GdiObject o;
        o.kind = GdiObject::Brush;
        o.brush = makeBrush(r.u32(a + 4), r.u32(a + 8), r.u32(a + 12));
        p.Create(o, static_cast<int>(r.u32(a)));
        break;
      }
      case 37: p.Select(r.u32(a)); break;
      case 40: p.Delete(r.u32(a)); break;
      default: break;
    }
    at += size;
  }
}
