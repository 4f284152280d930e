// The data loop: the rows of a data band with its filter, header, groups, detail bands, footers,
// columns and outline entries.
#include <algorithm>
#include <climits>

#include "report/binding/aggregate.h"
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/user_data_set.h"
#include "report/engine/engine.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "report/units/report_units.h"
#include "script_engine/interpreter/value_ops.h"

namespace {

bool headerReprints(const TrpBand& header) {
  if (const auto* h = dynamic_cast<const TrpHeader*>(&header)) return h->ReprintOnNewPage();
  return false;
}

// Group values compare as the script's "=" does; values it cannot compare count as changed.
bool sameValue(const ScriptValue& a, const ScriptValue& b) {
  try {
    return ValueOps::Equals(a, b);
  } catch (...) {
    return false;
  }
}

}  // namespace

ScriptValue TrpEngine::Evaluate(const QString& expression) {
  if (expression.trimmed().isEmpty()) return {};
  return Report().Calc(expression);
}

ScriptValue TrpEngine::GetAggregateValue(const QString& name, const QString& expression,
                                         TrpBand* band, int flags) {
  const TrpBand* vertical = FVCollecting ? FVCollecting->Copying : nullptr;
  return FAggregates->GetValue(CurBand(), CurVColumn(), name, expression, band, flags, vertical);
}

// A data band with a data set of its own uses it; one with RowCount only, its own user data set.
TrpDataSet* TrpEngine::DataOf(TrpDataNode& node) const {
  if (TrpDataSet* data = node.Band->DataSet()) return data;
  return node.Band->RowCount() > 0 ? &node.Band->VirtualDataSet() : nullptr;
}

bool TrpEngine::Passes(TrpDataNode& node) {
  const QString& filter = node.Band->Filter();
  if (!filter.trimmed().isEmpty() && !Evaluate(filter).ToBool()) return false;
  if (!node.Band->PrintIfDetailEmpty() && !node.Details.empty() && !HasDetailRows(node))
    return false;
  return true;
}

bool TrpEngine::HasRows(TrpDataNode& node) {
  TrpDataSet* data = DataOf(node);
  if (!data) return false;
  for (data->First(); !data->Eof(); data->Next())
    if (Passes(node)) return true;
  return false;
}

bool TrpEngine::HasDetailRows(TrpDataNode& node) {
  for (const auto& detail : node.Details)
    if (HasRows(*detail)) return true;
  return false;
}

bool TrpEngine::AddBandOutline(TrpBand& band) {
  TrpCustomOutline* outline = Outline();
  // Vertical rows lie side by side on one horizontal band: they have no place in the outline;
  // a band left out under a collapsed group has nothing on the page to lead to.
  if (!outline || band.OutlineText().isEmpty() || band.Vertical() || FDrillHidden > 0)
    return false;
  const Extended top = CurY() - band.FStretchedHeight;
  // The new item becomes the current one: what follows nests under it until LevelUp.
  outline->AddItem(Evaluate(band.OutlineText()).ToText(), static_cast<int>(rpRound(top)));
  ++FOutlineDepth;
  return true;
}

void TrpEngine::LeaveBandOutline() {
  TrpCustomOutline* outline = Outline();
  outline->LevelUp();
  FOutlineDepth = std::max(FOutlineDepth - 1, 0);
  // Back on the page's level: the entries that follow go under the latest page entry, which is
  // not the parent of the entry just closed when its band ran on over a page end.
  if (FOutlineDepth == 0 && !FPage->OutlineText().isEmpty()) {
    outline->LevelRoot();
    FOutlinePageEntry = outline->GetCount() - 1;
    outline->LevelDown(FOutlinePageEntry);
  }
}

