// Showing one band: its page break, the stretching of its objects along the shift tree, the fit
// test against the free space, its placement and recording in the store.
#include <QScopeGuard>
#include <QVarLengthArray>

#include <algorithm>

#include "report/binding/aggregate.h"
#include "report/component/report.h"
#include "report/engine/engine.h"
#include "report/engine/shift_views.h"
#include "report/memo/memo_view.h"
#include "report/objects/class_cast.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/units/report_units.h"
#include "report/views/stretcheable.h"

namespace {

bool isNullBand(const TrpBand& band) { return band.InheritsFrom(TrpNullBand::StaticClassInfo()); }
bool isKind(const TrpBand& band, const TrpClassInfo& kind) { return band.ClassInfo().InheritsFrom(kind); }

// Bands that need no room: overlays lie over the page, the null band stays where its objects
// are, and page and column footers go into the footer area the free space already leaves out
// (tested like other bands they would never fit and ask for new pages forever).
bool needsNoRoom(const TrpBand& band) {
  return isNullBand(band) || isKind(band, TrpOverlay::StaticClassInfo()) ||
         isKind(band, TrpPageFooter::StaticClassInfo()) ||
         isKind(band, TrpColumnFooter::StaticClassInfo());
}

// Asked for in every output: held without an allocation for a band of up to 32 objects.
using PrintedObjects = QVarLengthArray<TrpReportComponent*, 32>;

// The objects of a band that take part in one output (the band's fill object does not: it is
// sized to the band when the band is placed).
PrintedObjects printedObjects(const TrpBand& band) {
  PrintedObjects objects;
  objects.reserve(band.Objects().size());
  for (TrpComponent* child : band.Objects()) {
    if (child == band.FillMemo()) continue;
    if (auto* object = rpDynamicCast<TrpReportComponent>(child)) objects << object;
  }
  return objects;
}

}  // namespace

bool TrpEngine::IsMultiColumn(const TrpBand& band) const {
  const auto* data = rpDynamicCast<const TrpDataBand>(&band);
  return data && data->Columns() > 1 && !band.Vertical();
}

bool TrpEngine::BeginsRow(const TrpDataBand& band) const {
  return !IsMultiColumn(band) || band.CurColumn() <= 1;
}

// The first row of a data band and the first opening of a group header never break the page
// for StartNewPage: they start the block anyway.
bool TrpEngine::IsFirstRow(const TrpBand& band) const {
  const bool rowKind = rpDynamicCast<const TrpDataBand>(&band) ||
                       rpDynamicCast<const TrpGroupHeader>(&band);
  return rowKind && band.FLineN <= 1;
}

void TrpEngine::ShowBand(TrpBand& band) {
  if (band.Vertical()) {
    ShowVerticalBand(band);
    return;
  }
  // A band whose vertical parts are being recorded is not shown again inside them (a page header
  // opening the page its own columns overflow onto); on an overflow page a band crossed by
  // vertical bands arrives as a part of the page it continues.
  if (VerticalOutputOf(band) || (FOnOverflowPage && band.FHasVBands)) return;
  if (FDrillHidden > 0) {
    SkipHiddenBand(band);
    return;
  }
  const bool keepChild = band.KeepChild() && band.Child();
  if (keepChild) StartKeep(band);
  DoShow(band);
  if (band.Child() && !IsMultiColumn(band) && (band.Visible() || band.PrintChildIfInvisible())) {
    const DrillHiding hiding(*this, HidesChild(band));
    ShowBand(*band.Child());
  }
  if (keepChild) EndKeep(band);
  if (rpDynamicCast<TrpDataBand>(&band)) FAggregates->AddValue(band, CurVColumn());
}

void TrpEngine::DoShow(TrpBand& band) {
  // Output collected for a parent band never breaks pages: the parent band is tested instead.
  if (band.StartNewPage() && !FCallFromAddPage && !IsFirstRow(band) && !FRedirection) {
    FStartNewPageBand = &band;
    // The numbering closes on the page being left, so the group's own first page is page 1.
    auto* group = rpDynamicCast<TrpGroupHeader>(&band);
    if (group && group->ResetPageNumbers()) Anchors().ResetLogicalPageNumber();
    NewPage();
  }
  Stretch(band);
  // The vertical bands' copies join the band before the fit test: they count for its height
  // and split with it.
  const bool crossed = band.Visible() && CrossesVerticalBands(band);
  if (crossed) ShowVerticalBands(band);
  Extended placedLeft = 0, placedTop = 0;
  {
    // The copies leave the band before Unstretch, also when its output fails (the definition
    // would free them with the band).
    const auto dropCopies = qScopeGuard([&] {
      if (crossed) DropVerticalCopies(band);
    });
    const bool tested =
        band.Visible() && !needsNoRoom(band) && !IsMultiColumn(band) && !FRedirection;
    if (!tested || MakeRoomFor(band)) Place(band);
    // Unstretch gives the band its designed bounds back; subreports start from the placed ones.
    placedLeft = band.Left();
    placedTop = band.Top();
  }
  Unstretch(band);
  // Totals shown by this band start again (on an overflow page they go on for the page it
  // continues, which shows them too).
  if (!FOnOverflowPage) FAggregates->Reset(band);
  ShowSubreports(band, placedLeft, placedTop);
}

