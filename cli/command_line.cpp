#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The width of the usage's first column.
constexpr int kColumn = 20;

const TrpToolOption kPassword{{"password"}, "TEXT", "The password of a protected report."};
const TrpToolOption kPages{{"pages"}, "RANGE", "The pages to print (\"1,3-5,8-\"); all when not given."};
const TrpToolOption kCopies{{"copies"}, "N", "The number of copies, 1 to 1000."};
const TrpToolOption kMode{{"mode"}, "MODE", "default, split, join or scale."};
const TrpToolOption kSheet{{"sheet"}, "PAPER", "The sheet of the split, join and scale modes: a name or number."};
// What a definition reads its data from, for the commands that prepare one.
const TrpToolOption kData{{"data"}, "ALIAS=FILE.csv", "Read the data set ALIAS from this CSV file (may be given again)."};
const TrpToolOption kConnection{{"connection"}, "NAME=DRIVER:DATABASE",
                                "Point the connection NAME elsewhere: sqlite:FILE, postgresql:NAME, or any\n"
                                "installed Qt SQL driver; the password comes from STROVAL_DB_PASSWORD."};
const TrpToolOption kHost{{"host"}, "HOST", "The database server of --connection."};
const TrpToolOption kPort{{"port"}, "PORT", "Its port."};
const TrpToolOption kUser{{"user"}, "USER", "The user it is opened as."};
const TrpToolOption kParam{{"param"}, "NAME=VALUE",
                           "Answer the dialog control NAME of the report's dialog pages (an edit's or\n"
                           "combo box's text, a check box's true or false; may be given again). Dialog\n"
                           "pages are not shown here: they are answered with OK and these values."};

const TrpToolOption kScriptTimeout{{"script-timeout"}, "SECONDS",
                                   "Stop the report's script or an expression that runs longer than this at\n"
                                   "one go (an endless loop), with an error; no limit when not given."};

const TrpToolOption kMemoryBound{{"memory-bound"}, "MIB",
                                 "Keep at most MIB mebibytes of prepared pages in memory and the rest in\n"
                                 "a temporary file: 64 when not given, 0 moves every page after the\n"
                                 "second, off keeps them all in memory."};

// A command's own options followed by those of the commands that open a report: the password,
// what a definition reads its data from, how long its script may run and how much of its pages
// stay in memory.
QList<TrpToolOption> withSource(QList<TrpToolOption> own) {
  own << kPassword << kData << kConnection << kHost << kPort << kUser << kParam << kScriptTimeout << kMemoryBound;
  return own;
}

