#pragma once
// A screen-like paint device that keeps, for every character drawn, its position in device
// pixels: the pen position on the baseline after the painter's transform.
#include <QColor>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPointF>
#include <QString>

#include <memory>

struct CapturedGlyph {
  QString Text;
  QPointF Position;  // baseline origin in device pixels
  QColor Color;      // the pen it was drawn with
};

struct CapturedLine {
  QLineF Line;  // device pixels
  qreal Width = 0;
};

class TextCaptureDevice : public QPaintDevice {
 public:
  explicit TextCaptureDevice(int width = 4000, int height = 4000);
  ~TextCaptureDevice() override;
  QPaintEngine* paintEngine() const override;
  const QList<CapturedGlyph>& Glyphs() const { return FGlyphs; }
  const QList<CapturedLine>& Lines() const { return FLines; }

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class Engine;
  int FWidth, FHeight;
  QList<CapturedGlyph> FGlyphs;
  QList<CapturedLine> FLines;
  std::unique_ptr<Engine> FEngine;
};
