// Small pages joined on one sheet, in cells of the first page's size, row by row.
#include "report/print/print_job.h"

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/print/sheet_layout.h"
#include "report/printer/custom_printer.h"

#include <algorithm>
#include <utility>

void TrpPrintJob::PrintJoined() {
  if (FPages.GetCount() == 0 || EntryCount() == 0) return;
  const int modelIndex = PageIndexOf(0);
  if (modelIndex < 0) return;
  PageSettings model;
  if (!ReadPage(modelIndex, model)) return;
  const Sheet sheet = SheetFor(model);
  const TrpSheetLayout layout = rpSheetLayout(sheet.Width, sheet.Height, model.Width, model.Height);
  int across = layout.X, down = layout.Y;
  Extended sheetWidth = sheet.Width, sheetHeight = sheet.Height;
  TPrinterOrientation orientation = sheet.Orientation;
  if (layout.Rotated) {
    std::swap(across, down);
    std::swap(sheetWidth, sheetHeight);
    orientation = orientation == poLandscape ? poPortrait : poLandscape;
  }
  // The count rule rounds a part of a page up; joined pages must fit whole on the sheet.
  across = std::min(across, rpCellsThatFit(sheetWidth, model.Width));
  down = std::min(down, rpCellsThatFit(sheetHeight, model.Height));
  FPrinter->SetPrintParams(sheet.Paper, sheet.Width, sheet.Height, orientation, model.Bin,
                           DuplexOf(model), 1);
  StartDocument();

  const QPointF r = Resolution();
  const Extended cellWidth = MmToPixelsX(model.Width), cellHeight = MmToPixelsY(model.Height);
  const Extended left = MmToPixelsX(FPrinter->LeftMargin());
  const Extended top = MmToPixelsY(FPrinter->TopMargin());
  int entry = 0, copy = 1, index = -1;
  bool more = NextJoinedPage(entry, copy, index);
  while (more) {
    BeginSheet();
    for (int row = 0; row < down && more; ++row) {
      for (int column = 0; column < across && more; ++column) {
        FPages.SetCopyNo(FOptions.Collate() ? FCopy : copy);
        if (FReport.OnPrintPage) FReport.OnPrintPage(index, FPages.CopyNo());
        DrawPage(index, r.x() / 96, r.y() / 96, -left + column * cellWidth,
                 -top + row * cellHeight);
        more = NextJoinedPage(entry, copy, index);
      }
    }
    EndSheet();
    FReport.InternalOnProgress(ptPrinting, FPrinted + 1);
    if (CheckTerminated()) return;
    AfterPage();
  }
}

// Steps to the next page to place: without collation each page fills `Copies` cells in a row
// before the next page comes; with it, each walk places every page once. Entries naming no page
// are passed over. False when the list is exhausted.
bool TrpPrintJob::NextJoinedPage(int& entry, int& copy, int& index) const {
  const int copiesPerPage = FOptions.Collate() ? 1 : FCopies;
  if (index >= 0) {
    if (++copy > copiesPerPage) {
      copy = 1;
      ++entry;
    }
  }
  if (copy != 1) return true;
  for (; entry < EntryCount(); ++entry) {
    index = PageIndexOf(entry);
    if (index >= 0) return true;
  }
  return false;
}
