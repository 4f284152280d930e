#include "report/views/line_view.h"

#include <QPainter>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/text/color_names.h"
#include "report/views/frame.h"
#include "report/views/line_arrow.h"
#include "report/views/parallel_line.h"

namespace {
int px(Extended value) { return static_cast<int>(rpRound(value)); }
bool alwaysStored(const TrpPersistent&) { return true; }
}  // namespace

TrpCustomLineView::TrpCustomLineView(TrpComponent* owner) : TrpStretcheable(owner) {
  SetrpComponentStyle(rpComponentStyle() - TrpComponentStyle{csDefaultDiff});
}

const TrpClassInfo& TrpCustomLineView::StaticClassInfo() {
  using C = TrpCustomLineView;
  static const TrpClassInfo info(
      "TrpCustomLineView", &TrpStretcheable::StaticClassInfo(), &Create,
      {
          // A line has no published fill: its colour (the arrow area's) is stored by itself.
          rpPublish("Color").WithDefault(rpToVariant(clNone)).StoredIf(&alwaysStored),
          rpBoolean<&C::Diagonal, &C::SetDiagonal>("Diagonal", false),
          rpBoolean<&C::ArrowEnd, &C::SetArrowEnd>("ArrowEnd", false),
          rpBoolean<&C::ArrowStart, &C::SetArrowStart>("ArrowStart", false),
          rpBoolean<&C::ArrowSolid, &C::SetArrowSolid>("ArrowSolid", false),
          rpInteger<&C::ArrowLength, &C::SetArrowLength>("ArrowLength", 20),
          rpInteger<&C::ArrowWidth, &C::SetArrowWidth>("ArrowWidth", 5),
          rpPublish("Frame"),
          rpPublish("StretchMode"),
          rpPublish("TagStr"),
      });
  return info;
}

const TrpClassInfo& TrpCustomLineView::ClassInfo() const { return StaticClassInfo(); }

const TrpClassInfo& TrpLineView::StaticClassInfo() {
  static const TrpClassInfo info("TrpLineView", &TrpCustomLineView::StaticClassInfo(), &Create, {});
  return info;
}

const TrpClassInfo& TrpLineView::ClassInfo() const { return StaticClassInfo(); }

void TrpCustomLineView::DesignCreate(int flags) {
  FDiagonal = flags != 0;
  FArrowEnd = flags == 2 || flags == 4;
  FArrowStart = flags == 3 || flags == 4;
}

void TrpCustomLineView::Draw(QPainter& canvas, Extended scaleX, Extended scaleY,
                             Extended offsetX, Extended offsetY) {
  if (!FDiagonal) {
    if (Width() <= Height()) {
      SetWidth(0);
      Frame()->SetTyp({ftLeft});
    } else {
      SetHeight(0);
      Frame()->SetTyp({ftTop});
    }
  }
  BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  const TrpFrame& frame = *Frame();
  if (!FDiagonal) {
    DrawFrame();
  } else if (frame.Color() != clNone && frame.Width() != 0) {
    if (frame.Style() == fsSolid || frame.Style() == fsDouble) {
      rpDrawParallelLines(canvas, QPoint(FX, FY), QPoint(FX1, FY1), std::max(FFrameWidth, 1),
                          rpToQColor(frame.Color()));
    } else {
      canvas.save();
      canvas.setRenderHint(QPainter::Antialiasing, false);
      static const Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,
                                             Qt::DotLine,     Qt::DashDotLine,
                                             Qt::DashDotDotLine, Qt::SolidLine,
                                             Qt::DotLine,     Qt::DotLine};
      canvas.setPen(QPen(rpToQColor(frame.Color()), FFrameWidth <= 1 ? 0 : FFrameWidth,
                         kStyles[frame.Style()]));
      canvas.drawLine(FX, FY, FX1, FY1);
      canvas.restore();
    }
  }
  DrawArrows();
}

void TrpCustomLineView::DrawArrows() const {
  if (!FArrowStart && !FArrowEnd) return;
  const TrpFrame& frame = *Frame();
  if (frame.Color() == clNone) return;
  const QColor color = rpToQColor(frame.Color());
  const double length = static_cast<double>(FArrowLength * FScaleX);
  const double half = static_cast<double>(FArrowWidth * FScaleX);
  QPainter& canvas = *FCanvas;
  const auto head = [&](QPoint tip, QPoint other) {
    const TrpArrowHead h = rpArrowHead(tip, other, length, half);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    if (FArrowSolid) {
      canvas.setPen(QPen(color, 0));
      canvas.setBrush(color);
      canvas.drawPolygon(QPolygon({h.Tip, h.Corner1, h.Corner2}));
    } else {
      const int w = px(frame.Width() * FScaleX);
      canvas.setPen(QPen(color, w <= 1 ? 0 : w, Qt::SolidLine, Qt::RoundCap));
      canvas.drawLine(h.Corner1, h.Tip);
      canvas.drawLine(h.Corner2, h.Tip);
    }
    canvas.restore();
  };
  const QPoint start(FX, FY), end(FX1, FY1);
  if (FArrowStart) head(start, end);
  if (FArrowEnd) head(end, start);
}
