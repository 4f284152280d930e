// Vertical bands: bands laid out left to right across the horizontal band their objects lie on
// (the vertical master band). When that band is shown, the vertical band tree runs through the
// same data loop as the horizontal one; each vertical band shown adds copies of its objects to
// the master band, one band width further right each time. The copies join the band before its
// fit test, so they stretch it and split with it. What does not fit the page's width goes to the
// following pages (the overflow pages), and the master band is recorded there part by part, at
// the same height on every page.
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>
#include <vector>

#include "report/binding/aggregate.h"
#include "report/component/report.h"
#include "report/engine/engine.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "report/units/report_units.h"
#include "report/views/stretcheable.h"
#include "report/views/view.h"

namespace {

bool isFooter(const TrpBand& band) {
  return band.InheritsFrom(TrpFooter::StaticClassInfo()) || band.InheritsFrom(TrpGroupFooter::StaticClassInfo());
}

// How an object stretches: smDontStretch for objects that cannot.
TrpStretchMode stretchModeOf(TrpReportComponent& object) {
  auto* stretcheable = dynamic_cast<TrpStretcheable*>(&object);
  return stretcheable ? stretcheable->StretchMode() : smDontStretch;
}

// The height a stretching object needs for its content (never less than its own).
Extended neededHeight(TrpReportComponent& object, TrpStretchMode mode) {
  if (mode == smDontStretch) return object.Height();
  return std::max(static_cast<TrpStretcheable&>(object).CalcHeight(), object.Height());
}

// The data band whose rows a footer (or group footer) closes, for each footer of the tree.
void collectFooterData(const TrpDataNode& node, QHash<TrpBand*, TrpBand*>& out) {
  if (node.Footer) out.insert(node.Footer, node.Band);
  for (const TrpGroupLevel& level : node.Groups)
    if (level.Footer) out.insert(level.Footer, node.Band);
  for (const auto& detail : node.Details) collectFooterData(*detail, out);
}

// The master band's own objects that can move below grown copies.
QList<TrpView*> ownViews(const TrpBand& master) {
  QList<TrpView*> views;
  for (TrpComponent* child : master.Objects()) {
    auto* view = dynamic_cast<TrpView*>(child);
    if (view && view->Visible() && child != master.FillMemo()) views << view;
  }
  return views;
}

// The own objects the band's stretching placed: not those added for this output only (a
// subreport printed on the band), which have no designed place to have moved from.
QList<TrpView*> stretchedViews(const QList<TrpView*>& own, const QList<TrpComponent*>& added) {
  if (added.isEmpty()) return own;
  QList<TrpView*> stretched;
  for (TrpView* view : own)
    if (!added.contains(view)) stretched << view;
  return stretched;
}

}  // namespace

// The objects found within vertical bands become theirs for the run. Their aggregate calls are
// fed by the vertical data band when they sit in a vertical footer (totals across a row, or over
// all the cells of the rows where a horizontal footer meets it), else by the horizontal data band
// whose footer they come from (totals per vertical column).
void TrpEngine::AttachVerticalObjects(TrpReportPage& page) {
  TrpPageBands* bands = FBands.value(&page).get();
  if (!bands || bands->Vertical.Objects.isEmpty()) return;
  rpAttachVerticalObjects(bands->Vertical);
  QHash<TrpBand*, TrpBand*> footerData;
  for (const auto& master : bands->Masters) collectFooterData(*master, footerData);
  for (const auto& master : bands->Vertical.Masters) collectFooterData(*master, footerData);
  for (auto it = bands->Vertical.Objects.cbegin(); it != bands->Vertical.Objects.cend(); ++it) {
    TrpBand* vertical = it.key();
    TrpBand* const verticalData = footerData.value(vertical);
    for (const TrpVerticalObject& item : it.value()) {
      // Where a horizontal footer meets a vertical one: the total over the cells of the rows.
      TrpBand* const rowData = verticalData ? footerData.value(item.Origin) : nullptr;
      TrpBand* const data = verticalData ? verticalData : footerData.value(item.Origin);
      FAggregates->AddVerticalObject(*item.Object, item.Origin, data, *vertical, rowData);
    }
  }
}

void TrpEngine::DetachVerticalObjects() {
  for (const auto& bands : std::as_const(FBands)) rpDetachVerticalObjects(bands->Vertical);
}

