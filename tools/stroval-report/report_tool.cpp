#include "tools/stroval-report/report_tool.h"

#include <QFileInfo>
#include <QTextStream>

#include <functional>
#include <map>

#include "report/model/common_error_handler.h"
#include "report/model/report.h"
#include "report/model/report_error.h"
#include "report/binding/report_script.h"
#include "report/model/report_options.h"
#include "report/services/install_report_services.h"
#include "script/compiler.h"
#include "script/lexer.h"
#include "script/script.h"
#include "script/script_error.h"
#include "tools/stroval-report/prepare_command.h"
#include "tools/stroval-report/render_command.h"
#include "tools/stroval-report/print_command.h"

#include <QFile>

namespace {

const char kUsage[] =
    "Usage: stroval-report [--password TEXT] COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  check FILE      Load a report definition and list its errors.\n"
    "                  Exits with 1 when there are any.\n"
    "  resave IN OUT   Load a report definition and save it again as OUT.\n"
    "                  A definition with errors is not saved unless --force is given,\n"
    "                  since what could not be read would be lost.\n"
    "  script FILE     Compile and run a script file. The syntax comes from --syntax,\n"
    "                  else from the extension: .pas PascalScript, .cpp C++Script,\n"
    "                  .bas BasicScript, .js JScript.\n"
    "  print FILE      Print a prepared report (.rpp) or a report definition, which is\n"
    "                  prepared first: --printer NAME, --pages RANGE (\"1,3-5,8-\"),\n"
    "                  --copies N (1..1000), --mode default|split|join|scale,\n"
    "                  --sheet PAPER (the sheet of the other modes: a name or number).\n"
    "  pdf FILE -o OUT.pdf\n"
    "                  The same, printed to a PDF file.\n"
    "  prepare REPORT -o OUT.rpp\n"
    "                  Prepare a report definition and save the prepared report.\n"
    "  render FILE --png DIR [--zoom Z]\n"
    "                  Draw every page of a prepared report (or of a definition,\n"
    "                  prepared first) into DIR/page-001.png, ... at Z pixels per unit.\n"
    "  help            Show this text.\n"
    "\n"
    "Options:\n"
    "  --password TEXT  The password of a protected report.\n"
    "  --force          resave: save even when the definition had errors.\n"
    "  --syntax NAME    script: the script's syntax.\n"
    "  --print NAME...  script: print NAME=value for these global variables after the run.\n"
    "\n"
    "Exit codes: 0 success, 1 errors in the report or a file problem, 2 wrong command line.\n";

struct Options {
  QString Password;
  bool Force = false;
  QString Syntax;
  QStringList PrintNames;
  QStringList Words;  // the command and its arguments
};

struct Io {
  QTextStream& Out;
  QTextStream& Err;
};

// Splits options from words; an unknown option or a missing value is a usage error.
bool parse(const QStringList& arguments, Options& options, QString& problem) {
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--password")) {
      if (i + 1 >= arguments.size()) {
        problem = QStringLiteral("--password needs a value");
        return false;
      }
      options.Password = arguments[++i];
    } else if (a.startsWith(QLatin1String("--password="))) {
      options.Password = a.mid(11);
    } else if (a == QLatin1String("--force")) {
      options.Force = true;
    } else if (a == QLatin1String("--syntax")) {
      if (i + 1 >= arguments.size()) {
        problem = QStringLiteral("--syntax needs a value");
        return false;
      }
      options.Syntax = arguments[++i];
    } else if (a == QLatin1String("--print")) {
      // Every following word up to the next option is a variable name.
      const int first = i + 1;
      while (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
        options.PrintNames.append(arguments[++i]);
      if (i + 1 == first) {
        problem = QStringLiteral("--print needs at least one name");
        return false;
      }
    } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      options.Words = {QStringLiteral("help")};
      return true;
    } else if (a.startsWith(u'-') && a.size() > 1) {
      problem = QStringLiteral("unknown option %1").arg(a);
      return false;
    } else {
      options.Words.append(a);
    }
  }
  return true;
}

// The tool lists a report's errors itself, on its own streams; the report's error box stays
// quiet. (Switching the report to silent mode instead would write that mode into a resaved file.)
class ErrorsListedByTheTool : public TrpErrorBox {
 public:
  void ShowError(const QString&, const QString&) override {}
};

// Loads `fileName` into `report`. False (with a message) when the file is missing or could not
// be read as a report.
bool load(TrpReport& report, const QString& fileName, const Options& options, Io& io) {
  report.ReportOptions().SetHiddenPassword(options.Password);
  if (!QFileInfo::exists(fileName)) {
    io.Err << "stroval-report: " << fileName << ": no such file\n";
    return false;
  }
  bool loaded = false;
  try {
    loaded = report.LoadFromFile(fileName);
  } catch (const TrpError& e) {
    report.AddError(e.Message());
  } catch (const std::exception& e) {
    report.AddError(QString::fromUtf8(e.what()));
  }
  if (!loaded) {
    io.Err << "stroval-report: " << fileName << ": cannot be read as a report\n";
    for (const QString& e : report.Errors()) io.Err << "  " << e << '\n';
  }
  return loaded;
}

void listErrors(const TrpReport& report, const QString& fileName, QTextStream& stream) {
  for (const QString& e : report.Errors()) stream << fileName << ": " << e << '\n';
}

