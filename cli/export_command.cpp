#include "cli/export_command.h"

#include <QFileInfo>
#include <QTextStream>

#include <map>

#include "cli/command_line.h"
#include "cli/prepared_source.h"
#include "cli/report_tool.h"
#include "report/component/report.h"
#include "report/export/image_export.h"
#include "report/objects/custom_export_filter.h"

namespace {

// The formats by the names --format and the output's extension give them.
const std::map<QString, QString> kFormats{
    {QStringLiteral("pdf"), QStringLiteral("TrpPDFExport")},  {QStringLiteral("png"), QStringLiteral("TrpPNGExport")},
    {QStringLiteral("jpeg"), QStringLiteral("TrpJPEGExport")}, {QStringLiteral("jpg"), QStringLiteral("TrpJPEGExport")},
    {QStringLiteral("txt"), QStringLiteral("TrpTextExport")},  {QStringLiteral("text"), QStringLiteral("TrpTextExport")},
};

// Whether two names lead to one file (through links, when it exists).
bool sameFile(const QString& a, const QString& b) {
  const QFileInfo first(a), second(b);
  if (first.exists() && second.exists()) return first.canonicalFilePath() == second.canonicalFilePath();
  return first.absoluteFilePath() == second.absoluteFilePath();
}

struct ExportRequest {
  QString Command, File, Output, Pages;
  QString FilterClass;
  int Dpi = 0;  // 0: the filter's own
};

// The request of a parsed command line; an empty text when it is complete, else the problem.
QString requestOf(const TrpCommandLine& line, ExportRequest& r) {
  r.Command = line.Command->Name;
  r.File = line.Words[0];
  r.Output = line.Value(QStringLiteral("o"));
  r.Pages = line.Value(QStringLiteral("pages"));
  if (r.Output.isEmpty()) return QStringLiteral("%1 needs -o OUT").arg(r.Command);
  if (sameFile(r.Output, r.File)) return QStringLiteral("the output file is the input file: choose another -o");
  const QString format = line.Has(QStringLiteral("format")) ? line.Value(QStringLiteral("format")).toLower()
                                                            : QFileInfo(r.Output).suffix().toLower();
  const auto found = kFormats.find(format);
  if (found == kFormats.end()) return QStringLiteral("--format takes pdf, png, jpeg or txt");
  r.FilterClass = found->second;
  if (line.Has(QStringLiteral("dpi"))) {
    if (!r.FilterClass.endsWith(QLatin1String("PNGExport")) && !r.FilterClass.endsWith(QLatin1String("JPEGExport")))
      return QStringLiteral("--dpi is for the png and jpeg formats");
    bool ok = false;
    r.Dpi = line.Value(QStringLiteral("dpi")).toInt(&ok);
    if (!ok || r.Dpi < 1 || r.Dpi > TrpImageExport::kMaxResolution)
      return QStringLiteral("--dpi takes a number from 1 to %1").arg(TrpImageExport::kMaxResolution);
  }
  return {};
}

int runExport(const ExportRequest& r, const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  const std::unique_ptr<TrpCustomExportFilter> filter = rpCreateExportFilter(r.FilterClass);
  if (!filter) {
    err << "stroval-report: no export filter " << r.FilterClass << " is registered\n";
    return rtFailed;
  }
  TrpReport report;
  if (!rpOpenPreparedPages(report, r.File, line, err)) return rtFailed;
  filter->SetFileName(QFileInfo(r.Output).absoluteFilePath());
  filter->SetPageNumbers(r.Pages);
  auto* pictures = dynamic_cast<TrpImageExport*>(filter.get());
  if (pictures && r.Dpi > 0) pictures->SetResolution(r.Dpi);
  if (!report.Export(*filter)) {
    const QString why = filter->Error().isEmpty() ? QStringLiteral("the export was cancelled") : filter->Error();
    err << "stroval-report: " << why << '\n';
    return rtFailed;
  }
  if (pictures)
    for (const QString& name : pictures->Written()) out << name << '\n';
  const char* verb = r.Command == QLatin1String("pdf") ? " page(s) printed to " : " page(s) exported to ";
  out << r.File << ": " << filter->PagesDone() << verb << r.Output << '\n';
  return rtOk;
}

int run(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  ExportRequest request;
  if (const QString problem = requestOf(line, request); !problem.isEmpty()) {
    err << "stroval-report: " << problem << " (see stroval-report help " << request.Command << ")\n";
    return rtUsage;
  }
  return runExport(request, line, out, err);
}

}  // namespace

int rpRunExportCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err) { return run(line, out, err); }

int rpRunPdfExport(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  TrpCommandLine pdf = line;
  pdf.Options.insert(QStringLiteral("format"), {QStringLiteral("pdf")});
  return run(pdf, out, err);
}
