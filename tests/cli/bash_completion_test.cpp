// The bash completion written from the command table: run in bash on typed command lines.
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include "cli/bash_completion.h"
#include "cli/command_line.h"
#include "qstring_printer.h"

namespace {

// The completions bash offers for `line`, the last word being the one completed (empty after a
// trailing blank), separated by blanks.
QString Complete(const QString& script, const QString& line) {
  QStringList words = line.split(u' ');
  QString call = QStringLiteral("source \"$1\"; COMP_WORDS=(");
  for (const QString& word : words) call += u'\'' + word + QStringLiteral("' ");
  call += QStringLiteral("); COMP_CWORD=%1; _stroval_report; echo \"${COMPREPLY[*]}\"").arg(words.size() - 1);
  QProcess bash;
  bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), call, QStringLiteral("_"), script});
  if (!bash.waitForFinished(10000)) return QStringLiteral("(bash did not finish)");
  return QString::fromUtf8(bash.readAllStandardOutput()).trimmed() + QString::fromUtf8(bash.readAllStandardError());
}

class BashCompletion : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FScript = FDir.filePath(QStringLiteral("stroval-report"));
    QFile file(FScript);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rpBashCompletion().toUtf8());
  }
  QTemporaryDir FDir;
  QString FScript;
};

TEST_F(BashCompletion, OffersCommandsOptionsAndTheirFixedValues) {
  const struct {
    const char* line;
    const char* offered;
  } cases[] = {
      {"stroval-report pre", "prepare"},
      {"stroval-report --ver", "--version"},
      {"stroval-report --password secret che", "check"},
      {"stroval-report help ex", "export"},
      {"stroval-report export f.rpp --for", "--format"},
      {"stroval-report export f.rpp --format p", "pdf png"},
      {"stroval-report pdf f.rpp --mode s", "split scale"},
      {"stroval-report worksheet --guides ", "none tian mi jiugong"},
      {"stroval-report script f.pas --syntax J", "JScript"},
      {"stroval-report render f.rpp --zo", "--zoom"},
      {"stroval-report print f.rpp --copies ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Complete(FScript, QString::fromUtf8(c.line)), QString::fromUtf8(c.offered)) << c.line;
}

TEST_F(BashCompletion, KnowsEveryCommandAndEveryOptionOfTheTable) {
  const QString script = rpBashCompletion();
  for (const TrpToolCommand& command : rpToolCommands()) {
    EXPECT_TRUE(script.contains(command.Name + QStringLiteral(") options="))) << command.Name.toStdString();
    for (const TrpToolOption& option : command.Options)
      for (const QString& name : option.Names)
        EXPECT_TRUE(script.contains(rpDashedOption(name))) << command.Name.toStdString() << " " << name.toStdString();
  }
}

}  // namespace
