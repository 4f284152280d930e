#include "app/program_options.h"

#include <QCommandLineParser>
#include <cstring>

namespace stroval {

namespace {

const QString kVersionOption = QStringLiteral("version");
const QString kHelpOption = QStringLiteral("help");
const QString kLanguageOption = QStringLiteral("language");

}  // namespace

ProgramOptions ParseProgramOptions(const QStringList& arguments) {
  ProgramOptions options;
  QCommandLineParser parser;
  parser.addOption(QCommandLineOption(kVersionOption));
  parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelpOption}));
  parser.addOption(QCommandLineOption(kLanguageOption, QString(), QStringLiteral("NAME")));
  if (!parser.parse(QStringList{QStringLiteral("stroval")} + arguments)) {
    options.Problem = parser.errorText();
    return options;
  }
  options.Version = parser.isSet(kVersionOption);
  options.Help = parser.isSet(kHelpOption);
  options.Language = parser.value(kLanguageOption);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1)
    options.Problem = QStringLiteral("one file at most, not %1").arg(files.size());
  else if (!files.isEmpty())
    options.File = files.first();
  return options;
}

bool AsksForInformationOnly(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) return false;
    for (const char* option : {"--version", "--help", "-h"})
      if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

QString ProgramUsage() {
  return QStringLiteral(
      "Usage: stroval [--language NAME] [FILE]\n"
      "\n"
      "Without FILE the worksheet window opens. A report definition FILE is prepared and shown\n"
      "in the preview window; a prepared report (.rpp) is shown as it is.\n"
      "\n"
      "Options:\n"
      "  --language NAME   The language of the preview, print and progress windows: English,\n"
      "                    or a language file's name (zh_TW). From the locale when not given.\n"
      "  --version         Show the version.\n"
      "  -h, --help        Show this help.\n");
}

QString ProgramVersion() { return QStringLiteral("stroval " STROVAL_VERSION "\n"); }

}  // namespace stroval
