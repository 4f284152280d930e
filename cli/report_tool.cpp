#include "cli/report_tool.h"

#include <QFileInfo>
#include <QTextStream>

#include <map>

#include "cli/command_line.h"
#include "cli/export_command.h"
#include "cli/prepare_command.h"
#include "cli/print_command.h"
#include "cli/render_command.h"
#include "cli/worksheet_command.h"
#include "report/binding/report_script.h"
#include "report/component/report.h"
#include "report/dialogs/dialog_page.h"
#include "report/objects/report_error.h"
#include "report/objects/report_services.h"
#include "report/options/common_error_handler.h"
#include "report/options/report_options.h"
#include "report/services/install_report_services.h"
#include "script_engine/compiler/compiler.h"
#include "script_engine/front/lexer.h"
#include "script_engine/interpreter/script.h"

#include <QFile>

namespace {

// The tool lists a report's errors itself, on its own streams; the report's error box stays
// quiet. (Switching the report to silent mode instead would write that mode into a resaved file.)
class ErrorsListedByTheTool : public TrpErrorBox {
 public:
  void ShowError(const QString&, const QString&) override {}
};

// Loads `fileName` into `report`. False (with a message) when the file is missing or could not
// be read as a report.
bool load(TrpReport& report, const QString& fileName, const TrpCommandLine& line, QTextStream& err) {
  report.ReportOptions().SetHiddenPassword(line.Value(QStringLiteral("password")));
  if (!QFileInfo::exists(fileName)) {
    err << "stroval-report: " << fileName << ": no such file\n";
    return false;
  }
  bool loaded = false;
  try {
    loaded = report.LoadFromFile(fileName);
  } catch (const std::exception& e) {
    report.AddError(rpErrorText(e));
  }
  if (!loaded) {
    err << "stroval-report: " << fileName << ": cannot be read as a report\n";
    for (const QString& e : report.Errors()) err << "  " << e << '\n';
  }
  return loaded;
}

void listErrors(const TrpReport& report, const QString& fileName, QTextStream& stream) {
  for (const QString& e : report.Errors()) stream << fileName << ": " << e << '\n';
}

int check(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  const QString fileName = line.Words[0];
  TrpReport report;
  if (!load(report, fileName, line, err)) return rtFailed;
  if (report.Errors().isEmpty()) {
    out << fileName << ": no errors\n";
    return rtOk;
  }
  listErrors(report, fileName, out);
  out << fileName << ": " << report.Errors().size() << " error(s)\n";
  return rtFailed;
}

int resave(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  const QString in = line.Words[0], target = line.Words[1];
  TrpReport report;
  if (!load(report, in, line, err)) return rtFailed;
  if (!report.Errors().isEmpty()) {
    listErrors(report, in, err);
    if (!line.Has(QStringLiteral("force"))) {
      err << "stroval-report: " << in << " has errors; not saved (use --force to save anyway)\n";
      return rtFailed;
    }
  }
  try {
    report.SaveToFile(target);
  } catch (const TrpError& e) {
    err << "stroval-report: " << e.Message() << '\n';
    return rtFailed;
  }
  out << in << ": saved as " << target << '\n';
  return rtOk;
}

// The syntax a script file's extension stands for, or an empty text.
QString syntaxOfFile(const QString& fileName) {
  static const std::map<QString, QString> kSyntaxes{
      {QStringLiteral("pas"), QStringLiteral("PascalScript")},
      {QStringLiteral("cpp"), QStringLiteral("C++Script")},
      {QStringLiteral("bas"), QStringLiteral("BasicScript")},
      {QStringLiteral("js"), QStringLiteral("JScript")},
  };
  const auto found = kSyntaxes.find(QFileInfo(fileName).suffix().toLower());
  return found == kSyntaxes.end() ? QString() : found->second;
}

int runScript(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  const QString fileName = line.Words[0];
  const QString chosen = line.Value(QStringLiteral("syntax"));
  const QString syntax = chosen.isEmpty() ? syntaxOfFile(fileName) : chosen;
  if (syntax.isEmpty()) {
    err << "stroval-report: " << fileName << ": unknown script extension; name the syntax with --syntax\n";
    return rtUsage;
  }
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    err << "stroval-report: " << fileName << ": " << file.errorString() << '\n';
    return rtFailed;
  }
  TscScript script;
  script.SetSyntaxType(syntax);
  script.SetLines(scSplitLines(QString::fromUtf8(file.readAll())));
  script.AddRTTI();
  if (!script.Compile()) {
    // A failure without a place in the text (an unknown syntax) names the file alone.
    const QString place = script.FErrorPos.isEmpty() ? QString() : QStringLiteral(":") + script.FErrorPos;
    err << fileName << place << ": " << script.FErrorMsg << '\n';
    return rtFailed;
  }
  try {
    script.Execute();
    for (const QString& name : line.Values(QStringLiteral("print"))) {
      if (!script.Find(name)) {
        err << fileName << ": the script has no variable named \"" << name << "\"\n";
        return rtFailed;
      }
      out << name << '=' << script.Variable(name).ToText() << '\n';
    }
  } catch (const std::exception& e) {
    err << fileName << ": " << rpErrorText(e) << '\n';
    return rtFailed;
  }
  return rtOk;
}

int help(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  if (line.Words.isEmpty()) {
    out << rpToolUsage();
    return rtOk;
  }
  const TrpToolCommand* command = rpFindToolCommand(line.Words[0]);
  if (!command) {
    err << "stroval-report: unknown command \"" << line.Words[0] << "\"\n\n" << rpToolUsage();
    return rtUsage;
  }
  out << rpCommandHelp(*command);
  return rtOk;
}

}  // namespace

int rpRunReportTool(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  QString problem;
  const std::optional<TrpCommandLine> line = rpParseCommandLine(arguments, problem);
  if (!line) {
    if (!problem.isEmpty()) err << "stroval-report: " << problem << "\n\n";
    err << rpToolUsage();
    return rtUsage;
  }
  if (line->Version) {
    out << rpToolVersion();
    return rtOk;
  }
  if (line->Help) {
    out << rpCommandHelp(*line->Command);
    return rtOk;
  }
  using Runner = int (*)(const TrpCommandLine&, QTextStream&, QTextStream&);
  const std::map<QString, Runner> commands{
      {QStringLiteral("check"), check},
      {QStringLiteral("resave"), resave},
      {QStringLiteral("script"), runScript},
      {QStringLiteral("help"), help},
      {QStringLiteral("prepare"), rpRunPrepareCommand},
      {QStringLiteral("render"), rpRunRenderCommand},
      {QStringLiteral("print"), rpRunPrintCommand},
      {QStringLiteral("pdf"), rpRunPrintCommand},
      {QStringLiteral("export"), rpRunExportCommand},
      {QStringLiteral("worksheet"), rpRunWorksheetCommand},
  };
  return commands.at(line->Command->Name)(*line, out, err);
}

void rpStartReportTool() {
  static ErrorsListedByTheTool errorBox;
  rpSetErrorBox(&errorBox);
  rpInstallReportServices();
  // No windows here: a dialog page is answered with OK and what its controls hold (--param).
  rpReportServices().ShowDialogPage = [](TrpCustomReport&, TrpDialogPage&) { return int(mrOk); };
}
