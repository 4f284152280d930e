#include "tools/stroval-report/print_command.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <map>
#include <memory>

#include "report/model/custom_preview_pages.h"
#include "report/model/print_options.h"
#include "report/model/report.h"
#include "report/model/report_error.h"
#include "report/model/report_options.h"
#include "report/printer/custom_printer.h"
#include "report/printer/paper_table.h"
#include "report/print/pdf_printer_backend.h"
#include "report/print/print_job.h"
#include "report/printer/printer_error_box.h"
#include "report/printer/printers.h"
#include "tools/stroval-report/prepared_source.h"
#include "tools/stroval-report/report_tool.h"

namespace {

struct PrintRequest {
  QString Command;
  QString File;
  QString Output;
  QString Printer;
  QString Password;
  QString Pages;
  QString Sheet;
  int Copies = 1;
  TrpPrintMode Mode = pmDefault;
};

const std::map<QString, TrpPrintMode> kModes{{QStringLiteral("default"), pmDefault},
                                             {QStringLiteral("split"), pmSplit},
                                             {QStringLiteral("join"), pmJoin},
                                             {QStringLiteral("scale"), pmScale}};

// The value after option `i`, or a problem.
bool takeValue(const QStringList& args, int& i, QString& value, QString& problem) {
  if (i + 1 >= args.size()) {
    problem = args[i] + QStringLiteral(" needs a value");
    return false;
  }
  value = args[++i];
  return true;
}

bool parseOption(const QStringList& args, int& i, PrintRequest& r, QString& problem) {
  const QString& a = args[i];
  QString value;
  if (a == QLatin1String("--printer") && r.Command == QLatin1String("print"))
    return takeValue(args, i, r.Printer, problem);
  if (a == QLatin1String("-o") && r.Command == QLatin1String("pdf"))
    return takeValue(args, i, r.Output, problem);
  if (a == QLatin1String("--password")) return takeValue(args, i, r.Password, problem);
  if (a == QLatin1String("--pages")) return takeValue(args, i, r.Pages, problem);
  if (a == QLatin1String("--sheet")) return takeValue(args, i, r.Sheet, problem);
  if (a == QLatin1String("--copies")) {
    if (!takeValue(args, i, value, problem)) return false;
    bool ok = false;
    r.Copies = value.toInt(&ok);
    if (ok && r.Copies >= 1 && r.Copies <= 1000) return true;
    problem = QStringLiteral("--copies takes a number from 1 to 1000");
    return false;
  }
  if (a == QLatin1String("--mode")) {
    if (!takeValue(args, i, value, problem)) return false;
    const auto mode = kModes.find(value.toLower());
    if (mode != kModes.end()) return (r.Mode = mode->second), true;
    problem = QStringLiteral("--mode takes default, split, join or scale");
    return false;
  }
  problem = QStringLiteral("unknown option %1 for %2").arg(a, r.Command);
  return false;
}

// Nothing when the words name another command; otherwise the request or a problem.
std::optional<bool> parseRequest(const QStringList& args, PrintRequest& r, QString& problem) {
  QStringList words;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--password") && r.Command.isEmpty()) {
      if (!takeValue(args, i, r.Password, problem)) return std::nullopt;
      continue;
    }
    if (r.Command.isEmpty()) {
      if (args[i] != QLatin1String("print") && args[i] != QLatin1String("pdf")) return std::nullopt;
      r.Command = args[i];
      continue;
    }
    if (args[i].startsWith(u'-') && args[i].size() > 1) {
      if (!parseOption(args, i, r, problem)) return false;
    } else {
      words.append(args[i]);
    }
  }
  if (r.Command.isEmpty()) return std::nullopt;
  if (words.size() != 1) {
    problem = r.Command + QStringLiteral(" takes one file");
    return false;
  }
  r.File = words.first();
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
class ErrorsToStream {
 public:
  explicit ErrorsToStream(QTextStream& err)
      : FPrevious(rpSetPrinterErrorBox([&err](const QString&, const QString& text) {
          err << "stroval-report: " << text << '\n';
        })) {}
  ~ErrorsToStream() { rpSetPrinterErrorBox(std::move(FPrevious)); }

 private:
  TrpErrorBox FPrevious;
};

// The PDF printer stands in for the system's printers while a pdf command runs.
class PdfPrinter {
 public:
  PdfPrinter() { rpSetPrinterBackend(std::make_shared<TrpPdfPrinterBackend>()); }
  ~PdfPrinter() { rpSetPrinterBackend(nullptr); }
  PdfPrinter(const PdfPrinter&) = delete;
  PdfPrinter& operator=(const PdfPrinter&) = delete;
};

int runPrint(const PrintRequest& r, QTextStream& out, QTextStream& err) {
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
  if (!rpOpenPreparedPages(report, r.File, r.Password, err)) return rtFailed;
  applyOptions(report, r);
  ErrorsToStream errors(err);
  TrpPrintJob job(*report.PreviewPages());
  if (!job.Print()) return rtFailed;
  const QString where = r.Command == QLatin1String("pdf") ? r.Output : rpPrinters()->Printer()->Name();
  out << r.File << ": " << job.PrintedCount() << " page(s) printed to " << where << '\n';
  return rtOk;
}

}  // namespace

std::optional<int> rpRunPrintCommand(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err) {
  PrintRequest request;
  QString problem;
  const std::optional<bool> parsed = parseRequest(arguments, request, problem);
  if (!parsed) {
    if (request.Command.isEmpty()) return std::nullopt;
  } else if (*parsed) {
    return runPrint(request, out, err);
  }
  err << "stroval-report: " << problem << " (see stroval-report help)\n";
  return int(rtUsage);
}
