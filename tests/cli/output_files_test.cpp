// stroval-report's outputs are written whole or not at all, and every failure is a failure: write
// errors, size limits, outputs that are the input, page selections that name no page, damaged
// definitions for every command, and names a script does not have.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <csignal>
#include <sys/resource.h>

#include "qstring_printer.h"
#include "report/options/report_options.h"
#include "report_tool_fixture.h"

namespace {

class OutputFiles : public ReportToolTest {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) { return WriteFile(name, bytes); }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // The real program, with files limited to `limit` bytes and the size-limit signal ignored, so
  // that a write past the limit fails as a full disk does.
  static int RunLimited(const QStringList& arguments, qint64 limit, QString* err = nullptr) {
    QProcess process;
    process.setChildProcessModifier([limit] {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit size{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
      setrlimit(RLIMIT_FSIZE, &size);
    });
    process.start(QStringLiteral(STROVAL_REPORT_PROGRAM), arguments);
    if (!process.waitForFinished(60000)) return -1;
    if (err) *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }
  static QByteArray Damaged() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
           "<TrpReport Version=\"5.3.14\"><TrpReportPage Name=\"Page1\">"
           "<TrpGadget Name=\"G1\"/></TrpReportPage></TrpReport>";
  }
};

bool DevFullIsADevice() {
  const QFileInfo full(QStringLiteral("/dev/full"));
  return full.exists() && !full.isFile();
}

}  // namespace

TEST_F(OutputFiles, AnOutputThatCannotBeWrittenIsAFailureForEveryCommand) {
  if (!DevFullIsADevice()) GTEST_SKIP() << "/dev/full is not a device here";
  const QString definition = SaveSample(QStringLiteral("in.xml"));
  const QString full = QStringLiteral("/dev/full");
  const QList<QStringList> commands = {
      {"resave", definition, full},
      {"prepare", definition, "-o", full},
      {"pdf", definition, "-o", full},
  };
  for (const QStringList& command : commands) {
    EXPECT_EQ(Run(command), rtFailed) << command.join(' ') << '\n' << Out;
    EXPECT_FALSE(Out.contains(QLatin1String("saved")) || Out.contains(QLatin1String("prepared into")) ||
                 Out.contains(QLatin1String("printed")))
        << Out;
    EXPECT_FALSE(Err.isEmpty()) << command.join(' ');
  }
  EXPECT_TRUE(DevFullIsADevice());
}

TEST_F(OutputFiles, AWriteCutShortBySizeLimitLeavesTheOldFileWhole) {
  const QString definition = SaveSample(QStringLiteral("in.xml"));
  ASSERT_EQ(Run({"pdf", definition, "-o", PathOf("old.pdf")}), rtOk) << Err;
  ASSERT_EQ(Run({"prepare", definition, "-o", PathOf("old.rpp")}), rtOk) << Err;
  struct Case {
    QStringList Arguments;
    QString Output;
  };
  const QList<Case> cases = {
      {{"resave", definition, definition}, definition},
      {{"pdf", definition, "-o", PathOf("old.pdf")}, PathOf("old.pdf")},
      {{"prepare", definition, "-o", PathOf("old.rpp")}, PathOf("old.rpp")},
  };
  for (const Case& c : cases) {
    const QByteArray before = Read(c.Output);
    ASSERT_GT(before.size(), 200);
    QString err;
    EXPECT_EQ(RunLimited(c.Arguments, 100, &err), rtFailed) << c.Arguments.join(' ') << '\n' << err;
    EXPECT_EQ(Read(c.Output), before) << c.Arguments.join(' ');
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"in.xml", "old.pdf", "old.rpp"}));
  }
}

TEST_F(OutputFiles, APdfOverItsOwnDefinitionIsRefused) {
  const QString definition = SaveSample(QStringLiteral("in.xml"));
  const QByteArray before = Read(definition);
  EXPECT_EQ(Run({"pdf", definition, "-o", definition}), rtUsage);
  EXPECT_TRUE(Err.contains(QLatin1String("the output file is the input file"))) << Err;
  EXPECT_EQ(Read(definition), before);
}

TEST_F(OutputFiles, APageSelectionNamingNoPageFailsAndLeavesAnOlderOutput) {
  const QString definition = SaveSample(QStringLiteral("in.xml"));
  const QString pdf = Write(QStringLiteral("older.pdf"), "an older output");
  for (const char* pages : {"0", "3-1", "7"}) {
    EXPECT_EQ(Run({"pdf", definition, "-o", pdf, "--pages", pages}), rtFailed) << pages << '\n' << Out;
    EXPECT_TRUE(Err.contains(QLatin1String("names no page"))) << Err;
    EXPECT_EQ(Read(pdf), QByteArray("an older output")) << pages;
  }
}

