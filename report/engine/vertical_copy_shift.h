#pragma once
// Moving the copies of vertical bands down when copies above them grew, and with them the
// master band's own objects lying below those copies, as objects below a grown object move in
// any stretched band.
#include <QHash>
#include <QList>

#include <utility>
#include <vector>

#include "report/model/report_units.h"

class TrpComponent;
class TrpReportComponent;
class TrpView;

class TrpVerticalCopyShift {
 public:
  // Each copy of one vertical row with the original it was made from.
  using Row = std::vector<std::pair<TrpReportComponent*, TrpComponent*>>;

  // Takes a row whose copies grew (`growth`: how much each grew). Copies move only within their
  // row, along their originals' shift tree. `onBandPage`: the row lies on the master band's own
  // page, beside the band's own objects; rows on later pages cannot overlap those.
  void AddRow(const Row& made, const QHash<TrpComponent*, Extended>& growth, bool onBandPage);

  // Moves the copies of the rows taken, and the band's `own` objects that lie below a copy on
  // the band's page (or below an own object that moves), each as far as its shift mode asks.
  void Apply(const QList<TrpView*>& own);
  // Moves the band's own objects again by as much as Apply moved them, after the band was
  // stretched once more (its objects back at their stretched places, the copies left as they
  // are).
  void MoveOwnAgain() const;

 private:
  QList<TrpView*> FCopies;
  QList<TrpView*> FOnBandPage;
  QHash<TrpComponent*, Extended> FGrowth;
  // The objects below each copy that follow it; the band's own objects use their shift tree.
  QHash<const TrpView*, QList<TrpComponent*>> FBelow;
  QHash<TrpView*, Extended> FOwnMoves;  // how far Apply moved each own object
};
