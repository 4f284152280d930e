// One page per sheet: as it is (pmDefault) or scaled to the chosen sheet (pmScale).
#include "report/print/print_job.h"

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/printer/custom_printer.h"

#include <algorithm>
#include <cmath>

namespace {

long long wholeMm(Extended mm) { return std::llround(static_cast<double>(mm)); }

// The factor that stretches `page` to `sheet`; 1 when either has no size.
Extended stretch(Extended sheet, Extended page) {
  return sheet > 0 && page > 0 ? sheet / page : 1;
}

}  // namespace

bool TrpPrintJob::PrintSheetPage(int entry) {
  const int index = PageIndexOf(entry);
  if (index < 0 || ExcludedByPrintPages(index)) return true;
  if (CheckTerminated()) return false;
  PageSettings page;
  int copies = 1;
  if (!FetchPage(index, page, copies)) return true;
  const int bin = SourceOf(page);
  const TrpDuplexMode duplex = DuplexOf(page);
  // Two-sided printing: after an odd number of pages the back of the last sheet is still empty.
  if (duplex != FLast.Duplex) FBlankSide = false;
  if (duplex == dmVertical || duplex == dmHorizontal) FBlankSide = !FBlankSide;

  const SheetSettings wanted{page.Paper, wholeMm(page.Width), wholeMm(page.Height),
                             bin,        page.Orientation,    duplex};
  if (FOptions.PrintMode() == pmScale)
    SetUpScale(page, wanted, copies);
  else
    SetUpDefault(page, wanted, copies);
  StartDocument();
  BeginSheet();

  const QPointF r = Resolution();
  Extended scaleX = r.x() / 96, scaleY = r.y() / 96;
  if (FOptions.PrintMode() == pmScale) {
    const Extended sx = stretch(FScaleWidth, page.Width), sy = stretch(FScaleHeight, page.Height);
    scaleX *= sx;
    scaleY *= sy;
    FPages.SetPrintScale(std::min(sx, sy));
  }
  // The page's corner goes on the paper's corner, not on the corner of the printable area.
  DrawPage(index, scaleX, scaleY, -MmToPixelsX(FPrinter->LeftMargin()),
           -MmToPixelsY(FPrinter->TopMargin()));
  FReport.InternalOnProgress(ptPrinting, index + 1);
  EndSheet();
  FLast = wanted;
  AfterPage();
  return true;
}

// The printer is set up again only when the paper, its size, the source, the orientation or the
// duplex mode change.
void TrpPrintJob::SetUpDefault(const PageSettings& page, const SheetSettings& wanted, int copies) {
  if (FDocStarted && wanted == FLast) return;
  FPrinter->SetPrintParams(page.Paper, page.Width, page.Height, page.Orientation, wanted.Bin,
                           wanted.Duplex, copies);
}

// The sheet stays; only the source, the orientation and the duplex mode can change it (and the
// page's paper, when each page is printed on its own paper).
void TrpPrintJob::SetUpScale(const PageSettings& page, const SheetSettings& wanted, int copies) {
  const bool paperChanged = FSheetFromPage && (wanted.Paper != FLast.Paper ||
                                               wanted.Width != FLast.Width ||
                                               wanted.Height != FLast.Height);
  if (FDocStarted && !paperChanged && wanted.Bin == FLast.Bin &&
      wanted.Orientation == FLast.Orientation && wanted.Duplex == FLast.Duplex)
    return;
  const Sheet sheet = SheetFor(page);
  FPrinter->SetPrintParams(sheet.Paper, sheet.Width, sheet.Height, page.Orientation, wanted.Bin,
                           wanted.Duplex, copies);
  // Now in the page's orientation.
  FScaleWidth = FPrinter->PaperWidth();
  FScaleHeight = FPrinter->PaperHeight();
}
