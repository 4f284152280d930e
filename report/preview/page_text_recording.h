#pragma once
// TrpPageTextRecording: a paint device on which a prepared page is drawn to learn its text as a
// reader sees it. The text machine draws every character on its own; here the characters that one
// text object draws on one baseline join into one run, with a blank where the object left a gap
// (blanks carry no ink and are not drawn). Runs keep the drawing order, their bounds in device
// pixels and the number of the text object that drew them, so that a search can read an object's
// lines as one text.
#include <QPaintDevice>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

#include "report/text/text_object_listener.h"

class QTextItem;
class TrpPageReader;

struct TrpTextRun {
  QString Text;
  QRectF Bounds;    // device pixels
  int Object = -1;  // text drawn outside a text object counts as an object of its own
};

class TrpPageTextRecording : public QPaintDevice, public TrpTextObjectListener {
 public:
  explicit TrpPageTextRecording(QSize pixels);
  ~TrpPageTextRecording() override;

  // Page `index` of `pages` drawn at zoom 1, without offset: bounds in page pixels.
  static std::unique_ptr<TrpPageTextRecording> Record(TrpPageReader& pages, int index);

  const std::vector<TrpTextRun>& Runs() const { return FRuns; }
  QPaintEngine* paintEngine() const override;
  void BeginTextObject() override;
  void EndTextObject() override;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class Engine;
  void AddText(const QTransform& transform, QPointF at, const QTextItem& item);
  bool Continues(const QTransform& transform, QPointF at, qreal height, qreal& gap) const;

  QSize FPixels;
  std::unique_ptr<Engine> FEngine;
  std::vector<TrpTextRun> FRuns;
  int FObject = -1;      // the text object being drawn, -1 between objects
  int FNextObject = 0;
  // Where the last run ends, in the coordinates of the painter that drew it.
  QTransform FRunTransform;
  qreal FRunBaseline = 0;
  qreal FRunEnd = 0;
  bool FRunOutside = false;  // the last run was drawn outside any text object
};
