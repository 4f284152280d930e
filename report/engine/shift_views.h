#pragma once
// Moving objects down along their shift tree when objects above them grew.
#include <QHash>
#include <QList>

#include <functional>

#include "report/units/report_units.h"

class TrpComponent;
class TrpView;

// Moves `views` down, top to bottom, so a view's shift is final before the views below it take
// theirs: a view below one that grew or moved follows by that amount (smAlways) or as far as it
// now overlaps (smWhenOverlapped). `growth` is how much each view grew; `below` gives the views
// that lie below a view in its shift tree; `moved` how far views are pushed from outside `views`.
void rpShiftViews(QList<TrpView*> views, const QHash<TrpComponent*, Extended>& growth,
                  const std::function<const QList<TrpComponent*>&(TrpView&)>& below,
                  const QHash<TrpComponent*, Extended>& moved = {});

// How far `view` follows an object above it that moved its bottom down by `aboveMove` to
// `aboveBottom`: by as much (smAlways), as far as it now overlaps (smWhenOverlapped), or not.
Extended rpFollowingShift(const TrpView& view, Extended aboveMove, Extended aboveBottom);

// Whether `other` lies below `above` (whose bottom is `aboveBottom`) and overlaps it
// horizontally: it is then moved when `above` grows.
bool rpLiesBelow(const TrpView& above, Extended aboveBottom, const TrpView& other);
