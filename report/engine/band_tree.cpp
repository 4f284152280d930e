#include "report/engine/band_tree.h"

#include <algorithm>

#include "report/engine/shift_views.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "report/views/view.h"

namespace {

enum BandKind { kHeader = 4, kFooter = 5, kFirstData = 6, kLastData = 11, kGroupHeader = 12,
                kGroupFooter = 13 };

bool isTreeKind(int kind) { return kind >= kHeader && kind <= kGroupFooter; }

// MasterData is level 1, DetailData 2, ... Data6 6.
int dataLevel(const TrpBand& band) { return band.BandNumber() - kFirstData + 1; }

void clearLinks(TrpBand& band) {
  band.FSubBands.clear();
  band.FHeader = band.FFooter = band.FGroup = nullptr;
  band.FLineN = band.FLineThrough = 0;
  band.FHasVBands = false;
}

// Connects the bands of one page, walked top to bottom (vertical bands: left to right).
class TreeBuilder {
 public:
  // Master data bands go to `masters` and to `pageList` (the page's SubBands or VSubBands).
  TreeBuilder(std::vector<std::unique_ptr<TrpDataNode>>& masters, QList<TrpComponent*>& pageList)
      : FMasters(masters), FPageList(pageList) {}

  void Add(TrpBand& band) {
    switch (const int kind = band.BandNumber()) {
      case kHeader: FHeaders.push_back(&band); break;
      case kGroupHeader: FGroups.push_back(static_cast<TrpGroupHeader*>(&band)); break;
      case kFooter: AddFooter(band); break;
      case kGroupFooter: AddGroupFooter(band); break;
      default:
        if (kind >= kFirstData && kind <= kLastData) AddData(static_cast<TrpDataBand&>(band));
    }
  }

  // Headers and groups still waiting for a data band are misplaced.
  void Finish() {
    for (TrpBand* band : FHeaders) FErrors << band->Name();
    for (TrpBand* band : FGroups) FErrors << band->Name();
  }

  const QStringList& Errors() const { return FErrors; }

 private:
  void AddData(TrpDataBand& band) {
    const int level = dataLevel(band);
    TrpDataNode* parent = nullptr;
    if (level > 1) {
      parent = LastAtLevel(level - 1);
      if (!parent) {
        FErrors << band.Name();
        return;
      }
    }
    auto node = std::make_unique<TrpDataNode>();
    node->Band = &band;
    if (!FHeaders.empty()) {
      node->Header = FHeaders.back();
      FHeaders.pop_back();
      band.FHeader = node->Header;
    }
    for (TrpGroupHeader* group : FGroups) {
      TrpGroupLevel level;
      level.Header = group;
      node->Groups.push_back(level);
    }
    LinkGroups(*node);
    FGroups.clear();
    FSeen.push_back(node.get());
    if (parent) {
      parent->Band->FSubBands << &band;
      parent->Details.push_back(std::move(node));
    } else {
      FPageList << &band;
      FMasters.push_back(std::move(node));
    }
  }

  // The data band points at its outermost group, each group at the next inner one.
  static void LinkGroups(TrpDataNode& node) {
    TrpBand* previous = node.Band;
    for (TrpGroupLevel& level : node.Groups) {
      previous->FGroup = level.Header;
      previous = level.Header;
    }
  }

  void AddFooter(TrpBand& band) {
    for (auto it = FSeen.rbegin(); it != FSeen.rend(); ++it) {
      if ((*it)->Footer) continue;
      (*it)->Footer = &band;
      (*it)->Band->FFooter = &band;
      return;
    }
    FErrors << band.Name();
  }

  // A group footer closes the innermost group still without one, of the nearest data band.
  void AddGroupFooter(TrpBand& band) {
    for (auto it = FSeen.rbegin(); it != FSeen.rend(); ++it) {
      for (auto level = (*it)->Groups.rbegin(); level != (*it)->Groups.rend(); ++level) {
        if (level->Footer) continue;
        level->Footer = &band;
        level->Header->FFooter = &band;
        return;
      }
    }
    FErrors << band.Name();
  }

