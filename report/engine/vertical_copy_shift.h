#pragma once
// Moving the copies of vertical bands down when copies above them grew, and with them the
// master band's own objects lying below those copies, as objects below a grown object move in
// any stretched band.
#include <QHash>
#include <QList>

#include <utility>
#include <vector>

#include "report/units/report_units.h"

class TrpComponent;
class TrpReportComponent;
class TrpView;

class TrpVerticalCopyShift {
 public:
  // Each copy of one vertical row with the original it was made from.
  using Row = std::vector<std::pair<TrpReportComponent*, TrpComponent*>>;

  // Takes the band's `own` objects after the band was stretched: those whose bottom moved down
  // (they grew or moved) push the copies below them on the band's page, as in any stretched
  // band. To be called before the rows are added.
  void TakeOwnMoves(const QList<TrpView*>& own);
  // Takes a row whose copies grew (`growth`: how much each grew), or that lies below an own
  // object that moved. Copies move only within their row, along their originals' shift tree. `onBandPage`: the row lies on the master band's own
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
  // The own objects whose bottom the band's stretching moved, with their designed bottom.
  QList<std::pair<TrpView*, Extended>> FOwnPushing;
  // How far each copy below a pushing own object follows it.
  QHash<TrpComponent*, Extended> PushedByOwn() const;
};
