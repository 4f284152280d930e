// The objects a vertical band shows: found on the horizontal bands it crosses, attached to the
// vertical band for a run and put back afterwards.
#include <algorithm>

#include "report/engine/band_tree.h"
#include "report/objects/report_component.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/subreport.h"
#include "report/units/report_units.h"

namespace {

bool liesWithin(Extended left, Extended width, const TrpBand& vertical) {
  return left >= vertical.Left() - rpUnitTolerance &&
         left + width <= vertical.Left() + vertical.Width() + rpUnitTolerance;
}

// Whether the horizontal band lies within the height of the vertical one.
bool crosses(const TrpBand& horizontal, const TrpBand& vertical) {
  return horizontal.Top() < vertical.Top() + vertical.Height() - rpUnitTolerance &&
         horizontal.Top() + horizontal.Height() > vertical.Top() + rpUnitTolerance;
}

// The band's own fill object and subreports are never shown by a vertical band.
TrpReportComponent* movableObject(const TrpBand& band, TrpComponent* child) {
  if (child == band.FillMemo() || dynamic_cast<TrpSubreport*>(child)) return nullptr;
  return dynamic_cast<TrpReportComponent*>(child);
}

// Gives `band` exactly `children`, in that order.
void setChildren(TrpBand& band, const QList<TrpComponent*>& children) {
  for (TrpComponent* child : QList<TrpComponent*>(band.Objects())) child->SetParent(nullptr);
  for (TrpComponent* child : children) child->SetParent(&band);
}

}  // namespace

void rpFindVerticalObjects(const QList<TrpBand*>& vertical, const QList<TrpBand*>& horizontal,
                           TrpVerticalBands& out) {
  out.Objects.clear();
  out.OriginalChildren.clear();
  out.Attached = false;
  if (vertical.isEmpty()) return;
  QList<TrpBand*> byLeft = vertical;
  std::stable_sort(byLeft.begin(), byLeft.end(),
                   [](const TrpBand* a, const TrpBand* b) { return a->Left() < b->Left(); });
  for (TrpBand* origin : horizontal) {
    if (origin->InheritsFrom(TrpNullBand::StaticClassInfo())) continue;
    for (TrpComponent* child : origin->Objects()) {
      TrpReportComponent* object = movableObject(*origin, child);
      if (!object) continue;
      const Extended left = origin->Left() + object->Left();
      const auto holder = std::find_if(byLeft.begin(), byLeft.end(), [&](const TrpBand* band) {
        return liesWithin(left, object->Width(), *band);
      });
      if (holder == byLeft.end()) continue;
      out.Objects[*holder] << TrpVerticalObject{object, origin, left - (*holder)->Left(),
                                                object->ParentFont()};
      if (!origin->FHasVBands) out.OriginalChildren.insert(origin, origin->Objects());
      origin->FHasVBands = true;
    }
    // A data band crossing a vertical band runs it even with no objects there: its rows feed
    // the totals of each vertical column that its footers show.
    const bool crossed = std::any_of(byLeft.begin(), byLeft.end(), [&](const TrpBand* band) {
      return crosses(*origin, *band);
    });
    if (crossed && dynamic_cast<TrpDataBand*>(origin)) origin->FHasVBands = true;
  }
}

void rpAttachVerticalObjects(TrpVerticalBands& vertical) {
  if (vertical.Attached) return;
  for (auto it = vertical.Objects.begin(); it != vertical.Objects.end(); ++it) {
    for (const TrpVerticalObject& item : it.value()) {
      // Without this the object would take the vertical band's font.
      item.Object->SetParentFont(false);
      item.Object->SetParent(it.key());
    }
  }
  vertical.Attached = true;
}

void rpDetachVerticalObjects(TrpVerticalBands& vertical) {
  if (!vertical.Attached) return;
  vertical.Attached = false;
  for (auto it = vertical.OriginalChildren.begin(); it != vertical.OriginalChildren.end(); ++it) {
    TrpBand& origin = *it.key();
    // Children the run added (the fill object) stay in front of the definition's own.
    QList<TrpComponent*> children;
    for (TrpComponent* child : origin.Objects())
      if (!it.value().contains(child)) children << child;
    children << it.value();
    setChildren(origin, children);
  }
  for (const QList<TrpVerticalObject>& items : vertical.Objects)
    for (const TrpVerticalObject& item : items) item.Object->SetParentFont(item.ParentFont);
}
