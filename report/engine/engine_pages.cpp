// The page flow of the engine: starting, adding, ending pages and columns, the header list shown
// at the top of each new page or column, and the page heights the fit tests use.
#include <QScopedValueRollback>

#include <algorithm>
#include <memory>

#include "report/component/report.h"
#include "report/engine/engine.h"
#include "report/objects/class_cast.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"
#include "report/units/report_units.h"

namespace {

// An endless page gives this much room: no band ever asks for a new page there.
constexpr Extended kEndlessSpace = 1000000;

bool isKind(const TrpBand* band, const TrpClassInfo& kind) {
  return band && band->ClassInfo().InheritsFrom(kind);
}

// The page header and the report title open a page; every other header-list band opens a column.
bool opensPage(const TrpBand* band) {
  return isKind(band, TrpPageHeader::StaticClassInfo()) ||
         isKind(band, TrpReportTitle::StaticClassInfo());
}

}  // namespace

TrpBand* TrpEngine::FindPageBand(const TrpClassInfo& kind) const {
  return FPage ? rpDynamicCast<TrpBand>(FPage->FindBand(kind)) : nullptr;
}

// A band with its chain of child bands.
Extended TrpEngine::ChainHeight(TrpBand* band) const {
  Extended height = 0;
  for (TrpBand* b = band; b; b = b->Child()) height += b->Height();
  return height;
}

Extended TrpEngine::HeaderHeight() const {
  return ChainHeight(FindPageBand(TrpColumnHeader::StaticClassInfo())) +
         ChainHeight(FindPageBand(TrpPageHeader::StaticClassInfo()));
}

// The data and group headers the header list shows again at the top of a new page or column,
// below the page header and the column header that HeaderHeight counts. A header that went into
// a kept block moves with the block and is not shown again.
Extended TrpEngine::ReprintedHeadersHeight() const {
  Extended height = 0;
  for (const HeaderItem& item : FHeaderList)
    if (!opensPage(item.Band) && ShownAgain(item)) height += ChainHeight(item.Band);
  return height;
}

// Whether the header list shows `item` again at the top of a new page or column: not the band
// that asked for the new page (it follows anyway), not a header moving inside a kept block, and
// only the bands that open the page while headers are suppressed.
bool TrpEngine::ShownAgain(const HeaderItem& item) const {
  if (item.Band == FStartNewPageBand) return false;
  if (FKeeping && item.AddedWhileKeeping) return false;
  return !FDontShowHeaders || opensPage(item.Band);
}

Extended TrpEngine::FooterHeight() const {
  Extended height = 0;
  if (TrpBand* band = FindPageBand(TrpColumnFooter::StaticClassInfo())) height += band->Height();
  if (TrpBand* band = FindPageBand(TrpPageFooter::StaticClassInfo())) height += band->Height();
  return height + SubreportFootersHeight();
}

Extended TrpEngine::GetPageHeight() const {
  if (FPage && FPage->EndlessHeight()) return FooterHeight() + CurY();
  return PageHeight();
}

Extended TrpEngine::FreeSpace() const {
  if (FPage && FPage->EndlessHeight()) return kEndlessSpace;
  const Extended footer = FPrevFooterHeight != 0 ? FPrevFooterHeight : FooterHeight();
  return GetPageHeight() - footer - CurY();
}

// Column offsets are kept in millimetres as text; a page without them divides its width.
Extended TrpEngine::ColumnPosition(int column) const {
  const QStringList& positions = FPage->ColumnPositions();
  if (column >= 1 && column <= positions.size()) return positions[column - 1].toDouble() * rp01cm;
  return (column - 1) * FPage->ColumnWidth() * rp01cm;
}

void TrpEngine::ShowBand(const TrpClassInfo& bandClass) {
  if (TrpBand* band = FindPageBand(bandClass)) ShowBand(*band);
}

void TrpEngine::ShowBandByName(const QString& name) {
  if (!FPage) return;
  if (auto* band = rpDynamicCast<TrpBand>(FPage->FindObject(name))) ShowBand(*band);
}

