// Subreports: a subreport object inside a band runs the band tree of its page at the object's
// position once the band is output. Subreports side by side all start at the band's page and
// column; output then goes on below the furthest point any of them reached.
#include <QScopeGuard>

#include <algorithm>
#include <tuple>

#include "report/component/report.h"
#include "report/engine/engine.h"
#include "report/objects/class_cast.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"
#include "report/pages/subreport.h"

namespace {

// Where output stands: page, column (with its left and the top of its band area) and height.
struct OutputPoint {
  int Page = 0;
  int Column = 1;
  Extended ColumnX = 0;
  Extended FirstColumnY = 0;
  Extended Y = 0;
  bool Beyond(const OutputPoint& other) const {
    return std::tie(Page, Column, Y) > std::tie(other.Page, other.Column, other.Y);
  }
};

QList<TrpSubreport*> subreportsOf(const TrpBand& band) {
  QList<TrpSubreport*> found;
  for (TrpComponent* child : band.Objects()) {
    auto* subreport = rpClassCast<TrpSubreport>(child);
    if (subreport && subreport->Visible() && subreport->Page() && !subreport->PrintOnParent())
      found << subreport;
  }
  return found;
}

}  // namespace

void TrpEngine::ShowSubreports(TrpBand& band, Extended left, Extended top) {
  if (!band.Visible()) return;
  const QList<TrpSubreport*> subreports = subreportsOf(band);
  if (subreports.isEmpty()) return;
  auto here = [this] {
    return OutputPoint{Store().CurPage(), CurColumn(), FPageCurX, FFirstColumnY, CurY()};
  };
  auto goTo = [this](const OutputPoint& point) {
    Store().SetCurPage(point.Page);
    SetCurColumn(point.Column);
    FPageCurX = point.ColumnX;
    FFirstColumnY = point.FirstColumnY;
    SetCurX(FPageCurX + FSubreportLeft);
    SetCurY(point.Y);
  };
  // Side by side, the columns the subreports leave are closed once, after all of them.
  SideBySide run;
  SideBySide* const outerRun = FSideBySide;
  if (subreports.size() > 1) FSideBySide = &run;
  const auto restoreRun = qScopeGuard([&] { FSideBySide = outerRun; });
  // The band's own bottom is the least that output goes on from.
  const OutputPoint start = here();
  OutputPoint furthest = start;
  for (TrpSubreport* subreport : subreports) {
    if (Terminated()) break;
    goTo(start);
    SetCurY(top + subreport->Top());
    RunSubreport(*subreport, left + subreport->Left());
    if (FSideBySide == &run) NoteColumnBottom();
    if (const OutputPoint reached = here(); reached.Beyond(furthest)) furthest = reached;
  }
  if (FSideBySide == &run) {
    FSideBySide = outerRun;
    ShowDeferredColumnFooters(run);
  }
  goTo(furthest);
}

void TrpEngine::ShowColumnFooter() {
  const Extended x = CurX();
  SetCurX(FPageCurX);
  if (!FSideBySide) {
    ShowBand(TrpColumnFooter::StaticClassInfo());
  } else if (FindPageBand(TrpColumnFooter::StaticClassInfo())) {
    NoteColumnBottom();
    const std::pair<int, int> column{Store().CurPage(), CurColumn()};
    if (!FSideBySide->Waiting.contains(column)) FSideBySide->Waiting << column;
  }
  SetCurX(x);
}

// The lowest output in the current column so far, among the subreports running side by side.
void TrpEngine::NoteColumnBottom() {
  if (!FSideBySide) return;
  const std::pair<int, int> column{Store().CurPage(), CurColumn()};
  Extended& bottom = FSideBySide->Bottoms[column];
  bottom = std::max(bottom, CurY());
  FSideBySide->ColumnLefts[column] = FPageCurX;
}