QList<TrpToolCommand> makeCommands() {
  return {
      {"check", "FILE", "Load a report definition and list its errors.\nExits with 1 when there are any.", 1, 1,
       "check takes one file", {kPassword}},
      {"resave", "IN OUT",
       "Load a report definition and save it again as OUT.\nA definition with errors is not saved unless "
       "--force is given,\nsince what could not be read would be lost.",
       2, 2, "resave takes an input and an output file",
       {kPassword, {{"force"}, "", "Save even when the definition had errors."}}},
      {"script", "FILE",
       "Compile and run a script file. The syntax comes from --syntax,\nelse from the extension: .pas "
       "PascalScript, .cpp C++Script,\n.bas BasicScript, .js JScript.",
       1, 1, "script takes one file",
       {{{"syntax"}, "NAME", "The script's syntax: PascalScript, C++Script, BasicScript or JScript."},
        {{"print"}, "NAME", "Print NAME=value for these global variables after the run.", true}}},
      {"print", "FILE",
       "Print a prepared report (.rpp) or a report definition, which is\nprepared first, on a printer of "
       "the system.",
       1, 1, "print takes one file",
       withSource({{{"printer"}, "NAME", "The printer; the system's default when not given."}, kPages, kCopies, kMode,
                   kSheet})},
      {"pdf", "FILE -o OUT.pdf",
       "A prepared report (.rpp) or a report definition as a PDF file, with\nthe outline as bookmarks and "
       "the hyperlinks as links. With --copies,\n--mode or --sheet it is printed as print does, to a PDF file.",
       1, 1, "pdf takes one file",
       withSource({{{"o"}, "OUT.pdf", "The PDF file to write."}, kPages, kCopies, kMode, kSheet})},
      {"prepare", "REPORT -o OUT.rpp", "Prepare a report definition and save the prepared report.", 1, 1,
       "prepare takes a report and -o OUT.rpp",
       withSource({{{"o"}, "OUT.rpp", "The prepared report to write."}})},
      {"export", "FILE --format FORMAT -o OUT",
       "Export a prepared report (.rpp) or a report definition, prepared\nfirst: pdf (bookmarks, links), png "
       "or jpeg (one picture a page,\nOUT-001.png, ...) or txt (text in character cells).",
       1, 1, "export takes one file",
       withSource({{{"format"}, "FORMAT", "pdf, png, jpeg or txt; from the extension of OUT when not given."},
                   {{"o"}, "OUT", "The file to write (pictures: numbered by page)."},
                   {{"pages"}, "RANGE", "The pages to export (\"1,3-5,8-\"); all when not given."},
                   {{"dpi"}, "N", "Pixels per inch of png and jpeg pictures, 1 to 1200; 96 when not given."}})},
      {"render", "FILE --png DIR [--zoom Z]",
       "Draw every page of a prepared report (or of a definition,\nprepared first) into DIR/page-001.png, ... "
       "at Z pixels per unit.",
       1, 1, "render takes a file and --png DIR",
       withSource({{{"png"}, "DIR", "The folder the pictures are written to."},
                   {{"zoom"}, "Z", "Pixels per report unit, above 0 and at most 20; 1 when not given."}})},
      {"worksheet", "--words FILE --title TEXT -o OUT.pdf",
       "Practice sheets for a list of words, all in one PDF: one sheet a word\nof a UTF-8 file (one word a line, "
       "at most eight characters), each\ncharacter dropped at the start of its own row as in the window\n(half a "
       "row each for words of five to eight characters).",
       0, 0, "worksheet takes no file names; give the word list with --words",
       {{{"words"}, "FILE", "The word list: UTF-8, one word a line; blank lines are passed over."},
        {{"title"}, "TEXT", "The title line of every sheet."},
        {{"font"}, "NAME", "The face of the practised characters; the window's Kai face when not given."},
        {{"guides"}, "STYLE", "Guide lines in the cells: none, tian (a cross), mi (a cross and\ndiagonals) or "
                              "jiugong (three by three); none when not given."},
        {{"trace"}, "N", "The N cells after each character show it in light grey to trace\nover, the rest stay "
                         "empty; 0 (the default) fills the row."},
        {{"o"}, "OUT.pdf", "The PDF file to write."}}},
      {"help", "[COMMAND]", "Show this text, or the options of COMMAND.", 0, 1, "help takes at most one command", {}},
  };
}

const QString& longestName(const TrpToolOption& option) {
  return *std::max_element(option.Names.begin(), option.Names.end(),
                           [](const QString& a, const QString& b) { return a.size() < b.size(); });
}

const TrpToolOption* findOption(const TrpToolCommand& command, const QString& name) {
  for (const TrpToolOption& option : command.Options)
    if (option.Names.contains(name)) return &option;
  return nullptr;
}

// Any command's option of that name: options before the command word are looked up here.
const TrpToolOption* findAnyOption(const QString& name) {
  for (const TrpToolCommand& command : rpToolCommands())
    if (const TrpToolOption* option = findOption(command, name)) return option;
  return nullptr;
}

QString optionName(const QString& argument) {
  QString name = argument;
  while (name.startsWith(u'-')) name.remove(0, 1);
  return name.section(u'=', 0, 0);
}

