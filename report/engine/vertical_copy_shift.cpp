#include "report/engine/vertical_copy_shift.h"

#include "report/engine/shift_views.h"
#include "report/objects/report_component.h"
#include "report/units/report_units.h"
#include "report/views/stretcheable.h"
#include "report/views/view.h"

namespace {

bool reachesBandBottom(TrpView& view) {
  auto* stretcheable = dynamic_cast<TrpStretcheable*>(&view);
  return stretcheable && stretcheable->StretchMode() == smMaxHeight;
}

}  // namespace

void TrpVerticalCopyShift::TakeOwnMoves(const QList<TrpView*>& own) {
  for (TrpView* view : own) {
    const TrpRect& designed = view->OriginalRect();
    const Extended designedBottom = designed.Top + designed.Bottom;
    // An object grown to the band's bottom pushes nothing, as in Stretch.
    if (view->Top() + view->Height() > designedBottom + rpUnitTolerance && !reachesBandBottom(*view))
      FOwnPushing.emplace_back(view, designedBottom);
  }
}

void TrpVerticalCopyShift::AddRow(const Row& made, const QHash<TrpComponent*, Extended>& growth,
                                  bool onBandPage) {
  if (growth.isEmpty() && !(onBandPage && !FOwnPushing.isEmpty())) return;
  QHash<TrpComponent*, TrpComponent*> copyOf;
  for (const auto& [original, copy] : made) copyOf.insert(original, copy);
  for (const auto& [original, copy] : made) {
    auto* view = dynamic_cast<TrpView*>(copy);
    if (!view) continue;
    FCopies << view;
    if (onBandPage) FOnBandPage << view;
    QList<TrpComponent*>& moving = FBelow[view];
    for (TrpComponent* child : original->ShiftChildren())
      if (TrpComponent* copyBelow = copyOf.value(child)) moving << copyBelow;
  }
  FGrowth.insert(growth);
}

QHash<TrpComponent*, Extended> TrpVerticalCopyShift::PushedByOwn() const {
  QHash<TrpComponent*, Extended> pushed;
  for (const auto& [view, designedBottom] : FOwnPushing) {
    const Extended bottom = view->Top() + view->Height();
    for (TrpView* copy : FOnBandPage) {
      if (!rpLiesBelow(*view, designedBottom, *copy)) continue;
      const Extended amount = rpFollowingShift(*copy, bottom - designedBottom, bottom);
      if (amount > pushed.value(copy)) pushed.insert(copy, amount);
    }
  }
  return pushed;
}

void TrpVerticalCopyShift::Apply(const QList<TrpView*>& own) {
  const QHash<TrpComponent*, Extended> pushed = PushedByOwn();
  if (FGrowth.isEmpty() && pushed.isEmpty()) return;
  // Which own objects lie below a copy is judged by the copy's designed bottom, as the shift
  // tree of a band is built from its designed objects.
  for (TrpView* copy : std::as_const(FOnBandPage)) {
    const Extended designedBottom = copy->Top() + copy->Height() - FGrowth.value(copy);
    QList<TrpComponent*>& moving = FBelow[copy];
    for (TrpView* view : own)
      if (rpLiesBelow(*copy, designedBottom, *view)) moving << view;
  }
  QList<Extended> tops;
  for (const TrpView* view : own) tops << view->Top();
  rpShiftViews(FCopies + own, FGrowth, [this](TrpView& view) -> const QList<TrpComponent*>& {
    const auto below = FBelow.constFind(&view);
    return below != FBelow.cend() ? *below : view.ShiftChildren();
  }, pushed);
  for (qsizetype i = 0; i < own.size(); ++i)
    if (own[i]->Top() != tops[i]) FOwnMoves.insert(own[i], own[i]->Top() - tops[i]);
}

void TrpVerticalCopyShift::MoveOwnAgain() const {
  for (auto it = FOwnMoves.cbegin(); it != FOwnMoves.cend(); ++it)
    it.key()->SetTop(it.key()->Top() + it.value());
}
