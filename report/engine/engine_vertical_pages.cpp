// The overflow pages of vertical bands: the pages after a page that take the parts of its rows
// that were too wide for it. They open and end like every other page, with the overlay, the page
// header and footer and the column header and footer, but without the data headers; the bands
// crossed by vertical bands reach them as parts of the page they continue.
#include <QScopeGuard>
#include <QScopedValueRollback>

#include "report/engine/engine.h"
#include "report/model/band_kinds.h"
#include "report/model/class_info.h"
#include "report/model/custom_preview_pages.h"
#include "report/model/report_page.h"

// The next page part: the page after the current one, written over when it exists, else opened.
void TrpEngine::MoveToOverflowPage() {
  const int count = Store().GetCount();
  Store().SetAddPageAction(apWriteOver);
  Store().AddPage(*FPage);
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
}

// Ends the overflow pages of the current page, which stays the current one.
void TrpEngine::EndOverflowPages() {
  const int pages = FOverflowPages;
  FOverflowPages = 0;
  if (pages == 0) return;
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
  for (int i = 1; i <= pages && page + i < Store().GetCount(); ++i) {
    Store().SetCurPage(page + i);
    EndOverflowPage();
  }
}

// An overflow page ends below its own content, as every page does; a page of endless height
// takes its own size.
void TrpEngine::EndOverflowPage() {
  TrpBand* const columnFooter = FindPageBand(TrpColumnFooter::StaticClassInfo());
  // Only the column footer and an endless page need to know where the content ends.
  const bool endless = FPage->EndlessHeight();
  const Extended content = columnFooter || endless ? Store().GetLastY(0) : 0;
  SetCurX(0);
  SetCurY(content);
  const Extended pageHeight = GetPageHeight();
  if (columnFooter && !Store().BandExists(*columnFooter)) ShowBand(*columnFooter);
  ShowPageFooter(pageHeight);
  ShowOverlay(true);
  if (endless) StoreEndlessPage(content);
}
