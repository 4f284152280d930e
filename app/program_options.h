#pragma once
// The command line of `stroval`: [--language NAME] [FILE], or --version, --help alone.
#include <QString>
#include <QStringList>

namespace stroval {

struct ProgramOptions {
  bool Version = false;  // print the version and exit
  bool Help = false;     // print the usage and exit
  QString Language;      // the report subsystem's language; empty: from the locale
  QString File;          // a report or prepared report to show instead of the worksheet
  QString Problem;       // what is wrong with the command line; empty when nothing is
};

// Reads the arguments after the program's name (Qt's own options already taken out).
ProgramOptions ParseProgramOptions(const QStringList& arguments);

// True when the raw command line asks only for the version or the usage, which are answered
// before the application object exists: they need no display.
bool AsksForInformationOnly(int argc, const char* const* argv);

QString ProgramUsage();
QString ProgramVersion();  // "stroval 0.9.0\n"

}  // namespace stroval
