#include "text_capture_device.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

class TextCaptureDevice::Engine : public QPaintEngine {
 public:
  Engine(QList<CapturedGlyph>& glyphs, QList<CapturedLine>& lines)
      : QPaintEngine(AllFeatures), FGlyphs(glyphs), FLines(lines) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    FGlyphs.append({item.text(), painter()->transform().map(p), painter()->pen().color()});
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) FLines.append({painter()->transform().map(lines[i]), painter()->pen().widthF()});
  }
  Type type() const override { return User; }

 private:
  QList<CapturedGlyph>& FGlyphs;
  QList<CapturedLine>& FLines;
};

TextCaptureDevice::TextCaptureDevice(int width, int height)
    : FWidth(width), FHeight(height), FEngine(std::make_unique<Engine>(FGlyphs, FLines)) {}
TextCaptureDevice::~TextCaptureDevice() = default;

QPaintEngine* TextCaptureDevice::paintEngine() const { return FEngine.get(); }

int TextCaptureDevice::metric(PaintDeviceMetric m) const {
  switch (m) {
    case PdmWidth: return FWidth;
    case PdmHeight: return FHeight;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDepth: return 32;
    case PdmNumColors: return INT_MAX;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    case PdmWidthMM: return FWidth * 254 / 960;
    case PdmHeightMM: return FHeight * 254 / 960;
  }
  return 0;
}
