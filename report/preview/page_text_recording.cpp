#include "report/preview/page_text_recording.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <cmath>

#include "report/objects/custom_preview_pages.h"

namespace {

// A gap wider than this share of the text's height between two characters of one line is where
// a blank stood.
constexpr qreal kBlankShare = 0.2;
// Characters of one line may overlap their neighbour by rounding, and stand off the baseline by
// rounding, by this much (device pixels).
constexpr qreal kSlack = 1.5;

bool sameTurn(const QTransform& a, const QTransform& b) {
  return qFuzzyCompare(a.m11(), b.m11()) && qFuzzyCompare(a.m22(), b.m22()) &&
         qFuzzyIsNull(a.m12() - b.m12()) && qFuzzyIsNull(a.m21() - b.m21());
}

}  // namespace

// Keeps the text outputs and ignores everything else. Declaring every feature makes the painter
// hand over untransformed coordinates with the state's transform.
class TrpPageTextRecording::Engine : public QPaintEngine {
 public:
  explicit Engine(TrpPageTextRecording& recording)
      : QPaintEngine(QPaintEngine::AllFeatures), FRecording(recording) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & DirtyTransform) FTransform = state.transform();
  }
  void drawTextItem(const QPointF& p, const QTextItem& item) override { FRecording.AddText(FTransform, p, item); }
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}

 private:
  TrpPageTextRecording& FRecording;
  QTransform FTransform;
};

TrpPageTextRecording::TrpPageTextRecording(QSize pixels)
    : FPixels(pixels), FEngine(std::make_unique<Engine>(*this)) {}

TrpPageTextRecording::~TrpPageTextRecording() = default;

std::unique_ptr<TrpPageTextRecording> TrpPageTextRecording::Record(TrpPageReader& pages, int index) {
  const QSizeF size = pages.GetPageSize(index);
  auto recording = std::make_unique<TrpPageTextRecording>(
      QSize(static_cast<int>(std::ceil(size.width())) + 1, static_cast<int>(std::ceil(size.height())) + 1));
  QPainter canvas(recording.get());
  pages.DrawPage(index, canvas, 1, 1, 0, 0);
  return recording;
}

QPaintEngine* TrpPageTextRecording::paintEngine() const { return FEngine.get(); }

void TrpPageTextRecording::BeginTextObject() { FObject = FNextObject++; }

void TrpPageTextRecording::EndTextObject() { FObject = -1; }

// Whether text drawn at `at` continues the last run: drawn by the same text object (or, outside
// objects, near enough to be one word) in the same direction, on its baseline, to its right.
// `gap` receives the room between the two in the run's coordinates.
bool TrpPageTextRecording::Continues(const QTransform& transform, QPointF at, qreal height, qreal& gap) const {
  if (FRuns.empty() || !sameTurn(transform, FRunTransform)) return false;
  if (FObject != -1 ? FRuns.back().Object != FObject : !FRunOutside) return false;
  const QPointF there = FRunTransform.inverted().map(transform.map(at));
  gap = there.x() - FRunEnd;
  if (std::abs(there.y() - FRunBaseline) > kSlack || gap < -kSlack) return false;
  return FObject != -1 || gap <= height;
}

void TrpPageTextRecording::AddText(const QTransform& transform, QPointF at, const QTextItem& item) {
  const QString text = item.text();
  if (text.isEmpty()) return;
  const qreal height = item.ascent() + item.descent();
  const QRectF bounds = transform.mapRect(QRectF(at.x(), at.y() - item.ascent(), item.width(), height));
  qreal gap = 0;
  if (Continues(transform, at, height, gap)) {
    TrpTextRun& run = FRuns.back();
    if (gap > kBlankShare * height && !run.Text.endsWith(u' ') && !text.startsWith(u' ')) run.Text += u' ';
    run.Text += text;
    run.Bounds |= bounds;
    FRunEnd += gap + item.width();
    return;
  }
  FRunOutside = FObject == -1;
  FRuns.push_back({text, bounds, FRunOutside ? FNextObject++ : FObject});
  FRunTransform = transform;
  FRunBaseline = at.y();
  FRunEnd = at.x() + item.width();
}

int TrpPageTextRecording::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth: return FPixels.width();
    case PdmHeight: return FPixels.height();
    case PdmWidthMM: return static_cast<int>(std::lround(FPixels.width() * 25.4 / 96));
    case PdmHeightMM: return static_cast<int>(std::lround(FPixels.height() * 25.4 / 96));
    case PdmNumColors: return 0x7fffffff;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
  }
  return QPaintDevice::metric(metric);
}