void TrpEngine::ShowDeferredColumnFooters(const SideBySide& run) {
  const int page = Store().CurPage();
  const Extended x = CurX(), y = CurY();
  for (const std::pair<int, int>& column : run.Waiting) {
    Store().SetCurPage(column.first);
    SetCurX(run.ColumnLefts.value(column));
    SetCurY(run.Bottoms.value(column));
    ShowBand(TrpColumnFooter::StaticClassInfo());
  }
  Store().SetCurPage(page);
  SetCurX(x);
  SetCurY(y);
}

// Runs the subreport's page as a band tree of the current page: the page flow (headers, footers,
// free space) stays the parent page's, only the data bands and the left edge are the subreport's.
void TrpEngine::RunSubreport(TrpSubreport& subreport, Extended left) {
  TrpReportPage& page = *subreport.Page();
  TrpPageBands* bands = FBands.value(&page).get();
  // A page is shown by one subreport only and a shown page is never run on its own, so no
  // chain of subreports can lead back to a page already running.
  if (!bands) return;
  TrpPageBands* const outerBands = FPageBands;
  const Extended outerLeft = FSubreportLeft;
  auto restore = [&] {
    FPageBands = outerBands;
    FSubreportLeft = outerLeft;
  };
  FPageBands = bands;
  FSubreportLeft = left - FPageCurX;
  SetCurX(left);
  try {
    Report().DoBeforePrint(&page);
    FRunningSubreports << RunningSubreport{&page, FSubreportLeft};
    ShowSubreportOpening(page, bands->Loose, CurY());
    for (const auto& master : bands->Masters) {
      if (Terminated()) break;
      RunDataBand(*master);
    }
    ShowSubreportClosing(page);
    FRunningSubreports.removeLast();
    Report().DoAfterPrint(&page);
  } catch (...) {
    if (!FRunningSubreports.isEmpty() && FRunningSubreports.last().Page == &page) FRunningSubreports.removeLast();
    restore();
    throw;
  }
  restore();
}

// A second subreport side by side reaches pages the first one already made: they are taken up
// again below their headers (bands already there are not recorded twice) instead of new ones.
bool TrpEngine::RevisitNextPage() {
  if (Store().CurPage() + 1 >= Store().GetCount()) return false;
  // The pages after this one hold the vertical bands that overflowed its width: a new page.
  if (Store().AddPageAction() == apAdd) return false;
  if (FKeeping && !KeptBlockFitsEmptyPage()) EndKeep(*FKeepBand);
  if (FKeeping) CutKeptBlock();
  // The page is left as EndPage would leave it, but its own bands (footers, overlay) are there.
  ShowSubreportColumnFooters();
  NoteColumnBottom();
  Store().SetCurPage(Store().CurPage() + 1);
  SetCurColumn(1);
  FPageCurX = 0;
  SetCurX(0);
  SetCurY(0);
  FFirstColumnY = 0;
  ShowHeaderList(false, true);
  FStartNewPageBand = nullptr;
  SetCurX(FSubreportLeft);
  if (FKeeping) PasteKeptBlock(true);
  return true;
}

// The same for a column of the page that an earlier subreport side by side opened: its footer
// waits, its headers are there; the running subreports open it with their own column headers.
bool TrpEngine::RevisitNextColumn() {
  if (!FSideBySide || !FSideBySide->Opened.contains({Store().CurPage(), CurColumn() + 1})) return false;
  GiveUpOverflowedKeep();
  if (FKeeping) CutKeptBlock();
  ShowSubreportColumnFooters();
  ShowColumnFooter();
  SetCurColumn(CurColumn() + 1);
  FPageCurX = ColumnPosition(CurColumn());
  SetCurX(FPageCurX);
  SetCurY(FFirstColumnY);
  FLastBandOnPage = CurBand();
  ShowHeaderList(true, true);
  SetCurX(FPageCurX + FSubreportLeft);
  if (FKeeping) PasteKeptBlock(false);
  return true;
}

bool TrpEngine::IsRunningSubreportHeader(const TrpBand* band) const {
  for (const RunningSubreport& running : FRunningSubreports)
    if (band && band->Parent() == running.Page && band->InheritsFrom(TrpColumnHeader::StaticClassInfo())) return true;
  return false;
}