int check(const Options& options, Io& io) {
  if (options.Words.size() != 2) {
    io.Err << "stroval-report: check takes one file\n\n" << kUsage;
    return rtUsage;
  }
  const QString fileName = options.Words[1];
  TrpReport report;
  if (!load(report, fileName, options, io)) return rtFailed;
  if (report.Errors().isEmpty()) {
    io.Out << fileName << ": no errors\n";
    return rtOk;
  }
  listErrors(report, fileName, io.Out);
  io.Out << fileName << ": " << report.Errors().size() << " error(s)\n";
  return rtFailed;
}

int resave(const Options& options, Io& io) {
  if (options.Words.size() != 3) {
    io.Err << "stroval-report: resave takes an input and an output file\n\n" << kUsage;
    return rtUsage;
  }
  const QString in = options.Words[1], out = options.Words[2];
  TrpReport report;
  if (!load(report, in, options, io)) return rtFailed;
  if (!report.Errors().isEmpty()) {
    listErrors(report, in, io.Err);
    if (!options.Force) {
      io.Err << "stroval-report: " << in << " has errors; not saved (use --force to save anyway)\n";
      return rtFailed;
    }
  }
  try {
    report.SaveToFile(out);
  } catch (const TrpError& e) {
    io.Err << "stroval-report: " << e.Message() << '\n';
    return rtFailed;
  }
  io.Out << in << ": saved as " << out << '\n';
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

int runScript(const Options& options, Io& io) {
  if (options.Words.size() != 2) {
    io.Err << "stroval-report: script takes one file\n\n" << kUsage;
    return rtUsage;
  }
  const QString fileName = options.Words[1];
  const QString syntax = options.Syntax.isEmpty() ? syntaxOfFile(fileName) : options.Syntax;
  if (syntax.isEmpty()) {
    io.Err << "stroval-report: " << fileName << ": unknown script extension; name the syntax with --syntax\n";
    return rtUsage;
  }
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    io.Err << "stroval-report: " << fileName << ": " << file.errorString() << '\n';
    return rtFailed;
  }
  TscScript script;
  script.SetSyntaxType(syntax);
  script.SetLines(scSplitLines(QString::fromUtf8(file.readAll())));
  script.AddRTTI();
  if (!script.Compile()) {
    // A failure without a place in the text (an unknown syntax) names the file alone.
    const QString place = script.FErrorPos.isEmpty() ? QString() : QStringLiteral(":") + script.FErrorPos;
    io.Err << fileName << place << ": " << script.FErrorMsg << '\n';
    return rtFailed;
  }
  try {
    script.Execute();
    for (const QString& name : options.PrintNames) {
      if (!script.Find(name)) {
        io.Err << fileName << ": the script has no variable named \"" << name << "\"\n";
        return rtFailed;
      }
      io.Out << name << '=' << script.Variable(name).ToText() << '\n';
    }
  } catch (const ScriptError& e) {
    io.Err << fileName << ": " << e.Message() << '\n';
    return rtFailed;
  } catch (const std::exception& e) {
    io.Err << fileName << ": " << QString::fromUtf8(e.what()) << '\n';
    return rtFailed;
  }
  return rtOk;
}

// The global options of the usage line may stand before the command ("--password X prepare
// ..."): they are moved behind the command word, where every command reads its options.
QStringList commandFirst(QStringList arguments) {
  QStringList global;
  while (!arguments.isEmpty()) {
    const QString& a = arguments.first();
    if (a == QLatin1String("--password") && arguments.size() > 1) {
      global << arguments.takeFirst();
      global << arguments.takeFirst();
    } else if (a.startsWith(QLatin1String("--password="))) {
      global << QStringLiteral("--password") << arguments.takeFirst().mid(11);
    } else {
      break;
    }
  }
  if (arguments.isEmpty()) return global;
  const QString command = arguments.takeFirst();
  return QStringList{command} + global + arguments;
}

}  // namespace

int rpRunReportTool(const QStringList& givenArguments, QTextStream& out, QTextStream& err) {
  const QStringList arguments = commandFirst(givenArguments);
  if (const auto prepared = rpRunPrepareCommand(arguments, out, err)) return *prepared;
  if (const auto rendered = rpRunRenderCommand(arguments, out, err)) return *rendered;
  if (const auto printed = rpRunPrintCommand(arguments, out, err)) return *printed;
  Io io{out, err};
  Options options;
  QString problem;
  if (!parse(arguments, options, problem)) {
    err << "stroval-report: " << problem << "\n\n" << kUsage;
    return rtUsage;
  }
  if (options.Words.isEmpty()) {
    err << kUsage;
    return rtUsage;
  }
  const std::map<QString, std::function<int(const Options&, Io&)>> commands{
      {QStringLiteral("check"), check},
      {QStringLiteral("resave"), resave},
      {QStringLiteral("script"), runScript},
      {QStringLiteral("help"), [](const Options&, Io& io) { io.Out << kUsage; return int(rtOk); }},
  };
  const auto command = commands.find(options.Words.first());
  if (command == commands.end()) {
    err << "stroval-report: unknown command \"" << options.Words.first() << "\"\n\n" << kUsage;
    return rtUsage;
  }
  return command->second(options, io);
}

void rpStartReportTool() {
  static ErrorsListedByTheTool errorBox;
  rpSetErrorBox(&errorBox);
  rpInstallReportServices();
}