int editDistance(const QString& a, const QString& b) {
  std::vector<int> row(b.size() + 1);
  for (int j = 0; j <= b.size(); ++j) row[j] = j;
  for (int i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = i;
    for (int j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// "unknown option --pagse (did you mean --pages?)": the nearest option of the command, if one is near.
QString unknownOption(const TrpToolCommand& command, const QString& name) {
  QString problem = QStringLiteral("unknown option %1").arg(rpDashedOption(name));
  QString nearest;
  int best = std::max(2, static_cast<int>(name.size()) / 3) + 1;  // at most that many edits away
  for (const TrpToolOption& option : command.Options)
    for (const QString& candidate : option.Names)
      if (const int d = editDistance(name, candidate); d < best && candidate.size() > 1) {
        best = d;
        nearest = candidate;
      }
  if (!nearest.isEmpty()) problem += QStringLiteral(" (did you mean %1?)").arg(rpDashedOption(nearest));
  return problem;
}

// "--print a b c" becomes "--print a --print b --print c" for an option that takes several words.
QStringList spreadSeveral(const TrpToolCommand& command, const QStringList& arguments) {
  QStringList spread;
  for (int i = 0; i < arguments.size(); ++i) {
    spread << arguments[i];
    if (arguments[i] == QLatin1String("--")) {
      spread << arguments.mid(i + 1);
      break;
    }
    const TrpToolOption* option = arguments[i].startsWith(QLatin1String("--")) && !arguments[i].contains(u'=')
                                      ? findOption(command, optionName(arguments[i]))
                                      : nullptr;
    if (!option || !option->Several) continue;
    const QString& given = arguments[i];
    for (bool first = true; i + 1 < arguments.size() && !arguments[i + 1].startsWith(u'-'); first = false) {
      if (!first) spread << given;
      spread << arguments[++i];
    }
  }
  return spread;
}

QString wrongValueProblem(const TrpToolCommand& command, const QString& errorText) {
  static const QRegularExpression missing(QStringLiteral("Missing value after '(-+)([^']*)'"));
  const QRegularExpressionMatch m = missing.match(errorText);
  if (!m.hasMatch()) return errorText;
  const TrpToolOption* option = findOption(command, m.captured(2));
  if (option && option->Several) return rpDashedOption(m.captured(2)) + QStringLiteral(" needs at least one name");
  return rpDashedOption(m.captured(2)) + QStringLiteral(" needs a value");
}

QString column(const QString& left, const QString& text) {
  const QString indent(kColumn, u' ');
  QString lines = text;
  lines.replace(u'\n', u'\n' + indent);
  if (left.size() + 2 <= kColumn) return left.leftJustified(kColumn) + lines + u'\n';
  return left + u'\n' + indent + lines + u'\n';
}

}  // namespace

const QList<TrpToolCommand>& rpToolCommands() {
  static const QList<TrpToolCommand> commands = makeCommands();
  return commands;
}

const TrpToolCommand* rpFindToolCommand(const QString& name) {
  for (const TrpToolCommand& command : rpToolCommands())
    if (command.Name == name) return &command;
  return nullptr;
}

std::optional<TrpCommandLine> rpParseCommandLine(const QStringList& arguments, QString& problem) {
  TrpCommandLine line;
  QStringList rest = arguments;
  // Before the command: --help and --version alone, or options of the command, which move behind
  // its word ("--password X prepare ...").
  QStringList leading;
  while (!rest.isEmpty() && rest.first().startsWith(u'-') && rest.first() != QLatin1String("--")) {
    const QString argument = rest.takeFirst();
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      line.Command = rpFindToolCommand(QStringLiteral("help"));
      return line;
    }
    if (argument == QLatin1String("--version")) {
      line.Version = true;
      return line;
    }
    leading << argument;
    const TrpToolOption* option = findAnyOption(optionName(argument));
    if (option && !option->ValueName.isEmpty() && !argument.contains(u'=') && !rest.isEmpty())
      leading << rest.takeFirst();
  }
  if (rest.isEmpty()) {
    problem = leading.isEmpty() ? QString() : QStringLiteral("no command given");
    return std::nullopt;
  }
  const QString word = rest.takeFirst();
  line.Command = rpFindToolCommand(word);
  if (!line.Command) {
    problem = leading.isEmpty() || findAnyOption(optionName(leading.first()))
                  ? QStringLiteral("unknown command \"%1\"").arg(word)
                  : QStringLiteral("unknown option %1").arg(leading.first().section(u'=', 0, 0));
    return std::nullopt;
  }
  const TrpToolCommand& command = *line.Command;

  QCommandLineParser parser;
  for (const TrpToolOption& option : command.Options)
    parser.addOption(QCommandLineOption(option.Names, option.Description, option.ValueName));
  parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")));
  if (!parser.parse(QStringList{QStringLiteral("stroval-report")} + spreadSeveral(command, leading + rest))) {
    const QStringList unknown = parser.unknownOptionNames();
    problem = unknown.isEmpty() ? wrongValueProblem(command, parser.errorText()) : unknownOption(command, unknown.first());
    return std::nullopt;
  }
  if (parser.isSet(QStringLiteral("help"))) {
    line.Help = true;
    return line;
  }
  line.Words = parser.positionalArguments();
  if (line.Words.size() < command.MinWords || line.Words.size() > command.MaxWords) {
    problem = command.WordsProblem;
    return std::nullopt;
  }
  for (const TrpToolOption& option : command.Options) {
    const QString& name = longestName(option);
    if (!parser.isSet(name)) continue;
    line.Options[name] = option.ValueName.isEmpty() ? QStringList{QString()} : parser.values(name);
  }
  return line;
}

QString rpToolUsage() {
  QString text = QStringLiteral("Usage: stroval-report [--password TEXT] COMMAND ARGUMENTS\n\nCommands:\n");
  for (const TrpToolCommand& command : rpToolCommands())
    text += column(QStringLiteral("  ") + command.Name + u' ' + command.Words, command.Description);
  text += QStringLiteral("\nOptions:\n");
  text += column(QStringLiteral("  --password TEXT"), kPassword.Description);
  text += column(QStringLiteral("  --version"), QStringLiteral("Show the version."));
  text += QStringLiteral("  stroval-report help COMMAND lists the options of a command.\n");
  text += QStringLiteral("\nExit codes: 0 success, 1 errors in the report or a file problem, 2 wrong command line.\n");
  text += QStringLiteral(
      "\nReport scripts run without windows here: ShowMessage and MessageDlg write their text to\n"
      "standard output and MessageDlg answers OK (else Yes, else its first button); InputBox gives\n"
      "its default; InputQuery and the file dialogs answer False.\n");
  return text;
}

QString rpCommandHelp(const TrpToolCommand& command) {
  QString text = QStringLiteral("Usage: stroval-report %1 %2%3\n\n%4\n")
                     .arg(command.Name, command.Words, command.Options.isEmpty() ? QString() : QStringLiteral(" [OPTIONS]"),
                          command.Description);
  if (command.Options.isEmpty()) return text;
  text += QStringLiteral("\nOptions:\n");
  for (const TrpToolOption& option : command.Options) {
    QStringList names;
    for (const QString& name : option.Names) names << rpDashedOption(name);
    QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (!option.ValueName.isEmpty()) left += u' ' + option.ValueName + (option.Several ? QStringLiteral("...") : QString());
    text += column(left, option.Description);
  }
  text += column(QStringLiteral("  -h, --help"), QStringLiteral("Show this help."));
  return text;
}

QString rpToolVersion() { return QStringLiteral("stroval-report " STROVAL_VERSION "\n"); }

QString rpDashedOption(const QString& name) {
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}
