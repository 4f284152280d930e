#include "report/engine/shift_views.h"

#include <algorithm>

#include "report/units/report_units.h"
#include "report/views/view.h"

void rpShiftViews(QList<TrpView*> views, const QHash<TrpComponent*, Extended>& growth,
                  const std::function<const QList<TrpComponent*>&(TrpView&)>& below,
                  const QHash<TrpComponent*, Extended>& moved) {
  if (growth.isEmpty() && moved.isEmpty()) return;
  std::stable_sort(views.begin(), views.end(),
                   [](const TrpView* a, const TrpView* b) { return a->Top() < b->Top(); });
  QHash<TrpComponent*, Extended> shift = moved;
  for (TrpView* above : views) {
    const Extended own = shift.value(above);
    const Extended grown = growth.value(above);
    if (own == 0 && grown == 0) continue;
    above->SetTop(above->Top() + own);
    const Extended newBottom = above->Top() + above->Height();
    for (TrpComponent* child : below(*above)) {
      auto* view = dynamic_cast<TrpView*>(child);
      if (!view) continue;
      const Extended amount = rpFollowingShift(*view, own + grown, newBottom);
      if (amount > shift.value(view)) shift.insert(view, amount);
    }
  }
}

Extended rpFollowingShift(const TrpView& view, Extended aboveMove, Extended aboveBottom) {
  if (view.ShiftMode() == smAlways) return aboveMove;
  if (view.ShiftMode() == smWhenOverlapped && aboveBottom > view.Top() + rpUnitTolerance)
    return aboveBottom - view.Top();
  return 0;
}

bool rpLiesBelow(const TrpView& above, Extended aboveBottom, const TrpView& other) {
  if (&other == &above || other.Top() < aboveBottom - rpUnitTolerance) return false;
  return other.Left() < above.Left() + above.Width() - rpUnitTolerance &&
         other.Left() + other.Width() > above.Left() + rpUnitTolerance;
}