void TrpEngine::RunDataBand(TrpDataNode& node) {
  TrpDataBand& band = *node.Band;
  TrpDataSet* data = DataOf(node);
  if (!data) return;
  for (TrpComponent* child : band.Objects())
    if (auto* memo = dynamic_cast<TrpCustomMemoView*>(child)) memo->ResetSuppressToNull();
  if (IsMultiColumn(band)) band.SetCurColumn(1);
  const bool master = FPageBands && !FPageBands->Masters.empty() &&
                      std::any_of(FPageBands->Masters.begin(), FPageBands->Masters.end(),
                                  [&](const auto& m) { return m.get() == &node; });
  const int limit = band.DataSet() && band.RowCount() > 0 ? band.RowCount() : INT_MAX;
  int line = 1, shown = 0;
  KeepMark lastRow;
  for (data->First(); !data->Eof() && !Terminated() && shown < limit; data->Next()) {
    if (!Passes(node)) continue;
    if (shown == 0) StartRows(node);
    else TestGroups(node, *data, line);
    // A row of a band in columns goes with the footer whole, from its first column.
    if (BeginsRow(band)) lastRow = MarkHere();
    ShowRow(node, line);
    if (shown == 0 && node.Header && band.KeepHeader()) EndKeep(*node.Header);
    ++line;
    ++shown;
    for (TrpGroupLevel& level : node.Groups) ++level.Rows;
    if (master) ProcessMessages();
  }
  if (shown > 0) FinishRows(node, lastRow);
}

// Before the first row: the header (kept with the first row when KeepHeader), the keep of the
// whole block, the groups.
void TrpEngine::StartRows(TrpDataNode& node) {
  TrpDataBand& band = *node.Band;
  if (node.Header) {
    if (band.KeepHeader()) StartKeep(*node.Header);
    node.Header->FLineN = 1;
    ShowBand(*node.Header);
    if (headerReprints(*node.Header)) AddToHeaderList(*node.Header);
  }
  if (band.KeepTogether()) {
    if (FKeeping && FKeepBand == node.Header) {
      // A keep begun for the header goes on as the whole block's.
      FKeepBand = &band;
    } else if (!FKeeping) {
      StartKeep(band);
      // The header stays above the block; where the block moves, it opens it again there, unless
      // the header list reprints it anyway.
      if (FKeeping && node.Header && !headerReprints(*node.Header)) FKeptHeaderAbove = node.Header;
    }
  }
  OpenGroups(node, 0, true);
}

// After the last row: open columns and groups close, the header leaves the header list, the
// footer follows (kept with the last row when KeepFooter).
void TrpEngine::FinishRows(TrpDataNode& node, const KeepMark& lastRow) {
  TrpDataBand& band = *node.Band;
  CloseColumns(node);
  CloseGroups(node, 0);
  RemoveFromHeaderList(node.Header);
  if (node.Footer && !band.FooterAfterEach()) {
    const bool keepFooter = band.KeepFooter() && !FKeeping;
    if (keepFooter) StartKeep(band, FooterKeepMark(lastRow));
    ShowBand(*node.Footer);
    if (keepFooter) EndKeep(band);
  }
  EndKeep(band);
}

// A footer kept with the last row takes the row along with its outline entry, also when the
// row's group entries have closed since (the entry moves under its group's entry). A row that
// began on an earlier page or column cannot follow (its records, top and entries lie there): the
// footer is kept from where it starts then, and goes alone.
TrpEngine::KeepMark TrpEngine::FooterKeepMark(const KeepMark& lastRow) const {
  const KeepMark here = MarkHere();
  const bool rowBeganHere = lastRow.Page == here.Page && lastRow.Column == here.Column;
  return rowBeganHere ? lastRow : here;
}

void TrpEngine::ShowRow(TrpDataNode& node, int line) {
  TrpDataBand& band = *node.Band;
  const DrillHiding hiding(*this, RowsCollapsed(node));
  StartBandLine(band, line);
  if (BeginsRow(band)) {
    node.RowTop = CurY();
    node.RowPosition = Builder().GetCurPosition();
  }
  ShowBand(band);
  const bool outlined = AddBandOutline(band);
  PushBandLine(band);
  for (const auto& detail : node.Details) {
    if (Terminated()) break;
    RunDataBand(*detail);
  }
  PopBandLine();
  SetBandLine(band);
  if (outlined) LeaveBandOutline();
  if (band.FooterAfterEach() && node.Footer) ShowBand(*node.Footer);
  if (IsMultiColumn(band) && FDrillHidden == 0) NextColumnOfRow(node);
}

// After each row of a band in columns: the next column of the same row starts at the row's top;
// after the last column the row ends.
void TrpEngine::NextColumnOfRow(TrpDataNode& node) {
  TrpDataBand& band = *node.Band;
  band.FMaxY = std::max(band.FMaxY, CurY());
  if (band.CurColumn() < band.Columns()) SetCurY(node.RowTop);
  else EndRowOfColumns(node);
  band.SetCurColumn(band.CurColumn() + 1);
}