// Each unreadable definition is refused by every command alike, with its reason, and no output
// file appears.
TEST_F(OutputFiles, EveryCommandRefusesAnUnreadableDefinitionAlike) {
  const QString text = QString::fromUtf8(Read(SaveSample(QStringLiteral("in.xml"))));
  QByteArray utf16("\xFF\xFE");
  utf16 += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  struct Case {
    const char* Name;
    QByteArray Bytes;
    const char* Reason;  // told on the error stream, or by check on the output stream
  };
  const Case cases[] = {
      {"damaged.xml", Damaged(), "Cannot find class TrpGadget"},
      {"page.xml",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
       "<TrpReport Version=\"5.3.14\"><TrpNoSuchPage Name=\"Page1\"/></TrpReport>",
       "Cannot find class TrpNoSuchPage"},
      {"utf16.xml", utf16, "UTF-16"},
  };
  for (const Case& c : cases) {
    const QString file = Write(QString::fromLatin1(c.Name), c.Bytes);
    const QList<QStringList> commands = {
        {"check", file},
        {"prepare", file, "-o", PathOf("out.rpp")},
        {"pdf", file, "-o", PathOf("out.pdf")},
        {"print", file},
        {"render", file, "--png", PathOf("png")},
    };
    for (const QStringList& command : commands) {
      EXPECT_EQ(Run(command), rtFailed) << command.join(' ') << '\n' << Out;
      EXPECT_TRUE((Out + Err).contains(QLatin1String(c.Reason))) << command.join(' ') << '\n' << Out << Err;
    }
    EXPECT_FALSE(QFile::exists(PathOf("out.pdf")));
    EXPECT_FALSE(QFile::exists(PathOf("out.rpp")));
  }
}

TEST_F(OutputFiles, ThePasswordMayStandBeforeAnyCommand) {
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetPassword(QStringLiteral("pw"));
  report.SaveToFile(PathOf(QStringLiteral("locked.xml")));
  const QString locked = PathOf(QStringLiteral("locked.xml"));
  const QList<QStringList> commands = {
      {"--password", "pw", "check", locked},
      {"--password", "pw", "prepare", locked, "-o", PathOf("out.rpp")},
      {"--password=pw", "render", locked, "--png", PathOf("png")},
      {"--password", "pw", "pdf", locked, "-o", PathOf("out.pdf")},
  };
  for (const QStringList& command : commands) EXPECT_EQ(Run(command), rtOk) << command.join(' ') << '\n' << Err;
}

TEST_F(OutputFiles, PrintingAVariableTheScriptDoesNotHaveIsAFailure) {
  const QString script = Write(QStringLiteral("p.pas"), "var a: Integer;\nbegin\n  a := 6;\nend.");
  EXPECT_EQ(Run({"script", script, "--print", "a", "nosuch"}), rtFailed);
  EXPECT_TRUE(Out.startsWith(QLatin1String("a=6\n"))) << Out;
  EXPECT_TRUE(Err.contains(QLatin1String("no variable named \"nosuch\""))) << Err;
  EXPECT_EQ(Run({"script", script, "--syntax", "bogus"}), rtFailed);
  EXPECT_FALSE(Err.contains(QLatin1String("::"))) << Err;
  EXPECT_TRUE(Err.contains(QLatin1String("bogus"))) << Err;
}

TEST_F(OutputFiles, TheProgramDrawsTheFontsTheWindowProgramDraws) {
  // A text in a font name of the stored worksheets, which exists here only as a substitution.
  TrpReport report;
  BuildSample(report);
  auto* memo = dynamic_cast<TrpMemoView*>(report.FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(memo, nullptr);
  memo->Font()->SetName(QStringLiteral("新細明體"));
  memo->Font()->SetSize(20);
  memo->SetParentFont(false);
  report.CheckDataPage();
  report.SaveToFile(PathOf("ming.xml"));
  // In this process the substitutions are those the window program registers.
  ASSERT_EQ(Run({"render", PathOf("ming.xml"), "--png", PathOf("here")}), rtOk) << Err;
  QProcess process;
  process.start(QStringLiteral(STROVAL_REPORT_PROGRAM), {"render", PathOf("ming.xml"), "--png", PathOf("program")});
  ASSERT_TRUE(process.waitForFinished(60000));
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  const QByteArray here = Read(PathOf("here/page-001.png"));
  ASSERT_FALSE(here.isEmpty());
  EXPECT_TRUE(Read(PathOf("program/page-001.png")) == here);
}
