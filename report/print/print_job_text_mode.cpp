// Printing a dot-matrix report: a text-mode printer is sent text, not pictures. The pages go
// through the installed dot-matrix export (the chosen pages, with the export's own options
// dialog when the print options ask for a dialog), and its output is written to the printer as
// one raw document, once per copy.
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <algorithm>

#include "report/component/report.h"
#include "report/objects/custom_export_filter.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/report_options.h"
#include "report/print/print_job.h"
#include "report/printer/custom_printer.h"
#include "report/printer/printer_error_box.h"
#include "report/printer/printers.h"

bool TrpPrintJob::PrintAsText() {
  std::unique_ptr<TrpCustomExportFilter> text = rpReportServices().CreateDotMatrixExport();
  const TrpPrintOptions& options = FReport.PrintOptions();
  FReport.SelectPrinter();
  FPrinter = rpPrinters()->Printer();
  if (!FPrinter || !FPrinter->Initialized()) {
    rpPrinterErrorBox(QString::fromLatin1(rpInvalidPrinterText));
    return false;
  }
  text->SetSource(&FReport, &FPages);
  text->SetPageNumbers(options.PageNumbers());
  text->SetCurPage(FPages.CurPreviewPage() - 1);
  if (options.ShowDialog() && text->ShowModal() != mrOk) return false;

  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/rpXXXXXX.txt"));
  if (!file.open()) {
    rpPrinterErrorBox(file.errorString());
    return false;
  }
  file.close();
  text->SetFileName(file.fileName());
  if (FReport.OnPrintReport) FReport.OnPrintReport();
  bool printed = false;
  try {
    if (!FPages.Export(*text)) {
      rpPrinterErrorBox(text->Error());
    } else if (QFile written(file.fileName()); written.open(QIODevice::ReadOnly)) {
      // The export replaced the file whole: it is read by its name.
      const QByteArray bytes = written.readAll();
      const QString name = FReport.ReportOptions().Name();
      FPrinter->SetTitle(name.isEmpty() ? FReport.FileName() : name);
      FPrinter->SetFileName(options.PrnOutFileName());
      printed = FPrinter->BeginRAWDoc();
      // A text-mode printer knows no copy count: the text goes out once per copy.
      for (int copy = 0; printed && copy < std::max(1, options.Copies()); ++copy) printed = FPrinter->WriteRAWDoc(bytes);
      printed = FPrinter->EndRAWDoc() && printed;
      if (!printed) rpPrinterErrorBox(FPrinter->LastError());
      FPrinted = printed ? text->PagesDone() : 0;
    }
  } catch (...) {
    if (FReport.OnAfterPrintReport) FReport.OnAfterPrintReport();
    throw;
  }
  if (FReport.OnAfterPrintReport) FReport.OnAfterPrintReport();
  return printed;
}
