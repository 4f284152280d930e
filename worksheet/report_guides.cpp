#include "worksheet/report_guides.h"

#include "report/views/frame.h"
#include "report/views/line_view.h"
#include "report/views/shape_view.h"
#include "worksheet/practice_colors.h"
#include "worksheet/report_color.h"

namespace stroval {

namespace {

void Ink(TrpView& view, TrpFrameStyle style) {
  view.Frame()->SetColor(ReportColor(QColor(kGuideInk)));
  view.Frame()->SetStyle(style);
  view.Frame()->SetWidth(1);
  view.SetTag(kGuideObjectTag);
}

void AddOutline(TrpComponent& page, Extended left, Extended top, Extended side) {
  auto* outline = new TrpShapeView(&page);
  outline->CreateUniqueName();
  outline->SetShape(skRectangle);
  outline->SetColor(clNone);  // no fill: the characters drawn later stay on white
  outline->SetBounds(left, top, side, side);
  Ink(*outline, fsSolid);
}

// A line from `from` to `to` inside the cell. A line object runs along its box's left or top
// edge, or across it as a diagonal; a rising diagonal is a box of negative height, measured up
// from its bottom-left corner.
void AddLine(TrpComponent& page, Extended left, Extended top, Extended side, const QLineF& unit) {
  auto* line = new TrpLineView(&page);
  line->CreateUniqueName();
  const Extended x1 = left + side * unit.x1(), y1 = top + side * unit.y1();
  const Extended x2 = left + side * unit.x2(), y2 = top + side * unit.y2();
  line->SetDiagonal(x1 != x2 && y1 != y2);
  line->SetBounds(x1, y1, x2 - x1, y2 - y1);
  Ink(*line, fsDash);
}

}  // namespace

void AddCellGuides(TrpComponent& page, Extended left, Extended top, Extended side, GuideStyle style) {
  if (!HasOutline(style)) return;
  AddOutline(page, left, top, side);
  for (const QLineF& unit : GuideLines(style)) AddLine(page, left, top, side, unit);
}

}  // namespace stroval
