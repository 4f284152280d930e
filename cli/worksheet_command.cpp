#include "cli/worksheet_command.h"

#include <QFileInfo>
#include <QTextStream>

#include "cli/command_line.h"
#include "cli/report_tool.h"
#include "report/component/report.h"
#include "report/objects/custom_export_filter.h"
#include "report/options/engine_options.h"
#include "worksheet/word_layout.h"
#include "worksheet/word_list.h"
#include "worksheet/worksheet_report_builder.h"
#include "worksheet/worksheet_template.h"

namespace {

using stroval::WorksheetSheet;

struct WorksheetRequest {
  QString Words, Output;
  WorksheetSheet Settings;  // title, font, guides and tracing of every sheet
};

// The request of a parsed command line; an empty text when it is complete, else the problem.
QString requestOf(const TrpCommandLine& line, WorksheetRequest& r) {
  r.Words = line.Value(QStringLiteral("words"));
  r.Output = line.Value(QStringLiteral("o"));
  if (r.Words.isEmpty()) return QStringLiteral("worksheet needs --words FILE");
  if (!line.Has(QStringLiteral("title"))) return QStringLiteral("worksheet needs --title TEXT");
  if (r.Output.isEmpty()) return QStringLiteral("worksheet needs -o OUT.pdf");
  r.Settings.title = line.Value(QStringLiteral("title"));
  if (line.Has(QStringLiteral("font"))) r.Settings.font.font.setFamily(line.Value(QStringLiteral("font")));
  if (line.Has(QStringLiteral("guides"))) {
    const std::optional<stroval::GuideStyle> style = stroval::GuideStyleNamed(line.Value(QStringLiteral("guides")));
    if (!style) return QStringLiteral("--guides takes none, tian, mi or jiugong");
    r.Settings.guides = *style;
  }
  if (line.Has(QStringLiteral("trace"))) {
    bool ok = false;
    r.Settings.traceCount = line.Value(QStringLiteral("trace")).toInt(&ok);
    if (!ok || r.Settings.traceCount < 0 || r.Settings.traceCount > WorksheetSheet::kMaxTraceCount)
      return QStringLiteral("--trace takes a number from 0 to %1").arg(WorksheetSheet::kMaxTraceCount);
  }
  return {};
}

void listErrors(const TrpReport& report, const QString& word, QTextStream& err) {
  for (const QString& e : report.Errors()) err << "stroval-report: " << word << ": " << e << '\n';
}

// Every word's sheet prepared into the report's store, one page each.
bool prepareSheets(TrpReport& report, const WorksheetRequest& r, const QStringList& words, QTextStream& err) {
  for (int i = 0; i < words.size(); ++i) {
    stroval::BuildWorksheetReport(report, stroval::SheetForWord(r.Settings, words[i]));
    bool prepared = false;
    try {
      prepared = report.PrepareReport(i == 0);  // the later sheets are added behind the first
    } catch (const std::exception& e) {
      report.AddError(QString::fromUtf8(e.what()));
    }
    if (!prepared) {
      err << "stroval-report: the sheet of \"" << words[i] << "\" could not be prepared\n";
      listErrors(report, words[i], err);
      return false;
    }
  }
  return true;
}

bool writePdf(TrpReport& report, const QString& output, QTextStream& err) {
  const std::unique_ptr<TrpCustomExportFilter> pdf = rpCreateExportFilter(QStringLiteral("TrpPDFExport"));
  if (!pdf) {
    err << "stroval-report: no PDF export is registered\n";
    return false;
  }
  pdf->SetFileName(QFileInfo(output).absoluteFilePath());
  if (report.Export(*pdf)) return true;
  err << "stroval-report: " << (pdf->Error().isEmpty() ? QStringLiteral("the export was cancelled") : pdf->Error())
      << '\n';
  return false;
}

int run(const WorksheetRequest& r, QTextStream& out, QTextStream& err) {
  const stroval::WordList list = stroval::ReadWordListFile(r.Words);
  if (!list.error.isEmpty()) {
    err << "stroval-report: " << r.Words << ": " << list.error << '\n';
    return rtFailed;
  }
  TrpReport report;
  if (!stroval::LoadWorksheetTemplate(report)) {
    listErrors(report, QStringLiteral("template"), err);
    return rtFailed;
  }
  report.EngineOptions().SetNewSilentMode(simSilent);  // the tool lists errors itself
  if (!prepareSheets(report, r, list.words, err) || !writePdf(report, r.Output, err)) return rtFailed;
  out << r.Words << ": " << list.words.size() << " sheet(s) written to " << r.Output << '\n';
  return rtOk;
}

}  // namespace

int rpRunWorksheetCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  WorksheetRequest request;
  if (const QString problem = requestOf(line, request); !problem.isEmpty()) {
    err << "stroval-report: " << problem << " (see stroval-report help worksheet)\n";
    return rtUsage;
  }
  return run(request, out, err);
}