void TrpEngine::InitPage() {
  FHeaderList.clear();
  TrpBand* title = FTitlePrinted ? nullptr : FindPageBand(TrpReportTitle::StaticClassInfo());
  TrpBand* header = FindPageBand(TrpPageHeader::StaticClassInfo());
  const QList<TrpBand*> order = FPage->TitleBeforeHeader() ? QList<TrpBand*>{title, header}
                                                           : QList<TrpBand*>{header, title};
  for (TrpBand* band : order)
    if (band) FHeaderList << HeaderItem{band, 0, false};
  SetPageHeight(FPage->PrintableHeight() * rp01cm);
  SetPageWidth(FPage->PrintableWidth() * rp01cm);
  SetCurX(0);
  SetCurY(0);
  SetCurColumn(1);
  FPageCurX = 0;
  FIsFirstPage = true;
  FIsLastPage = false;
  FOverflowPages = 0;
  if (TrpCustomOutline* outline = Outline()) outline->LevelRoot();
  FOutlineDepth = 0;
  FOutlinePageEntry = -1;
  if (FPage->ResetPageNumbers()) Anchors().ResetLogicalPageNumber();
  if (FPage->PrintOnPreviousPage() && Store().GetCount() > 0) {
    // Continue below the lowest band of the last page.
    Store().SetCurPage(Store().GetCount() - 1);
    ContinueInLastColumn();
    FFirstColumnY = CurY();
    if (title && FPage->ShowTitleOnPreviousPage()) ShowBand(*title);
    RemoveFromHeaderList(title);
    ShowBand(TrpColumnHeader::StaticClassInfo());
  } else {
    AddPage();
  }
  AddPageOutline();
}

// A page printed on the page before goes on in the column that page was left in, where its own
// layout has that column: its bands have their own column's width, which at the recorded
// position could run past the page's right edge. A page with fewer columns (or none) has wider
// bands still and goes on at column 1 below the bands of all columns.
void TrpEngine::ContinueInLastColumn() {
  int column = 1;
  Extended recorded = 0;
  if (!Builder().GetLastColumnPos(column, recorded) || column > FPage->Columns()) {
    SetCurY(Builder().GetLastY(0));
    return;
  }
  const Extended own = ColumnPosition(column);
  SetCurColumn(column);
  FPageCurX = own;
  SetCurX(own);
  // The columns before the recorded one lie left of it and the later ones are empty, so columns
  // starting at or right of it need only clear that column's bands. A column starting further
  // left may lie beside an earlier, longer column: it starts below the bands of all columns.
  const bool besideRecordedOnly = own >= recorded - rpUnitTolerance;
  SetCurY(besideRecordedOnly ? std::max(Builder().GetLastY(recorded), Builder().GetLastY(own))
                             : Builder().GetLastY(0));
}

// The page's loose objects go out through a temporary null band that stays at the top-left corner
// of the printable area, so each object keeps its own position there. The null band itself
// leaves CurY as it was; a subreport lying on the page moves it below its own rows, so the
// page's bands follow them instead of being drawn over them.
void TrpEngine::ShowLooseObjects() {
  const QList<TrpComponent*> loose = FPageBands->Loose;
  if (loose.isEmpty()) return;
  auto nullBand = std::unique_ptr<TrpNullBand>(new TrpNullBand(FPage));
  nullBand->SetBounds(0, 0, PageWidth(), GetPageHeight());
  for (TrpComponent* object : loose) object->SetParent(nullBand.get());
  nullBand->AlignChildren();
  try {
    ShowBand(*nullBand);
  } catch (...) {
    for (TrpComponent* object : loose) object->SetParent(FPage);
    throw;
  }
  // Back on the page before the band goes, which would free them with it.
  for (TrpComponent* object : loose) object->SetParent(FPage);
}

void TrpEngine::AddPageOutline() {
  TrpCustomOutline* outline = Outline();
  if (!outline || FPage->OutlineText().isEmpty()) return;
  outline->LevelRoot();
  outline->AddItem(Evaluate(FPage->OutlineText()).ToText(), 0);
  // Band entries nest under the page's from here, unless some are still open: a group running on
  // over the page end keeps the entries of its rows on this page under its own entry, which lies
  // under the entry of the page it opened on, however many pages ago; a kept block that moved
  // here brings its entries under this page's. The open entries are the last ones on their
  // levels.
  const bool pasted = FKeptOutlineCut;
  if (pasted) outline->PasteItems();
  FKeptOutlineCut = false;
  outline->LevelRoot();
  if (pasted || FOutlineDepth == 0) FOutlinePageEntry = outline->GetCount() - 1;
  else if (FOutlinePageEntry < 0) FOutlinePageEntry = outline->GetCount() - 2;
  outline->LevelDown(FOutlinePageEntry);
  for (int i = 0; i < FOutlineDepth; ++i) outline->LevelDown(outline->GetCount() - 1);
}

