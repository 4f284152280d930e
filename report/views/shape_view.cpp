#include "report/views/shape_view.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/text/color_names.h"
#include "report/views/frame.h"
#include "report/views/parallel_line.h"

namespace {

constexpr TrpEnumValue kShapes[] = {
    {"skRectangle", skRectangle}, {"skRoundRectangle", skRoundRectangle},
    {"skEllipse", skEllipse},     {"skTriangle", skTriangle},
    {"skDiamond", skDiamond},     {"skDiagonal1", skDiagonal1},
    {"skDiagonal2", skDiagonal2}};

// How a double frame shrinks the object for its inner drawing, in frame widths: left and top
// offsets, and the reduction of width and height.
struct Shrink {
  TrpShapeKind Kind;
  int Left, Top, Width, Height;
};
constexpr Shrink kShrinks[] = {
    {skRectangle, 2, 2, 4, 4},  {skRoundRectangle, 2, 2, 4, 4}, {skEllipse, 2, 2, 4, 4},
    {skTriangle, 4, 4, 8, 6},   {skDiamond, 3, 3, 6, 6},        {skDiagonal1, 2, 0, 0, 0},
    {skDiagonal2, 2, 0, 0, 0}};

const Shrink& shrinkOf(TrpShapeKind kind) {
  for (const Shrink& s : kShrinks)
    if (s.Kind == kind) return s;
  return kShrinks[0];
}

Qt::PenStyle penStyle(TrpFrameStyle style) {
  switch (style) {
    case fsDash: return Qt::DashLine;
    case fsDot: case fsAltDot: case fsSquare: return Qt::DotLine;
    case fsDashDot: return Qt::DashDotLine;
    case fsDashDotDot: return Qt::DashDotDotLine;
    case fsSolid: case fsDouble: break;
  }
  return Qt::SolidLine;
}

bool isDiagonal(TrpShapeKind kind) { return kind == skDiagonal1 || kind == skDiagonal2; }

}  // namespace

const TrpEnumType rpShapeKindType{"TrpShapeKind", kShapes};

TrpShapeView::TrpShapeView(TrpComponent* owner) : TrpView(owner) {
  SetrpComponentStyle(rpComponentStyle() - TrpComponentStyle{csDefaultDiff});
}

const TrpClassInfo& TrpShapeView::StaticClassInfo() {
  using C = TrpShapeView;
  static const TrpClassInfo info(
      "TrpShapeView", &TrpView::StaticClassInfo(), &Create,
      {
          rpPublish("Color"),
          rpPublish("Cursor"),
          rpInteger<&C::Curve, &C::SetCurve>("Curve", 0),
          rpPublish("FillType"),
          rpPublish("Fill"),
          rpPublish("Frame"),
          rpEnum<&C::Shape, &C::SetShape>("Shape", rpShapeKindType, skRectangle),
          rpPublish("TagStr"),
          rpPublish("URL"),
      },
      {{"Shape", "Shape"}});
  return info;
}

const TrpClassInfo& TrpShapeView::ClassInfo() const { return StaticClassInfo(); }

void TrpShapeView::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                        Extended offsetY) {
  TrpFrame& frame = *Frame();
  if (frame.Style() != fsDouble) {
    BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    DrawShape();
    return;
  }
  // Draw solid twice, the second time inside; then put back the style (of every line) and the
  // bounds exactly as they were.
  TrpFrame saved;
  saved.Assign(frame);
  const Extended left = Left(), top = Top(), width = Width(), height = Height();
  frame.SetStyle(fsSolid);
  BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  DrawShape();
  const Extended w = frame.Width();
  const Shrink& s = shrinkOf(FShape);
  SetBounds(left + s.Left * w, top + s.Top * w, width - s.Width * w, height - s.Height * w);
  BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  DrawShape();
  frame.Assign(saved);
  SetBounds(left, top, width, height);
}

QPainterPath TrpShapeView::Outline() const {
  QPainterPath path;
  // The outline runs through FX and FX1 (a one-pixel pen covers both edge pixels); what the
  // path encloses is the interior the fill reaches.
  const QRectF box(FX, FY, FDX, FDY);
  switch (FShape) {
    case skRectangle:
      path.addRect(box);
      break;
    case skRoundRectangle: {
      const int diameter = FCurve == 0 ? std::min(FDX, FDY) / 4
                                       : static_cast<int>(rpRound(FCurve * FScaleX * 10));
      path.addRoundedRect(box, diameter / 2.0, diameter / 2.0);
      break;
    }
    case skEllipse:
      path.addEllipse(box);
      break;
    case skTriangle:
      path.addPolygon(QPolygon({QPoint(FX1, FY1), QPoint(FX, FY1), QPoint(FX + FDX / 2, FY)}));
      path.closeSubpath();
      break;
    case skDiamond:
      path.addPolygon(QPolygon({QPoint(FX + FDX / 2, FY), QPoint(FX1, FY + FDY / 2),
                                QPoint(FX + FDX / 2, FY1), QPoint(FX, FY + FDY / 2)}));
      path.closeSubpath();
      break;
    case skDiagonal1:
    case skDiagonal2:
      break;
  }
  return path;
}

void TrpShapeView::DrawDiagonal(QPainter& canvas) const {
  if (Frame()->Color() == clNone) return;
  const QPoint a = FShape == skDiagonal1 ? QPoint(FX, FY1) : QPoint(FX, FY);
  const QPoint b = FShape == skDiagonal1 ? QPoint(FX1, FY) : QPoint(FX1, FY1);
  rpDrawParallelLines(canvas, a, b, std::max(FFrameWidth, 1), rpToQColor(Frame()->Color()));
}

void TrpShapeView::DrawShape() {
  QPainter& canvas = *FCanvas;
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  if (isDiagonal(FShape)) {
    DrawDiagonal(canvas);
    canvas.restore();
    return;
  }
  const TrpFrame& frame = *Frame();
  QPen pen(Qt::NoPen);
  if (frame.Color() != clNone) {
    pen = QPen(rpToQColor(frame.Color()), FFrameWidth <= 1 ? 0 : FFrameWidth,
               penStyle(frame.Style()), Qt::SquareCap, Qt::MiterJoin);
  }
  const QPainterPath outline = Outline();
  if (FillType() != ftBrush) {
    // Other fills paint their own pattern, clipped to the shape's outline.
    canvas.save();
    canvas.setClipPath(outline, Qt::IntersectClip);
    DrawBackground();
    canvas.restore();
    canvas.setBrush(Qt::NoBrush);
  } else if (BrushStyle() == bsSolid) {
    canvas.setBrush(Color() == clNone ? QBrush(Qt::NoBrush) : QBrush(rpToQColor(Color())));
  } else {
    // A hatch over the colour: the colour first, then the pattern in the frame's colour.
    if (Color() != clNone) canvas.fillPath(outline, rpToQColor(Color()));
    canvas.setBrush(QBrush(rpToQColor(frame.Color() == clNone ? clBlack : frame.Color()),
                           rpQtBrushStyle(BrushStyle())));
  }
  // The brush pattern lies over the colour with a transparent background; the outline is
  // drawn opaque, so the gaps of a dashed outline show white as on paper.
  canvas.setPen(Qt::NoPen);
  canvas.drawPath(outline);
  canvas.setBrush(Qt::NoBrush);
  canvas.setPen(pen);
  canvas.setBackgroundMode(Qt::OpaqueMode);
  canvas.setBackground(Qt::white);
  canvas.drawPath(outline);
  canvas.restore();
}
