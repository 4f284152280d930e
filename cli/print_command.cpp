#include "cli/print_command.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <map>
#include <memory>

#include "cli/command_line.h"
#include "cli/export_command.h"
#include "cli/prepared_source.h"
#include "cli/report_tool.h"
#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"
#include "report/print/pdf_printer_backend.h"
#include "report/print/print_job.h"
#include "report/printer/custom_printer.h"
#include "report/printer/paper_table.h"
#include "report/printer/printer_error_box.h"
#include "report/printer/printers.h"

namespace {

struct PrintRequest {
  QString Command;
  QString File;
  QString Output;
  QString Printer;
  QString Pages;
  QString Sheet;
  int Copies = 1;
  TrpPrintMode Mode = pmDefault;
};

const std::map<QString, TrpPrintMode> kModes{{QStringLiteral("default"), pmDefault},
                                             {QStringLiteral("split"), pmSplit},
                                             {QStringLiteral("join"), pmJoin},
                                             {QStringLiteral("scale"), pmScale}};

// The request of a parsed command line; false with the problem when a value is wrong.
bool requestOf(const TrpCommandLine& line, PrintRequest& r, QString& problem) {
  r.Command = line.Command->Name;
  r.File = line.Words[0];
  r.Output = line.Value(QStringLiteral("o"));
  r.Printer = line.Value(QStringLiteral("printer"));
  r.Pages = line.Value(QStringLiteral("pages"));
  r.Sheet = line.Value(QStringLiteral("sheet"));
  if (line.Has(QStringLiteral("copies"))) {
    bool ok = false;
    r.Copies = line.Value(QStringLiteral("copies")).toInt(&ok);
    if (!ok || r.Copies < 1 || r.Copies > 1000) {
      problem = QStringLiteral("--copies takes a number from 1 to 1000");
      return false;
    }
  }
  if (line.Has(QStringLiteral("mode"))) {
    const auto mode = kModes.find(line.Value(QStringLiteral("mode")).toLower());
    if (mode == kModes.end()) {
      problem = QStringLiteral("--mode takes default, split, join or scale");
      return false;
    }
    r.Mode = mode->second;
  }
  if (r.Command == QLatin1String("pdf") && r.Output.isEmpty()) {
    problem = QStringLiteral("pdf needs -o OUT.pdf");
    return false;
  }
  if (r.Command == QLatin1String("pdf") && QFileInfo(r.Output) == QFileInfo(r.File)) {
    problem = QStringLiteral("the output file is the input file: choose another -o");
    return false;
  }
  return true;
}

// A paper name ("A3") or number; 0 (each page's own paper) when none is given.
int sheetNumber(const QString& sheet) {
  if (sheet.isEmpty()) return 0;
  bool ok = false;
  const int number = sheet.toInt(&ok);
  if (ok) return number;
  for (const TrpPaperInfo& paper : PaperInfo())
    if (sheet.compare(QLatin1String(paper.Name), Qt::CaseInsensitive) == 0) return paper.Number;
  return -1;
}

void applyOptions(TrpReport& report, const PrintRequest& r) {
  TrpPrintOptions& o = report.PrintOptions();
  o.SetShowDialog(false);
  o.SetPageNumbers(r.Pages);
  o.SetCopies(r.Copies);
  o.SetPrintMode(r.Mode);
  o.SetPrintOnSheet(sheetNumber(r.Sheet));
  if (r.Command == QLatin1String("pdf")) {
    o.SetPrinter(QString::fromLatin1(rpPdfPrinterName));
    o.SetPrnOutFileName(QFileInfo(r.Output).absoluteFilePath());
  } else if (!r.Printer.isEmpty()) {
    o.SetPrinter(r.Printer);
  }
}

// The job's messages go to the error stream while the command runs.
class ErrorsToStream : public TrpErrorBox {
 public:
  explicit ErrorsToStream(QTextStream& err) : FErr(err), FPrevious(rpSetPrinterErrorBox(this)) {}
  ~ErrorsToStream() override { rpSetPrinterErrorBox(FPrevious); }
  ErrorsToStream(const ErrorsToStream&) = delete;
  ErrorsToStream& operator=(const ErrorsToStream&) = delete;

  void ShowError(const QString&, const QString& text) override { FErr << "stroval-report: " << text << '\n'; }

 private:
  QTextStream& FErr;
  TrpErrorBox* FPrevious;
};

// The PDF printer stands in for the system's printers while a pdf command runs.
class PdfPrinter {
 public:
  PdfPrinter() { rpSetPrinterBackend(std::make_shared<TrpPdfPrinterBackend>()); }
  ~PdfPrinter() { rpSetPrinterBackend(nullptr); }
  PdfPrinter(const PdfPrinter&) = delete;
  PdfPrinter& operator=(const PdfPrinter&) = delete;
};

int runPrint(const PrintRequest& r, const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  if (sheetNumber(r.Sheet) < 0) {
    err << "stroval-report: unknown paper \"" << r.Sheet << "\"\n";
    return rtUsage;
  }
  std::unique_ptr<PdfPrinter> pdf;
  if (r.Command == QLatin1String("pdf")) pdf = std::make_unique<PdfPrinter>();
  if (!r.Printer.isEmpty() && rpPrinters()->IndexOf(r.Printer) < 0) {
    err << "stroval-report: no printer named \"" << r.Printer << "\"\n";
    return rtFailed;
  }
  TrpReport report;
  if (!rpOpenPreparedPages(report, r.File, line, err)) return rtFailed;
  applyOptions(report, r);
  ErrorsToStream errors(err);
  TrpPrintJob job(*report.PreviewPages());
  if (!job.Print()) return rtFailed;
  const QString where = r.Command == QLatin1String("pdf") ? r.Output : rpPrinters()->Printer()->Name();
  out << r.File << ": " << job.PrintedCount() << " page(s) printed to " << where << '\n';
  return rtOk;
}

}  // namespace

int rpRunPrintCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  PrintRequest request;
  QString problem;
  if (requestOf(line, request, problem)) {
    // Without print modes a PDF is the PDF export's: bookmarks, links, the report's title.
    const bool printModes = line.Has(QStringLiteral("copies")) || line.Has(QStringLiteral("mode")) ||
                            line.Has(QStringLiteral("sheet"));
    if (request.Command == QLatin1String("pdf") && !printModes) return rpRunPdfExport(line, out, err);
    return runPrint(request, line, out, err);
  }
  err << "stroval-report: " << problem << " (see stroval-report help " << request.Command << ")\n";
  return rtUsage;
}
