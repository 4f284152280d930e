#include "report/engine/shift_views.h"

#include <algorithm>

#include "report/model/view.h"

namespace {

constexpr Extended kTolerance = 0.0001;

}  // namespace

void rpShiftViews(QList<TrpView*> views, const QHash<TrpComponent*, Extended>& growth,
                  const std::function<const QList<TrpComponent*>&(TrpView&)>& below) {
  if (growth.isEmpty()) return;
  std::stable_sort(views.begin(), views.end(),
                   [](const TrpView* a, const TrpView* b) { return a->Top() < b->Top(); });
  QHash<TrpComponent*, Extended> shift;
  for (TrpView* above : views) {
    const Extended own = shift.value(above);
    const Extended grown = growth.value(above);
    if (own == 0 && grown == 0) continue;
    above->SetTop(above->Top() + own);
    const Extended newBottom = above->Top() + above->Height();
    for (TrpComponent* child : below(*above)) {
      auto* view = dynamic_cast<TrpView*>(child);
      if (!view) continue;
      Extended amount = 0;
      if (view->ShiftMode() == smAlways) amount = own + grown;
      else if (view->ShiftMode() == smWhenOverlapped && newBottom > view->Top() + kTolerance)
        amount = newBottom - view->Top();
      if (amount > shift.value(view)) shift.insert(view, amount);
    }
  }
}

bool rpLiesBelow(const TrpView& above, Extended aboveBottom, const TrpView& other) {
  if (&other == &above || other.Top() < aboveBottom - kTolerance) return false;
  return other.Left() < above.Left() + above.Width() - kTolerance &&
         other.Left() + other.Width() > above.Left() + kTolerance;
}