bool TrpEngine::CrossesVerticalBands(const TrpBand& band) const {
  if (!band.FHasVBands || FVCollecting) return false;
  const TrpPageBands* bands = FBands.value(dynamic_cast<TrpReportPage*>(band.Page())).get();
  return bands && bands->Vertical.Attached && !bands->Vertical.Masters.empty();
}

TrpEngine::VerticalOutput* TrpEngine::VerticalOutputOf(const TrpBand& band) const {
  for (const auto& output : FVOutputs)
    if (output->Master == &band) return output.get();
  return nullptr;
}

// A band crossed by vertical bands goes out part by part; output collected for a parent band
// goes to the redirection whole, with its copies.
void TrpEngine::RecordBand(TrpBand& band) {
  if (FRedirection) CopyToRedirection(band);
  else if (const VerticalOutput* output = VerticalOutputOf(band)) RecordVerticalParts(band, *output);
  else Builder().AddObject(band);
}

// Runs the vertical band tree across `master`, collecting the copies of the vertical bands'
// objects, which then join the master band.
void TrpEngine::ShowVerticalBands(TrpBand& master) {
  auto output = std::make_unique<VerticalOutput>();
  output->Master = &master;
  const QList<TrpView*> own = ownViews(master);
  output->Shift.TakeOwnMoves(stretchedViews(own, FAddedObjects.value(&master)));
  const Extended x = CurX(), y = CurY();
  const int line = CurLine(), lineThrough = CurLineThrough();
  TrpBand* const curBand = CurBand();
  FVCollecting = output.get();
  FVertical = &FBands.value(dynamic_cast<TrpReportPage*>(master.Page()))->Vertical;
  // The vertical rows are the same across every horizontal row: so are the drill-down keys of
  // their groups.
  const QScopedValueRollback lines(FBandLines, QList<BandLine>());
  SetCurX(0);
  SetCurVColumn(0);
  auto restore = [&] {
    FVCollecting = nullptr;
    FVertical = nullptr;
    SetCurX(x);
    SetCurY(y);
    SetCurVColumn(0);
    // Vertical rows count for themselves only: the horizontal numbering goes on where it was.
    SetCurLine(line);
    SetCurLineThrough(lineThrough);
    SetCurBand(curBand);
  };
  try {
    for (const auto& node : FVertical->Masters) {
      if (Terminated()) break;
      RunDataBand(*node);
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  // Copies below grown ones, and the band's own objects below them, move down once every row
  // is made: an own object moves as far as the copies above it ask, whichever row they are in.
  output->Shift.Apply(own);
  for (const auto& copy : output->Copies)
    output->Bottom = std::max(output->Bottom, copy->Top() + copy->Height());
  for (const TrpView* view : own)
    output->Bottom = std::max(output->Bottom, view->Top() + view->Height());
  FVOutputs.push_back(std::move(output));
  AttachVerticalCopies(master);
}

// One vertical band across the master band. Data rows advance the vertical column; their values
// feed the master band's totals of that column and the totals across the row, which the
// vertical footers show and reset.
void TrpEngine::ShowVerticalBand(TrpBand& band) {
  // Outside a master band's output a vertical band has nothing to cross.
  if (!FVCollecting) return;
  TrpBand& master = *FVCollecting->Master;
  const bool dataRow = dynamic_cast<TrpDataBand*>(&band) != nullptr;
  if (dataRow) SetCurVColumn(CurVColumn() + 1);
  // Under a folded drill-down group the band is left out; its totals still count.
  if (FDrillHidden == 0) OutputVerticalBand(band);
  if (dataRow) {
    FAggregates->AddValue(master, CurVColumn());
    FAggregates->AddValue(band, 0, &master);
    FAggregates->AddCell(band, master, CurVColumn());
  } else if (isFooter(band)) {
    FAggregates->ResetVertical(master, band);
  }
}

void TrpEngine::OutputVerticalBand(TrpBand& band) {
  SetCurBand(&band);
  band.BeforePrint();
  Report().DoBeforePrint(&band);
  if (band.Visible()) {
    MakeVerticalRoomFor(band);
    const std::size_t firstCopy = FVCollecting->Copies.size();
    CopyVerticalObjects(band);
    MarkVerticalDrillDown(band, firstCopy);
    SetCurX(CurX() + band.Width());
  }
  SetCurBand(&band);
  Report().DoAfterPrint(&band);
  band.AfterPrint();
  // A child band continues the band to the right.
  TrpBand* const child = band.Child();
  if (child && (band.Visible() || band.PrintChildIfInvisible()) && !HidesChild(band))
    ShowVerticalBand(*child);
}

// A band that does not fit the rest of the page's width widens an endless page, else starts the
// next page part at the left edge, below the vertical headers shown again. A part that is still
// empty takes the band whatever its width; output collected for a parent band has one part only.
void TrpEngine::MakeVerticalRoomFor(const TrpBand& band) {
  const Extended right = CurX() + band.Width();
  if (right <= PageWidth() + rpUnitTolerance || FRedirection) return;
  if (FPage->EndlessWidth()) {
    SetPageWidth(right);
    return;
  }
  if (FShowingVHeaders || CurX() <= rpUnitTolerance) return;
  ++FVCollecting->PagePart;
  SetCurX(0);
  ShowVerticalHeaders(&band);
}

void TrpEngine::ShowVerticalHeaders(const TrpBand* except) {
  FShowingVHeaders = true;
  try {
    for (TrpBand* header : QList<TrpBand*>(FVCollecting->HeaderList))
      if (header != except) ShowVerticalBand(*header);
  } catch (...) {
    FShowingVHeaders = false;
    throw;
  }
  FShowingVHeaders = false;
}

// Each object the band holds from the master band is evaluated in the vertical row and copied,
// moved right to CurX; the copy keeps the source alias of its original, so that the store
// records only what differs. A copy whose content needs more room grows; what lies below it moves
// down once all rows are made (ShowVerticalBands).
void TrpEngine::CopyVerticalObjects(TrpBand& band) {
  VerticalOutput& output = *FVCollecting;
  TrpBand& master = *output.Master;
  const QScopedValueRollback copying(output.Copying, &band);
  // Each copy made with its original, in the order of the band's objects.
  TrpVerticalCopyShift::Row made;
  QHash<TrpComponent*, Extended> growth;
  for (const TrpVerticalObject& item : FVertical->Objects.value(&band)) {
    if (item.Origin != &master) continue;
    TrpReportComponent& object = *item.Object;
    // Totals of the object belong to the band it was taken from.
    SetCurBand(&master);
    object.BeforePrint();
    Report().DoBeforePrint(&object);
    const TrpFactory factory = object.ClassInfo().Factory();
    if (object.Visible() && factory) {
      object.GetData();
      const TrpStretchMode mode = stretchModeOf(object);
      const Extended height = neededHeight(object, mode);
      output.ReachesBottom = output.ReachesBottom || mode == smMaxHeight;
      std::unique_ptr<TrpComponent> copy(factory(nullptr));
      copy->Assign(object);
      copy->SetAliasName(object.AliasName());
      copy->SetLeft(item.Offset + CurX());
      copy->SetParentFont(item.ParentFont);
      if (height > copy->Height()) {
        growth.insert(copy.get(), height - copy->Height());
        copy->SetHeight(height);
      }
      made.emplace_back(&object, copy.get());
      output.PageParts.push_back(output.PagePart);
      output.Copies.push_back(std::move(copy));
    }
    Report().DoAfterPrint(&object);
    object.AfterPrint();
  }
  output.Shift.AddRow(made, growth, output.PagePart == 0);
}

// A drill-down group header has no record of its own across the master band: a marker (a copy
// of the header without objects, carrying its key) lies over its place there, as high as the
// band, so that a click on it in the preview toggles the group like a click on a header.
void TrpEngine::MarkVerticalDrillDown(TrpBand& band, std::size_t firstCopy) {
  auto* header = dynamic_cast<TrpGroupHeader*>(&band);
  const TrpFactory factory = band.ClassInfo().Factory();
  if (!header || !header->DrillDown() || !factory) return;
  std::unique_ptr<TrpComponent> marker(factory(nullptr));
  marker->Assign(band);
  marker->SetAliasName(band.AliasName());
  marker->SetBounds(CurX(), 0, band.Width(), 0);
  VerticalOutput& output = *FVCollecting;
  DrillMarker& made = output.Markers.emplace_back();
  made.Marker = static_cast<TrpBand*>(marker.get());
  for (std::size_t i = firstCopy; i < output.Copies.size(); ++i)
    made.HeaderCopies.push_back(output.Copies[i].get());
  output.PageParts.push_back(output.PagePart);
  output.Copies.push_back(std::move(marker));
}

// The copies become children of the master band, after its own objects; a stretched band grows
// to them, and copies of the largest height reach its bottom.
void TrpEngine::AttachVerticalCopies(TrpBand& master) {
  const VerticalOutput* output = VerticalOutputOf(master);
  if (!output) return;
  for (const auto& copy : output->Copies) copy->SetParent(&master);
  if ((master.Stretched() && output->Bottom > master.Height()) || output->ReachesBottom)
    GrowToObjects(master);
  for (const DrillMarker& marker : output->Markers) marker.Marker->SetHeight(master.Height());
}

bool TrpEngine::IsDrillMarker(const VerticalOutput* output, const TrpComponent* child) {
  if (!output) return false;
  return std::any_of(output->Markers.begin(), output->Markers.end(),
                     [child](const DrillMarker& marker) { return marker.Marker == child; });
}

// A split band's part takes the markers of the headers whose first copies it holds (a header
// without copies in its row: the first part), over the part's whole height. Returns them, to be
// hidden again once the part is recorded.
QList<TrpBand*> TrpEngine::ShowDrillMarkersOfPart(VerticalOutput* output,
                                                  const QSet<const TrpComponent*>& part,
                                                  Extended height) {
  QList<TrpBand*> shown;
  if (!output) return shown;
  for (DrillMarker& marker : output->Markers) {
    const bool here = marker.HeaderCopies.empty() ||
                      std::any_of(marker.HeaderCopies.begin(), marker.HeaderCopies.end(),
                                  [&part](const TrpComponent* copy) { return part.contains(copy); });
    if (marker.Placed || !here) continue;
    marker.Placed = true;
    marker.Marker->SetBounds(marker.Marker->Left(), 0, marker.Marker->Width(), height);
    marker.Marker->SetVisible(true);
    shown << marker.Marker;
  }
  return shown;
}

void TrpEngine::DetachVerticalCopies(TrpBand& master) {
  if (const VerticalOutput* output = VerticalOutputOf(master))
    for (const auto& copy : output->Copies) copy->SetParent(nullptr);
}

void TrpEngine::DropVerticalCopies(TrpBand& master) {
  DetachVerticalCopies(master);
  const auto it = std::find_if(FVOutputs.begin(), FVOutputs.end(),
                               [&master](const auto& output) { return output->Master == &master; });
  if (it != FVOutputs.end()) FVOutputs.erase(it);
}

// The master band is recorded once per page part: with its own objects and the first copies on
// the current page, and with the copies of each further part on the following pages (written
// over where they exist, opened as new pages where they do not), at the same height. Parts at the
// end without copies make no pages. Afterwards the current page is where output goes on, and a
// new page is added after the overflow pages.
void TrpEngine::RecordVerticalParts(TrpBand& master, const VerticalOutput& output) {
  QList<TrpComponent*> shown;
  QList<int> parts;
  int last = 0;
  const TrpComponent* const fill = master.FillMemo();
  // The copies follow the band's own objects (AttachVerticalCopies).
  const QList<TrpComponent*>& children = master.Objects();
  const qsizetype firstCopy = children.size() - qsizetype(output.Copies.size());
  for (qsizetype i = 0; i < children.size(); ++i) {
    TrpComponent* const child = children[i];
    if (!child->Visible() || child == fill) continue;
    const auto copy = static_cast<std::size_t>(i - firstCopy);
    const bool isCopy = i >= firstCopy && output.Copies[copy].get() == child;
    shown << child;
    parts << (isCopy ? output.PageParts[copy] : 0);
    last = std::max(last, parts.last());
  }
  if (last == 0) {
    Builder().AddObject(master);
    return;
  }
  const int startPage = Store().CurPage();
  const Extended top = master.Top();
  auto showPart = [&](int part) {
    for (qsizetype i = 0; i < shown.size(); ++i) shown[i]->SetVisible(part < 0 || parts[i] == part);
  };
  auto putBack = [&] {
    showPart(-1);
    master.SetTop(top);
    Store().SetCurPage(startPage);
  };
  try {
    for (int part = 0; part <= last; ++part) {
      if (part > 0) MoveToOverflowPage();
      if (part > 0 && !parts.contains(part)) continue;
      showPart(part);
      if (part > 0) master.SetTop(OverflowPartTop(master, part));
      Builder().AddObject(master);
    }
  } catch (...) {
    putBack();
    throw;
  }
  putBack();
  Store().SetAddPageAction(apAdd);
  FOverflowPages = std::max(FOverflowPages, last);
  FKeepOverflowed = FKeepOverflowed || FKeeping;
}