void TrpEngine::AddPage() {
  FPrevFooterHeight = 0;
  Builder().AddPage(*FPage);
  ++FPagesShown;
  SetCurY(0);
  FFirstColumnY = 0;
  ShowOverlay(false);
  ShowHeaderList(false);
  FStartNewPageBand = nullptr;
  // A subreport goes on at its own left.
  SetCurX(CurX() + FSubreportLeft);
}

// Shows the header list at the top of a new page, or (forColumn) of a new column, where the page
// header, the title and the band last shown are not repeated. Every column opens with the column
// header, below the page's title and header and above the reprinted data and group headers.
void TrpEngine::ShowHeaderList(bool forColumn, bool takenUp) {
  const bool wasFromAddPage = FCallFromAddPage;
  // A band re-shown at the top of a page is not recorded twice there; in a new column it is,
  // unless the column was opened before.
  const bool notTwice = !forColumn || takenUp;
  FCallFromAddPage = notTwice;
  const Extended columnX = CurX();
  bool columnHeaderShown = false;
  auto showColumnHeader = [&] {
    if (columnHeaderShown) return;
    columnHeaderShown = true;
    SetCurX(columnX);
    ShowBand(TrpColumnHeader::StaticClassInfo());
  };
  const QList<HeaderItem> items = FHeaderList;
  for (const HeaderItem& item : items) {
    TrpBand* band = item.Band;
    const bool pageHeader = isKind(band, TrpPageHeader::StaticClassInfo());
    const bool title = isKind(band, TrpReportTitle::StaticClassInfo());
    if (!pageHeader && !title) showColumnHeader();
    if (!ShownAgain(item)) continue;
    if (forColumn && (pageHeader || title || band == FLastBandOnPage)) continue;
    if (pageHeader && FIsFirstPage && !static_cast<TrpPageHeader*>(band)->PrintOnFirstPage()) {
      if (band->PrintChildIfInvisible() && band->Child()) ShowBand(*band->Child());
      continue;
    }
    SetCurX(columnX + item.Left);
    FCallFromPHeader = pageHeader;
    FCallFromAddPage = notTwice && !(takenUp && IsRunningSubreportHeader(band));
    ShowBand(*band);
    FCallFromAddPage = notTwice;
    FCallFromPHeader = false;
    if (pageHeader || title) FFirstColumnY = CurY();
    if (title) {
      FTitlePrinted = true;
      RemoveFromHeaderList(band);
    }
  }
  showColumnHeader();
  SetCurX(columnX);
  FCallFromAddPage = wasFromAddPage;
}

void TrpEngine::RemoveFromHeaderList(TrpBand* band) {
  if (FVCollecting) FVCollecting->HeaderList.removeAll(band);
  for (qsizetype i = FHeaderList.size() - 1; i >= 0; --i)
    if (FHeaderList[i].Band == band) FHeaderList.removeAt(i);
}

void TrpEngine::AddToHeaderList(TrpBand& band) {
  if (band.Vertical()) {
    if (FVCollecting) FVCollecting->HeaderList << &band;
    return;
  }
  FHeaderList << HeaderItem{&band, CurX() - FPageCurX, FKeeping};
}

void TrpEngine::NewPage() {
  if (RevisitNextPage()) return;
  GiveUpOverflowedKeep();
  if (FKeeping && !KeptBlockFitsEmptyPage()) EndKeep(*FKeepBand);
  if (FKeeping) CutKeptBlock();
  FLastBandOnPage = CurBand();
  // The footers EndPage places below the content move CurY on; the page ends at the content.
  const Extended contentBottom = CurY();
  EndPage();
  if (FPage->EndlessHeight()) StoreEndlessPage(contentBottom);
  AddPage();
  if (FKeeping) PasteKeptBlock(true);
  AddPageOutline();
}

// A finished page of endless height keeps its own height, its content and footers: it is stored
// in full with it.
void TrpEngine::StoreEndlessPage(Extended contentBottom) {
  const int index = Store().CurPage();
  TrpReportPage* page = Store().GetPage(index);
  if (!page) return;
  const Extended width = PageWidth() / rp01cm + FPage->LeftMargin() + FPage->RightMargin();
  const Extended height =
      (FooterHeight() + contentBottom) / rp01cm + FPage->TopMargin() + FPage->BottomMargin();
  page->SetSizeAndDimensions(256, width, height);
  Store().ModifyPage(index, *page);
}

