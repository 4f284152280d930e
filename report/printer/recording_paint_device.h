#pragma once
// A paint device that keeps what is drawn on it as a list of records in device pixels: text with
// its font and bounds, rectangles, lines, shapes and pictures. The recording printer back end
// draws its pages on it, so tests can check what a page put on paper.
#include <QColor>
#include <QImage>
#include <QList>
#include <QPaintDevice>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

enum TrpDrawKind { drText, drRect, drLine, drEllipse, drPolygon, drPath, drPixmap, drImage };

struct TrpDrawRecord {
  TrpDrawKind Kind = drRect;
  QRectF Bounds;       // device pixels, after the painter's transform
  QString Text;        // drText only
  QString FontFamily;  // drText only
  qreal FontPointSize = 0;
  qreal TextWidth = 0;   // advance of the text in device pixels, before the transform
  qreal TextHeight = 0;  // ascent + descent in device pixels, before the transform
  QColor Pen;
  QColor Brush;
  QImage Picture;  // drImage and drPixmap: the part of the picture drawn
};

class TrpRecordingPaintDevice : public QPaintDevice {
 public:
  TrpRecordingPaintDevice(QSize pixels, int dpiX, int dpiY);
  ~TrpRecordingPaintDevice() override;

  // Reports itself as a printer, as QPrinter does, so that drawing code which asks whether it
  // draws for paper gets the same answer here as on a real printer.
  int devType() const override;
  QPaintEngine* paintEngine() const override;
  const QList<TrpDrawRecord>& Records() const { return FRecords; }
  QList<TrpDrawRecord> TakeRecords();

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class Engine;
  QSize FPixels;
  int FDpiX;
  int FDpiY;
  QList<TrpDrawRecord> FRecords;
  std::unique_ptr<Engine> FEngine;
};
