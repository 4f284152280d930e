// PrintOnParent: a subreport whose page is printed on the parent band. Its bands are shown into a
// temporary null band instead of the store; their objects then join the parent band at their
// place, count for its height, go out with it and are removed again when it is done.
#include <memory>

#include "report/engine/engine.h"
#include "report/objects/class_cast.h"
#include "report/objects/class_info.h"
#include "report/pages/band_kinds.h"
#include "report/pages/subreport.h"
#include "report/views/stretcheable.h"

namespace {

QList<TrpSubreport*> onParentSubreportsOf(const TrpBand& band) {
  QList<TrpSubreport*> found;
  for (TrpComponent* child : band.Objects()) {
    auto* subreport = rpClassCast<TrpSubreport>(child);
    if (subreport && subreport->Visible() && subreport->Page() && subreport->PrintOnParent())
      found << subreport;
  }
  return found;
}

// The copies are fixed output: they take no font from the band and never stretch again.
void fixCopy(TrpComponent& object) {
  object.SetParentFont(false);
  if (auto* stretcheable = dynamic_cast<TrpStretcheable*>(&object))
    stretcheable->SetStretchMode(smDontStretch);
}

}  // namespace

// Runs inside Stretch, after the band's own objects have grown and shifted, so the subreports
// start where their objects now are.
void TrpEngine::PrintSubreportsOnParent(TrpBand& band) {
  const QList<TrpSubreport*> subreports = onParentSubreportsOf(band);
  if (subreports.isEmpty()) return;
  const Extended x = CurX(), y = CurY(), columnX = FPageCurX;
  TrpNullBand* const outer = FRedirection;
  auto target = std::unique_ptr<TrpNullBand>(new TrpNullBand(nullptr));
  FRedirection = target.get();
  auto restore = [&] {
    FRedirection = outer;
    FPageCurX = columnX;
    SetCurX(x);
    SetCurY(y);
    SetCurBand(&band);
  };
  try {
    for (TrpSubreport* subreport : subreports) {
      // The subreport's column origin is its own left inside the band.
      FPageCurX = 0;
      SetCurY(subreport->Top());
      RunSubreport(*subreport, subreport->Left());
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  QList<TrpComponent*>& added = FAddedObjects[&band];
  for (TrpComponent* object : QList<TrpComponent*>(target->Objects())) {
    object->SetParent(&band);
    fixCopy(*object);
    added << object;
  }
}

// Instead of the store: each visible object of the band (subreports excepted) is copied to the
// redirection target at its place there, keeping the source alias of its original.
void TrpEngine::CopyToRedirection(TrpBand& band) {
  for (TrpComponent* child : band.Objects()) {
    if (!child->Visible() || dynamic_cast<TrpSubreport*>(child)) continue;
    const TrpFactory factory = child->ClassInfo().Factory();
    if (!factory) continue;
    TrpComponent* copy = factory(FRedirection);
    copy->Assign(*child);
    copy->SetAliasName(child->AliasName());
    copy->SetBounds(band.Left() + child->Left(), band.Top() + child->Top(), child->Width(),
                    child->Height());
  }
}

void TrpEngine::RemoveAddedObjects(TrpBand& band) {
  for (TrpComponent* object : FAddedObjects.take(&band)) delete object;
}
