// Steps every print mode shares: which pages, in which order, the printer's document and pages,
// drawing one page, and what follows a printed page.
#include "report/print/print_job.h"

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/report_page.h"
#include "report/printer/custom_printer.h"
#include "report/printer/printer_canvas.h"

#include <QPainter>

int TrpPrintJob::EntryCount() const {
  return FAllPages ? FPages.GetCount() : static_cast<int>(FList.size());
}

// The page index an entry names, or -1 for a number that names no page.
int TrpPrintJob::PageIndexOf(int entry) const {
  const int count = FPages.GetCount();
  if (FAllPages) return entry >= 0 && entry < count ? entry : -1;
  if (entry < 0 || entry >= FList.size()) return -1;
  bool ok = false;
  const int number = FList[entry].toInt(&ok);
  return ok && number >= 1 && number <= count ? number - 1 : -1;
}

bool TrpPrintJob::ExcludedByPrintPages(int index) const {
  const bool even = (index + 1) % 2 == 0;
  return (FOptions.PrintPages() == ppOdd && even) || (FOptions.PrintPages() == ppEven && !even);
}

int TrpPrintJob::EntryAt(int step) const {
  return FOptions.Reverse() ? EntryCount() - 1 - step : step;
}

bool TrpPrintJob::ReadPage(int index, PageSettings& settings) {
  const TrpReportPage* page = FPages.GetPage(index);
  if (!page) return false;
  settings = PageSettings{page->PaperSize(),   page->PaperWidth(), page->PaperHeight(),
                          page->Orientation(), page->Bin(),        page->BinOtherPages(),
                          page->Duplex()};
  return true;
}

// Reads the page's paper settings and the copies to ask the printer for: with collation the
// printer prints one and the job repeats the pages; without, the printer makes the copies.
bool TrpPrintJob::FetchPage(int index, PageSettings& settings, int& copies) {
  if (!ReadPage(index, settings)) return false;
  FPages.SetCopyNo(FOptions.Collate() ? FCopy : 1);
  copies = FOptions.Collate() ? 1 : FCopies;
  if (FReport.OnPrintPage) FReport.OnPrintPage(index, FPages.CopyNo());
  return true;
}

// The first sheet of each paper source comes from that source, later ones from the page's source
// for other pages.
int TrpPrintJob::SourceOf(const PageSettings& page) {
  if (FUsedBins.contains(page.Bin)) return page.BinOtherPages;
  FUsedBins.append(page.Bin);
  return page.Bin;
}

TrpDuplexMode TrpPrintJob::DuplexOf(const PageSettings& page) const {
  return FDuplex != dmNone ? FDuplex : page.Duplex;
}

void TrpPrintJob::StartDocument() {
  if (FDocStarted) return;
  // Marked before asking, so that a refused start is still aborted and the printer left idle.
  FDocStarted = true;
  if (!FPrinter->BeginDoc()) throw Failure{FPrinter->LastError()};
}

void TrpPrintJob::BeginSheet() {
  if (!FPrinter->BeginPage())
    throw Failure{FPrinter->LastError().isEmpty() ? QStringLiteral("The printer refused the page")
                                                  : FPrinter->LastError()};
}

void TrpPrintJob::EndSheet() {
  if (!FPrinter->EndPage())
    throw Failure{FPrinter->LastError().isEmpty() ? QStringLiteral("The printer refused the page")
                                                  : FPrinter->LastError()};
}

void TrpPrintJob::DrawPage(int index, Extended scaleX, Extended scaleY, Extended offsetX,
                           Extended offsetY) {
  QPainter* painter = FPrinter->Canvas()->Painter();
  if (!painter) throw Failure{QStringLiteral("The printer has no page to draw on")};
  FPages.DrawPage(index, *painter, scaleX, scaleY, offsetX, offsetY);
}

// Memory stays bounded however long the report: pages are rebuilt from the store on demand.
void TrpPrintJob::AfterPage() {
  ++FPrinted;
  FPages.ClearPageCache();
}

void TrpPrintJob::AbortDocument() {
  if (!FDocStarted) return;
  FDocStarted = false;
  FPrinter->Abort();
}

// The user cancelled in the progress window: the document is aborted and the walk stops.
bool TrpPrintJob::CheckTerminated() {
  if (!FReport.Terminated()) return false;
  FCancelled = true;
  AbortDocument();
  return true;
}

QPointF TrpPrintJob::Resolution() const { return QPointF(FPrinter->DPI()); }
Extended TrpPrintJob::MmToPixelsX(Extended mm) const { return mm * FPrinter->DPI().x() / 25.4L; }
Extended TrpPrintJob::MmToPixelsY(Extended mm) const { return mm * FPrinter->DPI().y() / 25.4L; }

TrpPrintJob::Sheet TrpPrintJob::SheetFor(const PageSettings& page) const {
  if (FSheetFromPage) return Sheet{page.Paper, page.Width, page.Height, page.Orientation};
  return Sheet{FSheetPaper, FSheetWidth, FSheetHeight, poPortrait};
}
