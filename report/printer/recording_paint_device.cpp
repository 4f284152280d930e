#include "report/printer/recording_paint_device.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <utility>

// Declares every feature, so the painter hands over untransformed coordinates and the state's
// transform; each record is mapped through it here.
class TrpRecordingPaintDevice::Engine : public QPaintEngine {
 public:
  explicit Engine(QList<TrpDrawRecord>* records)
      : QPaintEngine(QPaintEngine::AllFeatures), FRecords(records) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }

  void updateState(const QPaintEngineState& state) override {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyTransform) FTransform = state.transform();
    if (dirty & DirtyPen) FPen = state.pen().style() == Qt::NoPen ? QColor() : state.pen().color();
    if (dirty & DirtyBrush)
      FBrush = state.brush().style() == Qt::NoBrush ? QColor() : state.brush().color();
  }

  using QPaintEngine::drawEllipse;
  using QPaintEngine::drawLines;
  using QPaintEngine::drawPolygon;
  using QPaintEngine::drawRects;

  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    TrpDrawRecord r = Make(
        drText, QRectF(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
    r.Text = item.text();
    r.FontFamily = item.font().family();
    r.FontPointSize = item.font().pointSizeF();
    r.TextWidth = item.width();
    r.TextHeight = item.ascent() + item.descent();
    FRecords->append(r);
  }
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) FRecords->append(Make(drRect, rects[i]));
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i)
      FRecords->append(Make(drLine, QRectF(lines[i].p1(), lines[i].p2()).normalized()));
  }
  void drawEllipse(const QRectF& rect) override { FRecords->append(Make(drEllipse, rect)); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
    QPolygonF polygon;
    for (int i = 0; i < count; ++i) polygon.append(points[i]);
    FRecords->append(Make(drPolygon, polygon.boundingRect()));
  }
  void drawPath(const QPainterPath& path) override {
    FRecords->append(Make(drPath, path.boundingRect()));
  }
  void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
    TrpDrawRecord r = Make(drPixmap, rect);
    r.Picture = part(pixmap.toImage(), source);
    FRecords->append(r);
  }
  void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags) override {
    TrpDrawRecord r = Make(drImage, rect);
    r.Picture = part(image, source);
    FRecords->append(r);
  }

 private:
  // The part of `image` drawn; the image itself (shared, not copied) when all of it is.
  static QImage part(const QImage& image, const QRectF& source) {
    const QRect drawn = source.toAlignedRect();
    return drawn == image.rect() ? image : image.copy(drawn);
  }
  TrpDrawRecord Make(TrpDrawKind kind, const QRectF& bounds) const {
    TrpDrawRecord r;
    r.Kind = kind;
    r.Bounds = FTransform.mapRect(bounds);
    r.Pen = FPen;
    r.Brush = FBrush;
    return r;
  }

  QList<TrpDrawRecord>* FRecords;
  QTransform FTransform;
  QColor FPen;
  QColor FBrush;
};

TrpRecordingPaintDevice::TrpRecordingPaintDevice(QSize pixels, int dpiX, int dpiY)
    : FPixels(pixels), FDpiX(dpiX), FDpiY(dpiY), FEngine(std::make_unique<Engine>(&FRecords)) {}

TrpRecordingPaintDevice::~TrpRecordingPaintDevice() = default;

int TrpRecordingPaintDevice::devType() const { return QInternal::Printer; }

QPaintEngine* TrpRecordingPaintDevice::paintEngine() const { return FEngine.get(); }

QList<TrpDrawRecord> TrpRecordingPaintDevice::TakeRecords() { return std::exchange(FRecords, {}); }

int TrpRecordingPaintDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return FPixels.width();
    case PdmHeight:
      return FPixels.height();
    case PdmWidthMM:
      return static_cast<int>(std::lround(FPixels.width() * 25.4 / FDpiX));
    case PdmHeightMM:
      return static_cast<int>(std::lround(FPixels.height() * 25.4 / FDpiY));
    case PdmNumColors:
      return 0x7fffffff;
    case PdmDepth:
      return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
      return FDpiX;
    case PdmDpiY:
    case PdmPhysicalDpiY:
      return FDpiY;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
  }
  return QPaintDevice::metric(metric);
}
