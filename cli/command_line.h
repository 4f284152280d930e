#pragma once
// The command line of stroval-report: every command defined once (its words, its options and
// their help) and parsed with the platform's parser, QCommandLineParser. The usage, each
// command's help and the version come from the same definitions.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

struct TrpToolOption {
  QStringList Names;     // "o", "password": one letter is -o, more are --password
  QString ValueName;     // empty for a flag
  QString Description;
  bool Several = false;  // the words after it, up to the next option, are all its values
};

struct TrpToolCommand {
  QString Name;
  QString Words;        // the words after the command as the usage shows them ("IN OUT")
  QString Description;  // one or more lines
  int MinWords = 0;
  int MaxWords = 0;
  QString WordsProblem;  // told when the number of words is wrong
  QList<TrpToolOption> Options;
};

const QList<TrpToolCommand>& rpToolCommands();
// An option's name as typed: "-o" for a one-letter name, "--pages" for a longer one.
QString rpDashedOption(const QString& name);
const TrpToolCommand* rpFindToolCommand(const QString& name);

// A parsed command line: the command, its words, and its options by their longest name (a flag
// holds one empty value; an option given twice holds both values, the last one counts).
struct TrpCommandLine {
  const TrpToolCommand* Command = nullptr;
  QStringList Words;
  QMap<QString, QStringList> Options;
  bool Help = false;     // COMMAND --help, or help COMMAND
  bool Version = false;  // --version

  bool Has(const QString& name) const { return Options.contains(name); }
  QString Value(const QString& name) const {
    const QStringList values = Options.value(name);
    return values.isEmpty() ? QString() : values.last();
  }
  QStringList Values(const QString& name) const { return Options.value(name); }
};

// `arguments` without the program name. A wrong command line gives nothing and `problem`, the
// sentence the user is told before the usage.
std::optional<TrpCommandLine> rpParseCommandLine(const QStringList& arguments, QString& problem);

QString rpToolUsage();
QString rpCommandHelp(const TrpToolCommand& command);
QString rpToolVersion();
