// A page bigger than the sheet, printed in tiles over several sheets. Tiles overlap by the
// splicing line, which stays blank on the later tile so that the sheets can be glued together.
#include "report/print/print_job.h"

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/print/sheet_layout.h"
#include "report/printer/custom_printer.h"
#include "report/printer/printer_canvas.h"

#include <QPainter>

#include <utility>

namespace {

TPrinterOrientation turned(TPrinterOrientation o) {
  return o == poLandscape ? poPortrait : poLandscape;
}

}  // namespace

bool TrpPrintJob::PrintSplitPage(int entry) {
  const int index = PageIndexOf(entry);
  if (index < 0 || ExcludedByPrintPages(index)) return true;
  if (CheckTerminated()) return false;
  PageSettings page;
  int copies = 1;
  if (!FetchPage(index, page, copies)) return true;
  const int bin = index == 0 ? page.Bin : page.BinOtherPages;
  const TrpDuplexMode duplex = DuplexOf(page);
  const Sheet sheet = SheetFor(page);

  TrpSheetLayout layout = rpSheetLayout(page.Width, page.Height, sheet.Width, sheet.Height);
  // Room for the splicing line and the unprintable edges of every sheet that has a neighbour.
  Extended a = 0, b = 0;
  if (layout.X > 1)
    a = FSplicingLine + FPrinter->TopMargin() + FPrinter->BottomMargin();
  if (layout.Y > 1)
    b = FSplicingLine + FPrinter->LeftMargin() + FPrinter->RightMargin();
  if (layout.Rotated) std::swap(a, b);
  // A sheet that the allowances would use up keeps the layout it had.
  if (sheet.Width - a > 0 && sheet.Height - b > 0)
    layout = rpSheetLayout(page.Width, page.Height, sheet.Width - a, sheet.Height - b);

  const TPrinterOrientation orientation =
      layout.Rotated ? turned(sheet.Orientation) : sheet.Orientation;
  // Set up again when the sheet turns, and also when the source or the duplex mode changes:
  // otherwise the first page's source would hold for every later page.
  const bool paperChanged = FSheetFromPage && page.Paper != FLast.Paper;
  if (!FDocStarted || orientation != FLast.Orientation || paperChanged || bin != FLast.Bin ||
      duplex != FLast.Duplex)
    FPrinter->SetPrintParams(sheet.Paper, sheet.Width, sheet.Height, orientation, bin, duplex,
                             copies);
  StartDocument();
  const Sheet printed = layout.Rotated
                            ? Sheet{sheet.Paper, sheet.Height, sheet.Width, orientation}
                            : Sheet{sheet.Paper, sheet.Width, sheet.Height, orientation};
  PrintTiles(index, page, printed, layout.X, layout.Y);

  FReport.InternalOnProgress(ptPrinting, index + 1);
  FLast.Paper = page.Paper;
  FLast.Bin = bin;
  FLast.Orientation = orientation;
  FLast.Duplex = duplex;
  AfterPage();
  return true;
}

// `across` x `down` tiles, row by row; each tile is one sheet side.
void TrpPrintJob::PrintTiles(int index, const PageSettings& page, const Sheet& sheet, int across,
                             int down) {
  const QPointF r = Resolution();
  const Extended sw = MmToPixelsX(sheet.Width), sh = MmToPixelsY(sheet.Height);
  const Extended l = MmToPixelsX(FPrinter->LeftMargin()), rm = MmToPixelsX(FPrinter->RightMargin());
  const Extended t = MmToPixelsY(FPrinter->TopMargin()), bm = MmToPixelsY(FPrinter->BottomMargin());
  const Extended sx = MmToPixelsX(FSplicingLine), sy = MmToPixelsY(FSplicingLine);
  // The page's size in printer pixels bounds the clip of the last tiles.
  const int right = static_cast<int>(rpRound(page.Width * rp01cm * r.x() / 96 - rm - 1));
  const int bottom = static_cast<int>(rpRound(page.Height * rp01cm * r.y() / 96 - bm - 1));

  Extended advanceY = t;
  for (int row = 0; row < down; ++row) {
    Extended advanceX = l;
    for (int column = 0; column < across; ++column) {
      BeginSheet();
      QPainter* painter = FPrinter->Canvas()->Painter();
      if (painter) {
        painter->save();
        const int left = static_cast<int>(rpRound(l + (column > 0 ? sx : 0)));
        const int top = static_cast<int>(rpRound(t + (row > 0 ? sy : 0)));
        painter->setClipRect(QRect(QPoint(left, top), QPoint(right, bottom)));
      }
      DrawPage(index, r.x() / 96, r.y() / 96, -advanceX, -advanceY);
      if (painter) painter->restore();
      EndSheet();
      advanceX += sw - l - rm - sx;
    }
    advanceY += sh - t - bm - sy;
  }
}
