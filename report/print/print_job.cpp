// The job as a whole: printer and dialog, the options it works with, the document, copies and
// collation, and what it tells the report before, during and after printing.
#include "report/print/print_job.h"

#include "report/component/report.h"
#include "report/objects/custom_preview.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/report_options.h"
#include "report/print/page_numbers.h"
#include "report/print/print_dialog.h"
#include "report/printer/custom_printer.h"
#include "report/printer/printer_error_box.h"
#include "report/printer/printers.h"
#include "report/res/resources.h"

#include <algorithm>
#include <utility>

namespace {

TrpPrintDialogRunner& installedDialog() {
  static TrpPrintDialogRunner runner;
  return runner;
}

// Puts the report's print options back as they were when the job began, whatever happens: every
// choice made in the dialog holds for one job only.
class OptionsRestorer {
 public:
  explicit OptionsRestorer(TrpPrintOptions& options) : FOptions(options) { FSaved.Assign(options); }
  ~OptionsRestorer() { FOptions.Assign(FSaved); }
  OptionsRestorer(const OptionsRestorer&) = delete;
  OptionsRestorer& operator=(const OptionsRestorer&) = delete;

 private:
  TrpPrintOptions& FOptions;
  TrpPrintOptions FSaved;
};

}  // namespace

TrpPrintDialogRunner rpSetPrintDialogRunner(TrpPrintDialogRunner runner) {
  std::swap(installedDialog(), runner);
  return runner;
}

TrpPrintJob::TrpPrintJob(TrpCustomPreviewPages& pages) : FPages(pages), FReport(pages.Report()) {}

bool TrpPrintJob::Print() {
  if (!rpPrinters()->HasPhysicalPrinters()) {
    rpPrinterErrorBox(rpResources()->Get(QStringLiteral("clNoPrinters")));
    return false;
  }
  FPages.SetPrintScale(1);
  if (FReport.DotMatrixReport() && rpReportServices().CreateDotMatrixExport) return PrintAsText();
  OptionsRestorer restorer(FReport.PrintOptions());
  FDuplex = FReport.PrintOptions().Duplex();
  FReport.SelectPrinter();
  const bool dialogShown = FReport.PrintOptions().ShowDialog();
  if (dialogShown && !ShowDialog()) {
    FPages.SetCopyNo(0);
    return false;
  }
  FOptions.Assign(FReport.PrintOptions());
  FPrinter = rpPrinters()->Printer();
  if (!FPrinter) {
    rpPrinterErrorBox(QString::fromLatin1(rpInvalidPrinterText));
    return false;
  }
  // A file chosen in the dialog stays; otherwise the options name the output file, if any.
  if (!dialogShown || FPrinter->FileName().isEmpty())
    FPrinter->SetFileName(FOptions.PrnOutFileName());
  if (FOptions.PrintMode() != pmDefault) NoteSheet();

  if (FReport.OnPrintReport) FReport.OnPrintReport();
  // Pages prepared from the definition are prepared again for the printer; pages read from a
  // prepared-report file have no definition behind them and print as they were loaded.
  if (TrpCustomPreview* preview = FReport.Preview(); preview && !FPages.LoadedFromFile()) {
    preview->Lock();
    preview->RefreshReport();
  }
  bool result = false;
  try {
    result = RunJob();
  } catch (...) {
    if (FReport.OnAfterPrintReport) FReport.OnAfterPrintReport();
    FPages.SetCopyNo(0);
    throw;
  }
  if (FReport.OnAfterPrintReport) FReport.OnAfterPrintReport();
  FPages.SetCopyNo(0);
  return result;
}

bool TrpPrintJob::ShowDialog() {
  TrpDuplexMode duplex = FDuplex;
  const TrpPrintDialogRunner& runner = installedDialog();
  const bool confirmed =
      runner ? runner(FReport, FPages, duplex) : rpShowPrintDialog(FReport, FPages, duplex);
  if (confirmed) FDuplex = duplex;
  return confirmed;
}