  TrpDataNode* LastAtLevel(int level) const {
    for (auto it = FSeen.rbegin(); it != FSeen.rend(); ++it)
      if (dataLevel(*(*it)->Band) == level) return *it;
    return nullptr;
  }

  std::vector<std::unique_ptr<TrpDataNode>>& FMasters;
  QList<TrpComponent*>& FPageList;
  std::vector<TrpBand*> FHeaders;
  std::vector<TrpGroupHeader*> FGroups;
  std::vector<TrpDataNode*> FSeen;
  QStringList FErrors;
};

}  // namespace

void rpBuildShiftTree(TrpBand& band) {
  QList<TrpView*> views;
  for (TrpComponent* child : band.Objects())
    if (auto* view = dynamic_cast<TrpView*>(child)) views << view;
  for (TrpView* above : views) {
    QList<TrpComponent*>& below = above->ShiftChildren();
    below.clear();
    const Extended bottom = above->Top() + above->Height();
    for (TrpView* other : views)
      if (rpLiesBelow(*above, bottom, *other)) below << other;
  }
}

namespace {

// Connects `bands` top to bottom, or left to right (vertical bands).
QStringList buildTree(QList<TrpBand*> bands, bool byLeft,
                      std::vector<std::unique_ptr<TrpDataNode>>& masters,
                      QList<TrpComponent*>& pageList) {
  std::stable_sort(bands.begin(), bands.end(), [byLeft](const TrpBand* a, const TrpBand* b) {
    return byLeft ? a->Left() < b->Left() : a->Top() < b->Top();
  });
  TreeBuilder builder(masters, pageList);
  for (TrpBand* band : bands) builder.Add(*band);
  builder.Finish();
  return builder.Errors();
}

}  // namespace

namespace {

// The child bands of vertical bands, with their designed widths. They continue their vertical
// band to the right, so they are laid out as vertical bands whatever their own flag (a child
// band cannot be marked vertical).
QHash<TrpBand*, Extended> verticalChildren(const TrpReportPage& page) {
  QHash<TrpBand*, Extended> children;
  for (TrpComponent* object : page.Objects()) {
    auto* band = dynamic_cast<TrpBand*>(object);
    if (!band || !band->Vertical()) continue;
    for (TrpBand* child = band->Child(); child && !child->Vertical() && !children.contains(child);
         child = child->Child())
      children.insert(child, child->Width());
  }
  return children;
}

// Page alignment gave them the page's width: they take their own width back and reach down to
// the bottom of the printable area, as vertical bands do.
void alignVerticalChildren(const TrpReportPage& page, const QHash<TrpBand*, Extended>& children) {
  const Extended printableHeight = page.PrintableHeight() * rp01cm;
  for (auto it = children.cbegin(); it != children.cend(); ++it) {
    it.key()->SetWidth(it.value());
    it.key()->SetHeight(printableHeight - it.key()->Top());
  }
}

}  // namespace

QStringList rpBuildBandTree(TrpReportPage& page, TrpPageBands& out) {
  const QHash<TrpBand*, Extended> children = verticalChildren(page);
  page.AlignChildren();
  alignVerticalChildren(page, children);
  page.SubBands().clear();
  page.VSubBands().clear();
  QList<TrpBand*> treeBands, verticalBands, horizontalBands;
  for (TrpComponent* child : page.Objects()) {
    auto* band = dynamic_cast<TrpBand*>(child);
    if (!band) {
      out.Loose << child;
      continue;
    }
    clearLinks(*band);
    rpBuildShiftTree(*band);
    if (band->Vertical() || children.contains(band)) verticalBands << band;
    else horizontalBands << band;
    if (isTreeKind(band->BandNumber()) && !band->Vertical()) treeBands << band;
  }
  QStringList errors = buildTree(treeBands, false, out.Masters, page.SubBands());
  errors << buildTree(verticalBands, true, out.Vertical.Masters, page.VSubBands());
  rpFindVerticalObjects(verticalBands, horizontalBands, out.Vertical);
  return errors;
}
