#pragma once
// A screen-like paint device that keeps, for every character drawn, its position in device
// pixels: the pen position on the baseline after the painter's transform.
#include <QList>
#include <QPaintDevice>
#include <QPointF>
#include <QString>

#include <memory>

struct CapturedGlyph {
  QString Text;
  QPointF Position;  // baseline origin in device pixels
};

class TextCaptureDevice : public QPaintDevice {
 public:
  explicit TextCaptureDevice(int width = 4000, int height = 4000);
  ~TextCaptureDevice() override;
  QPaintEngine* paintEngine() const override;
  const QList<CapturedGlyph>& Glyphs() const { return FGlyphs; }
  void Clear() { FGlyphs.clear(); }

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class Engine;
  int FWidth, FHeight;
  QList<CapturedGlyph> FGlyphs;
  std::unique_ptr<Engine> FEngine;
};
