// Drill-down groups: a group header with DrillDown can fold its group away in the preview. Each
// occurrence of such a header has a key, the path of the enclosing rows followed by the group
// headers down to it with their occurrence numbers, joined by full stops
// ("MasterData1.3.GroupHeader1.2"). The key rides on the prepared header as its DrillName, so a
// click in the preview can toggle it in the report's drill state; the next preparation shows or
// hides the group's bands accordingly. Collapsed groups leave out their rows, detail bands and
// inner groups, their footer unless ShowFooterIfDrillDown and the header's child unless
// ShowChildIfDrillDown; the bands left out still feed their totals, so a footer of a collapsed
// group shows the group's sums. Vertical groups fold their columns the same way, in every row.
#include "report/binding/aggregate.h"
#include "report/component/report.h"
#include "report/engine/engine.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"

QString TrpEngine::DrillKey(const TrpDataNode& node, size_t level) const {
  QStringList parts = BandLinePath();
  for (size_t i = 0; i <= level; ++i) {
    const TrpGroupLevel& group = node.Groups[i];
    parts << group.Header->Name() + QLatin1Char('.') + QString::number(group.Occurrence);
  }
  return parts.join(QLatin1Char('.'));
}

// A key in the drill state is a group the user toggled: opened, or closed for a header that
// starts expanded.
void TrpEngine::OpenDrillDown(TrpDataNode& node, size_t level) {
  TrpGroupLevel& group = node.Groups[level];
  TrpGroupHeader& header = *group.Header;
  group.Collapsed = false;
  if (!header.DrillDown()) return;
  const QString key = DrillKey(node, level);
  QStringList& state = Report().DrillState();
  if (const std::optional<bool>& all = Report().DrillAllRequest()) {
    // Everything opened or folded at once: the key is listed when that differs from the start.
    group.Collapsed = !*all;
    state.removeAll(key);
    if (header.ExpandDrillDown() == group.Collapsed) state << key;
  } else {
    group.Collapsed = header.ExpandDrillDown() == state.contains(key);
  }
  if (group.Collapsed) FCollapsedHeaders.insert(&header);
  // Kept while the group is open, so a header reprinted on a new page carries it too.
  group.DesignedDrillName = header.DrillName();
  header.SetDrillName(key);
}

void TrpEngine::CloseDrillDown(TrpGroupLevel& group) {
  if (!group.Header->DrillDown()) return;
  FCollapsedHeaders.remove(group.Header);
  group.Header->SetDrillName(group.DesignedDrillName);
  group.Collapsed = false;
}

bool TrpEngine::CollapsedAbove(const TrpDataNode& node, size_t level) const {
  for (size_t i = 0; i < level && i < node.Groups.size(); ++i)
    if (node.Groups[i].Collapsed) return true;
  return false;
}

bool TrpEngine::RowsCollapsed(const TrpDataNode& node) const {
  return CollapsedAbove(node, node.Groups.size());
}

bool TrpEngine::HidesChild(const TrpBand& band) const {
  if (!FCollapsedHeaders.contains(&band)) return false;
  return !static_cast<const TrpGroupHeader&>(band).ShowChildIfDrillDown();
}

// What showing the band would have done to the totals: the vertical rows crossing it count in
// their columns (nothing of them is output while hidden), the ones it shows start again, and a
// data band's row is counted.
void TrpEngine::SkipHiddenBand(TrpBand& band) {
  if (band.Visible() && CrossesVerticalBands(band)) {
    ShowVerticalBands(band);
    DropVerticalCopies(band);
  }
  FAggregates->Reset(band);
  if (dynamic_cast<TrpDataBand*>(&band)) FAggregates->AddValue(band, CurVColumn());
}