// Makes room for a band that does not fit: a new column or page, or the band is split there.
// Returns false when the band was split (and so is already output).
bool TrpEngine::MakeRoomFor(TrpBand& band) {
  if (band.Height() <= FreeSpace() + rpUnitTolerance) return true;
  if (band.AllowSplit() && !FKeeping) {
    DrawSplit(band);
    return false;
  }
  // A band that cannot fit even into the empty column of a new page, below its headers and the
  // headers shown again there, is split rather than moved on to run past the page's end.
  const Extended reprinted = ReprintedHeadersHeight();
  const Extended emptyColumn = GetPageHeight() - FooterHeight() - HeaderHeight() - reprinted;
  // Nothing but the column's headers above: a new column would give no more room.
  const bool atColumnTop = CurY() <= FFirstColumnY + reprinted + rpUnitTolerance;
  if (band.Height() > emptyColumn + rpUnitTolerance) {
    if (!atColumnTop && !IsFirstRow(band)) NewColumn();
    if (FKeeping) EndKeep(*FKeepBand);
    DrawSplit(band);
    return false;
  }
  if (!FKeeping && ResetSuppressed(band)) {
    // Repeated values reappear at the top of the next column; the vertical copies stay as they
    // are (their rows are shown once).
    DetachVerticalCopies(band);
    Unstretch(band);
    Stretch(band);
    if (const VerticalOutput* output = VerticalOutputOf(band)) output->Shift.MoveOwnAgain();
    AttachVerticalCopies(band);
  }
  const bool childOfPageHeader = FCallFromPHeader && band.InheritsFrom(TrpChild::StaticClassInfo());
  if (!childOfPageHeader) {
    FPendingHeight = band.Height();
    NewColumnFor(band.Height());
    FPendingHeight = 0;
  }
  return true;
}

void TrpEngine::Place(TrpBand& band) {
  if (!isNullBand(band)) {
    band.SetLeft(CurX() + (IsMultiColumn(band) ? band.Left() : 0));
    band.SetTop(CurY());
  }
  band.CreateFillMemo();
  if (!band.Visible()) return;
  if (FRedirection || !(FCallFromAddPage && Builder().BandExists(band))) RecordBand(band);
  if (!isNullBand(band)) SetCurY(CurY() + band.Height());
  FIsFirstBand = false;
}

void TrpEngine::Stretch(TrpBand& band) {
  SetCurBand(&band);
  band.BeforePrint();
  Report().DoBeforePrint(&band);
  QHash<TrpComponent*, Extended> growth;
  const PrintedObjects objects = printedObjects(band);
  for (TrpReportComponent* object : objects) {
    object->BeforePrint();
    if (band.Visible()) Report().DoBeforePrint(object);
    if (!object->Visible()) continue;
    object->GetData();
    Report().DoAfterData(object);
    auto* stretcheable = rpDynamicCast<TrpStretcheable>(object);
    if (!stretcheable || stretcheable->StretchMode() == smDontStretch) continue;
    const Extended height = stretcheable->CalcHeight();
    if (height > stretcheable->Height()) {
      growth.insert(stretcheable, height - stretcheable->Height());
      stretcheable->SetHeight(height);
    }
  }
  ShiftObjects(band, growth);
  PrintSubreportsOnParent(band);
  GrowToObjects(band);
}

// A stretched band takes the height of its lowest object; objects of the largest height then
// reach its bottom.
void TrpEngine::GrowToObjects(TrpBand& band) {
  const PrintedObjects objects = printedObjects(band);
  if (band.Stretched()) {
    Extended bottom = 0;
    for (TrpReportComponent* object : objects)
      if (object->Visible()) bottom = std::max(bottom, object->Top() + object->Height());
    band.SetHeight(bottom);
  }
  for (TrpReportComponent* object : objects) {
    auto* stretcheable = rpDynamicCast<TrpStretcheable>(object);
    if (stretcheable && stretcheable->Visible() && stretcheable->StretchMode() == smMaxHeight)
      stretcheable->SetHeight(band.Height() - stretcheable->Top());
  }
  band.FStretchedHeight = band.Height();
}

void TrpEngine::ShiftObjects(TrpBand& band, const QHash<TrpComponent*, Extended>& growth) {
  if (growth.isEmpty()) return;
  QList<TrpView*> views;
  for (TrpComponent* child : band.Objects())
    if (auto* view = rpDynamicCast<TrpView>(child); view && view->Visible()) views << view;
  rpShiftViews(views, growth, [](TrpView& view) -> const QList<TrpComponent*>& {
    return view.ShiftChildren();
  });
}

void TrpEngine::Unstretch(TrpBand& band) {
  // Objects added for this output only had no print steps of their own.
  RemoveAddedObjects(band);
  for (TrpReportComponent* object : printedObjects(band)) {
    if (band.Visible()) Report().DoAfterPrint(object);
    object->AfterPrint();
  }
  Report().DoAfterPrint(&band);
  band.AfterPrint();
}

bool TrpEngine::ResetSuppressed(TrpBand& band) {
  bool any = false;
  for (TrpComponent* child : band.Objects()) {
    auto* memo = rpDynamicCast<TrpCustomMemoView>(child);
    if (!memo || !memo->SuppressRepeated()) continue;
    memo->ResetSuppress();
    any = true;
  }
  return any;
}
