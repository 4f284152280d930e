// The overflow pages of vertical bands: the pages after a page that take the parts of its rows
// that were too wide for it. They open and end like every other page, with the overlay, the page
// header and footer and the column header and footer, but without the data headers; the bands
// crossed by vertical bands reach them as parts of the page they continue.
#include <QScopeGuard>
#include <QScopedValueRollback>

#include <functional>

#include "report/engine/engine.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"

// The next page part: the page after the current one, written over when it exists, else opened.
void TrpEngine::MoveToOverflowPage() {
  const int count = Store().GetCount();
  Store().SetAddPageAction(apWriteOver);
  Builder().AddPage(*FPage);
  if (Store().GetCount() > count) StartOverflowPage();
}

// A new overflow page opens with the overlay below and the page and column headers above, as
// its page did; where output stood is kept.
void TrpEngine::StartOverflowPage() {
  const Extended x = CurX(), y = CurY(), firstColumnY = FFirstColumnY;
  TrpBand* const curBand = CurBand();
  TrpBand* const startNewPageBand = FStartNewPageBand;
  const auto restore = qScopeGuard([&] {
    SetCurX(x);
    SetCurY(y);
    FFirstColumnY = firstColumnY;
    FStartNewPageBand = startNewPageBand;
    SetCurBand(curBand);
  });
  const QScopedValueRollback overflow(FOnOverflowPage, true);
  const QScopedValueRollback noDataHeaders(FDontShowHeaders, true);
  FStartNewPageBand = nullptr;
  SetCurX(0);
  SetCurY(0);
  ShowOverlay(false);
  ShowHeaderList(false);
  // Opened by a later column, the page still ends the columns before it, as its page does.
  for (int column = 1; column < CurColumn(); ++column)
    ShowOverflowColumnFooter(ColumnPosition(column));
}

// Runs `step` on each overflow page of the current page (with its part number), which stays the
// current page.
void TrpEngine::ForEachOverflowPage(const std::function<void(int)>& step) {
  const int page = Store().CurPage();
  const Extended x = CurX(), y = CurY();
  TrpBand* const curBand = CurBand();
  const auto restore = qScopeGuard([&] {
    Store().SetCurPage(page);
    SetCurX(x);
    SetCurY(y);
    SetCurBand(curBand);
  });
  const QScopedValueRollback overflow(FOnOverflowPage, true);
  for (int part = 1; part <= FOverflowPages && page + part < Store().GetCount(); ++part) {
    Store().SetCurPage(page + part);
    step(part);
  }
}

// The overflow pages end around their page's own end. First their footers not crossed by
// vertical bands, which show the totals that the page's footers then reset; where each page's
// content ends is kept, so that the parts of the page's own crossed footers land there. After
// the page's end (EndOverflowPages), the overlay on top of each and, endless, their own size.
void TrpEngine::StartEndingOverflowPages() {
  FOverflowEnds.clear();
  ForEachOverflowPage([this](int part) { ShowOverflowFooters(part); });
}

void TrpEngine::EndOverflowPages() {
  ForEachOverflowPage([this](int part) {
    const OverflowPageEnd& end = OverflowEndOf(part);
    // A page opened by the parts of the page's own footers has not had its footers yet.
    if (!end.FootersShown) ShowOverflowFooters(part);
    ShowOverlay(true);
    if (FPage->EndlessHeight()) StoreEndlessPage(end.Content);
  });
  FOverflowPages = 0;
  FOverflowEnds.clear();
}

// An overflow page's last column ends with its footer, and the page with its footer at the
// bottom of a page that, endless, is as high as its content.
void TrpEngine::ShowOverflowFooters(int part) {
  OverflowPageEnd& end = OverflowEndOf(part);
  end.FootersShown = true;
  ShowOverflowColumnFooter(FPageCurX);
  SetCurX(0);
  ShowPageFooter(end.Height);
}

// Each column of an overflow page ends as its page's column does (NewColumn, EndPage): with the
// column footer below the column's own content there; the column starts at `columnX`.
void TrpEngine::ShowOverflowColumnFooter(Extended columnX) {
  TrpBand* const columnFooter = FindPageBand(TrpColumnFooter::StaticClassInfo());
  if (!columnFooter) return;
  SetCurX(columnX);
  SetCurY(Builder().GetLastY(columnX));
  ShowBand(*columnFooter);
}

// Where overflow page `part` (the current page when first asked) ends, taken before its footers
// are placed. Only an endless page needs to know where its content ends.
TrpEngine::OverflowPageEnd& TrpEngine::OverflowEndOf(int part) {
  const auto index = static_cast<std::size_t>(part - 1);
  if (FOverflowEnds.size() <= index) FOverflowEnds.resize(index + 1);
  OverflowPageEnd& end = FOverflowEnds[index];
  if (end.Known) return end;
  const bool endless = FPage->EndlessHeight();
  end.Content = endless ? Builder().GetLastY(0) : 0;
  end.Height = endless ? FooterHeight() + end.Content : PageHeight();
  end.Known = true;
  return end;
}

// The top of the part of `band` that goes to overflow page `part` (the current page): the
// page's footers end each overflow page as they end the page, below the column's own content
// and at the page's bottom; the other bands lie level with their page.
Extended TrpEngine::OverflowPartTop(const TrpBand& band, int part) {
  if (band.InheritsFrom(TrpColumnFooter::StaticClassInfo())) return Builder().GetLastY(FPageCurX);
  if (FEndingPage && band.InheritsFrom(TrpPageFooter::StaticClassInfo()))
    return OverflowEndOf(part).Height - band.Height();
  return band.Top();
}
