// The band's fill object: the engine paints a band's fill through an empty text object that lies
// under every other object of the band.
#include <QList>

#include <algorithm>

#include "report/memo/memo_view.h"
#include "report/objects/class_cast.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"
#include "report/views/brush_fill.h"

namespace {

// A brush fill as a new band has it paints nothing.
bool paintsNothing(const TrpCustomFill& fill) {
  const auto* brush = rpDynamicCast<const TrpBrushFill>(&fill);
  return brush && brush->BackColor() == clNone && brush->ForeColor() == clBlack &&
         brush->Style() == bsSolid;
}

}  // namespace

void TrpBand::CreateFillMemo() {
  if (InheritsFrom(TrpNullBand::StaticClassInfo()) || paintsNothing(*FFill)) return;
  auto* memo = static_cast<TrpMemoView*>(FillMemo());
  if (!memo) {
    memo = new TrpMemoView(this);
    FFillMemo = memo;
  }
  memo->SetFill(*FFill);
  // Each size is the band's less the two gaps on its own axis; a band smaller than its gaps
  // gets an empty object rather than one of negative size.
  const TrpFillGaps& gap = *FFillGap;
  memo->SetBounds(gap.Left(), gap.Top(), std::max<Extended>(Width() - gap.Left() - gap.Right(), 0),
                  std::max<Extended>(Height() - gap.Top() - gap.Bottom(), 0));
  // First among the children, so it is drawn under the rest: the others move behind it in
  // their order.
  const QList<TrpComponent*> others = Objects();
  for (TrpComponent* child : others) {
    if (child == memo) continue;
    child->SetParent(nullptr);
    child->SetParent(this);
  }
}
