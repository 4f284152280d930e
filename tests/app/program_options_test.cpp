// `stroval`'s command line: a file, --language, and --version and --help, which are answered
// without a display.
#include <QProcess>

#include <gtest/gtest.h>

#include "app/program_options.h"
#include "qstring_printer.h"

namespace {

TEST(ProgramOptions, ReadsTheFileTheLanguageAndTheInformationOptions) {
  const struct {
    QStringList arguments;
    bool version, help;
    const char* language;
    const char* file;
    bool problem;
  } cases[] = {
      {{}, false, false, "", "", false},
      {{"sheet.rpp"}, false, false, "", "sheet.rpp", false},
      {{"--language", "zh_TW", "sheet.rpp"}, false, false, "zh_TW", "sheet.rpp", false},
      {{"--language=English"}, false, false, "English", "", false},
      {{"--version"}, true, false, "", "", false},
      {{"-h"}, false, true, "", "", false},
      {{"--", "-draft.xml"}, false, false, "", "-draft.xml", false},
      {{"a.xml", "b.xml"}, false, false, "", "", true},
      {{"--colour"}, false, false, "", "", true},
      {{"--language"}, false, false, "", "", true},
  };
  for (const auto& c : cases) {
    const stroval::ProgramOptions options = stroval::ParseProgramOptions(c.arguments);
    const std::string what = c.arguments.join(u' ').toStdString();
    EXPECT_EQ(options.Version, c.version) << what;
    EXPECT_EQ(options.Help, c.help) << what;
    EXPECT_EQ(options.Problem.isEmpty(), !c.problem) << what;
    if (c.problem) continue;
    EXPECT_EQ(options.Language, QString::fromUtf8(c.language)) << what;
    EXPECT_EQ(options.File, QString::fromUtf8(c.file)) << what;
  }
}

TEST(ProgramOptions, OnlyVersionAndHelpAreAnsweredBeforeTheApplicationStarts) {
  const struct {
    std::vector<const char*> argv;
    bool informationOnly;
  } cases[] = {
      {{"stroval"}, false},
      {{"stroval", "--version"}, true},
      {{"stroval", "--help"}, true},
      {{"stroval", "-h"}, true},
      {{"stroval", "sheet.rpp"}, false},
      {{"stroval", "--", "--version"}, false},  // a file of that name
  };
  for (const auto& c : cases) {
    EXPECT_EQ(stroval::AsksForInformationOnly(static_cast<int>(c.argv.size()), c.argv.data()), c.informationOnly)
        << c.argv.back();
  }
}

// The program itself, with no display to open: the answers come before any window system.
TEST(ProgramOptions, TheProgramAnswersVersionAndHelpWithoutADisplay) {
  for (const char* option : {"--version", "--help"}) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(STROVAL_PROGRAM), {QString::fromLatin1(option)});
    ASSERT_TRUE(program.waitForFinished(30000)) << option;
    EXPECT_EQ(program.exitCode(), 0) << option;
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(out.startsWith(option == std::string("--version") ? stroval::ProgramVersion() : QStringLiteral("Usage: stroval")))
        << out.toStdString();
  }
  EXPECT_EQ(stroval::ProgramVersion(), QStringLiteral("stroval " STROVAL_VERSION "\n"));
}

}  // namespace