// The sheet paper in portrait, as the printer measures it. A paper the printer neither lists nor
// takes as a custom size (the initial 0 among them) has no size: each page's own paper stands in.
void TrpPrintJob::NoteSheet() {
  FSheetPaper = FOptions.PrintOnSheet();
  FSplicingLine = FOptions.SplicingLine();
  FSheetFromPage = FSheetPaper != 256 && FPrinter->PaperIndex(FSheetPaper) < 0;
  if (FSheetFromPage) return;
  const Extended width = FSheetPaper == 256 ? FPrinter->PaperWidth() : 0;
  const Extended height = FSheetPaper == 256 ? FPrinter->PaperHeight() : 0;
  FPrinter->SetViewParams(FSheetPaper, width, height, poPortrait);
  FSheetWidth = FPrinter->PaperWidth();
  FSheetHeight = FPrinter->PaperHeight();
  FSheetFromPage = !(FSheetWidth > 0) || !(FSheetHeight > 0);
}

bool TrpPrintJob::RunJob() {
  if (!FPrinter->Initialized()) {
    rpPrinterErrorBox(QString::fromLatin1(rpInvalidPrinterText));
    return false;
  }
  try {
    rpParsePageNumbers(FOptions.PageNumbers(), FList, FPages.GetCount());
    // A range that names no page ("5-3") prints nothing; only an empty text means every page.
    FAllPages = QString(FOptions.PageNumbers()).remove(QLatin1Char(' ')).isEmpty();
  } catch (const TrpPageRangeError& e) {
    rpPrinterErrorBox(e.Message());
    return false;
  }
  FPages.ClearPageCache();
  return RunDocument();
}

bool TrpPrintJob::RunDocument() {
  FReport.SetTerminated(false);
  FReport.InternalOnProgressStart(ptPrinting);
  const QString name = FReport.ReportOptions().Name();
  FPrinter->SetTitle(name.isEmpty() ? FReport.FileName() : name);
  FCopies = std::max(1, FOptions.Copies());
  FDocStarted = false;
  FLast = SheetSettings{};
  FLast.Duplex = dmNone;
  FBlankSide = false;
  FUsedBins.clear();
  FPrinted = 0;
  QString failure;
  try {
    if (FOptions.Collate()) {
      for (FCopy = 1; FCopy <= FCopies && !FCancelled; ++FCopy) {
        RunWalk();
        // A copy that ends on the front of a two-sided sheet leaves the back empty, so that the
        // next copy starts on a sheet of its own.
        if (FBlankSide && FDocStarted && !FCancelled) {
          FBlankSide = false;
          BeginSheet();
          EndSheet();
        }
      }
    } else {
      FCopy = 1;
      RunWalk();
    }
    EndDocument();
    // A selection that names no page of the report is an error, never an empty success.
    if (FPrinted == 0 && !FCancelled) failure = QStringLiteral("The page selection names no page to print");
  } catch (const Failure& f) {
    failure = f.Message;
  } catch (const std::exception& e) {
    failure = QString::fromLocal8Bit(e.what());
  }
  if (!failure.isEmpty()) AbortDocument();
  FReport.InternalOnProgressStop(ptPrinting);
  if (failure.isEmpty()) return true;
  rpPrinterErrorBox(failure);
  return false;
}

void TrpPrintJob::RunWalk() {
  switch (FOptions.PrintMode()) {
    case pmDefault:
    case pmScale:
      for (int step = 0; step < EntryCount(); ++step)
        if (!PrintSheetPage(EntryAt(step))) return;
      return;
    case pmSplit:
      for (int step = 0; step < EntryCount(); ++step)
        if (!PrintSplitPage(EntryAt(step))) return;
      return;
    case pmJoin:
      PrintJoined();
      return;
  }
}

// A document the spooler rejects at its end is a failure, not a printed report.
void TrpPrintJob::EndDocument() {
  if (!FDocStarted) return;
  FDocStarted = false;
  if (!FPrinter->EndDoc())
    throw Failure{FPrinter->LastError().isEmpty() ? QStringLiteral("The document was not printed")
                                                  : FPrinter->LastError()};
}