void TrpEngine::NewColumn() {
  const int columns = FPage->Columns();
  if (columns <= 1 || CurColumn() >= columns) {
    NewPage();
    return;
  }
  if (RevisitNextColumn()) return;
  GiveUpOverflowedKeep();
  if (FKeeping) CutKeptBlock();
  // The pages the column's rows overflowed onto end the column first: their footers show the
  // column's totals, which this column's footer then resets.
  ForEachOverflowPage([this](int) { ShowOverflowColumnFooter(FPageCurX); });
  ShowSubreportColumnFooters();
  ShowColumnFooter();
  SetCurColumn(CurColumn() + 1);
  if (FSideBySide) FSideBySide->Opened.insert({Store().CurPage(), CurColumn()});
  FPageCurX = ColumnPosition(CurColumn());
  SetCurX(FPageCurX);
  SetCurY(FFirstColumnY);
  FLastBandOnPage = CurBand();
  ShowHeaderList(true);
  SetCurX(FPageCurX + FSubreportLeft);
  if (FKeeping) PasteKeptBlock(false);
}

// A new column with room for `height`. The columns of a page continued below earlier output
// start level with it, so the next column may have no room either: output then moves on again,
// at the latest to a new page.
void TrpEngine::NewColumnFor(Extended height) {
  const int page = Store().CurPage();
  NewColumn();
  while (height > FreeSpace() + rpUnitTolerance && Store().CurPage() == page) NewColumn();
}

void TrpEngine::EndPage() {
  // The pages the vertical bands overflowed onto end around this page's end: their footers
  // first, showing the totals that this page's footers then reset; their overlays last, over
  // the parts this page's footers put there.
  const QScopedValueRollback ending(FEndingPage, true);
  StartEndingOverflowPages();
  SetCurX(FPageCurX);
  // Taken before the column footer moves CurY: an endless page ends below both footers.
  const Extended pageHeight = GetPageHeight();
  ShowSubreportColumnFooters();
  ShowColumnFooter();
  // A page without columns that went on below a page in columns spans all of them: a page
  // continuing after it starts below it in the first column, so the record goes. (Pages it
  // added itself have none.)
  if (FPage->Columns() > 1) Builder().UpdatePageLastColumn(CurColumn(), false, FPageCurX);
  else if (FPage->PrintOnPreviousPage()) Builder().UpdatePageLastColumn(1, true, 0);
  if (!FIsLastPage) {
    SetCurColumn(1);
    FPageCurX = 0;
  }
  SetCurX(0);
  ShowPageFooter(pageHeight);
  ShowOverlay(true);
  EndOverflowPages();
  FIsFirstPage = false;
}

// The page footer at the bottom of a page `pageHeight` high, unless the page has it already.
void TrpEngine::ShowPageFooter(Extended pageHeight) {
  auto* footer = static_cast<TrpPageFooter*>(FindPageBand(TrpPageFooter::StaticClassInfo()));
  const bool footerWanted = footer && (!FIsFirstPage || footer->PrintOnFirstPage()) &&
                            (!FIsLastPage || footer->PrintOnLastPage());
  if (!footerWanted || Builder().BandExists(*footer)) return;
  SetCurY(pageHeight - footer->Height());
  ShowBand(*footer);
  if (FIsLastPage) FPrevFooterHeight = footer->Height();
}

// The overlay lies over the whole page: under the bands when a page opens, over them
// (PrintOnTop) when it ends.
void TrpEngine::ShowOverlay(bool onTop) {
  auto* overlay = static_cast<TrpOverlay*>(FindPageBand(TrpOverlay::StaticClassInfo()));
  if (!overlay || overlay->PrintOnTop() != onTop) return;
  const Extended y = CurY();
  SetCurY(0);
  ShowBand(*overlay);
  SetCurY(y);
}

// The end of a page run: the summary, the page's final size when it is endless, the page end.
void TrpEngine::FinishLastPage() {
  ShowBand(TrpReportSummary::StaticClassInfo());
  FIsLastPage = true;
  if (FPage->EndlessHeight() || FPage->EndlessWidth()) {
    const Extended height = FPage->EndlessHeight()
                                ? GetPageHeight() + (FPage->TopMargin() + FPage->BottomMargin()) * rp01cm
                                : FPage->PaperHeight() * rp01cm;
    const Extended width =
        (FPage->LeftMargin() + FPage->RightMargin()) * rp01cm + PageWidth();
    if (FPage->EndlessHeight()) SetPageHeight(GetPageHeight());
    Builder().UpdatePageDimensions(*FPage, width, height);
  }
  EndPage();
}