// A row of a band in columns ends at its lowest bottom, or moves whole to the next column or page
// when that bottom runs into the footer area (the bands of a row are not tested one by one).
// Inside a keep the row moves with the kept block, unless the block with it could not fit even
// an empty page; then the keep is given up and the row moves alone.
void TrpEngine::EndRowOfColumns(TrpDataNode& node) {
  TrpDataBand& band = *node.Band;
  const Extended footer = FPrevFooterHeight != 0 ? FPrevFooterHeight : FooterHeight();
  const bool room = FPage->EndlessHeight() || FRedirection ||
                    GetPageHeight() - footer - band.FMaxY > -rpUnitTolerance;
  if (room) {
    SetCurY(band.FMaxY);
    return;
  }
  if (FKeeping) {
    SetCurY(band.FMaxY);
    if (KeptBlockFitsEmptyPage()) {
      NewColumn();
      return;
    }
    EndKeep(*FKeepBand);
  }
  const Extended rowHeight = band.FMaxY - node.RowTop;
  SetCurY(node.RowTop);
  Builder().CutObjects(node.RowPosition);
  NewColumnFor(rowHeight);
  Builder().PasteObjects(CurX(), CurY());
  SetCurY(CurY() + rowHeight);
}

// An unfinished last row ends like a full one.
void TrpEngine::CloseColumns(TrpDataNode& node) {
  TrpDataBand& band = *node.Band;
  if (!IsMultiColumn(band) || band.CurColumn() == 1) return;
  band.FMaxY = std::max(band.FMaxY, CurY());
  EndRowOfColumns(node);
  band.SetCurColumn(1);
}

void TrpEngine::OpenGroups(TrpDataNode& node, size_t from, bool first) {
  for (size_t i = from; i < node.Groups.size() && !Terminated(); ++i) {
    TrpGroupLevel& level = node.Groups[i];
    TrpGroupHeader& header = *level.Header;
    level.Occurrence = first ? 1 : level.Occurrence + 1;
    StartBandLine(header, level.Occurrence);
    level.Value = Evaluate(header.Condition());
    level.Rows = 0;
    OpenDrillDown(node, i);
    const DrillHiding hiding(*this, CollapsedAbove(node, i));
    if (header.KeepTogether()) StartKeep(header);
    ShowBand(header);
    level.Outlined = AddBandOutline(header);
    if (header.ReprintOnNewPage() && FDrillHidden == 0) AddToHeaderList(header);
  }
}

// A later row: at the first level whose condition changed, the groups from there on close (with
// the previous row current for their footers) and open again, and row numbers restart.
void TrpEngine::TestGroups(TrpDataNode& node, TrpDataSet& data, int& line) {
  for (size_t i = 0; i < node.Groups.size(); ++i) {
    TrpGroupLevel& level = node.Groups[i];
    if (sameValue(Evaluate(level.Header->Condition()), level.Value)) continue;
    CloseColumns(node);
    try {
      data.Prior();
    } catch (...) {
      // A data set that cannot step back shows the footers on the current row.
    }
    CloseGroups(node, i);
    data.Next();
    OpenGroups(node, i, false);
    line = 1;
    return;
  }
}

void TrpEngine::CloseGroups(TrpDataNode& node, size_t from) {
  for (size_t i = node.Groups.size(); i-- > from;) {
    TrpGroupLevel& level = node.Groups[i];
    auto* footer = dynamic_cast<TrpGroupFooter*>(level.Footer);
    const bool single = footer && footer->HideIfSingleDataRecord() && level.Rows == 1;
    {
      const bool folded = level.Collapsed && !level.Header->ShowFooterIfDrillDown();
      const DrillHiding hiding(*this, folded || CollapsedAbove(node, i));
      if (footer && !single) ShowBand(*footer);
    }
    if (single) FAggregates->Reset(*footer);
    RemoveFromHeaderList(level.Header);
    EndKeep(*level.Header);
    if (level.Outlined) LeaveBandOutline();
    level.Outlined = false;
    CloseDrillDown(level);
  }
}
