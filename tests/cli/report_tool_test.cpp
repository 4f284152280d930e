// stroval-report on the command line: its commands, messages and exit codes, called as a
// function and, for a damaged file, as the real program.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "qstring_printer.h"
#include "report/options/report_options.h"
#include "report_tool_fixture.h"

namespace {

class ReportTool : public ReportToolTest {
 protected:
  void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static QByteArray Damaged() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n"
           "<TrpReport Version=\"5.3.14\"><TrpReportPage Name=\"Page1\">"
           "<TrpGadget Name=\"G1\"/><TrpMemoView Name=\"Memo1\" HAlign=\"99\"/>"
           "</TrpReportPage></TrpReport>";
  }
};

TEST_F(ReportTool, CheckOfAGoodFileSaysSoAndSucceeds) {
  const QString path = SaveSample("good.xml");
  EXPECT_EQ(Run({"check", path}), rtOk);
  EXPECT_EQ(Out, path + ": no errors\n");
  EXPECT_TRUE(Err.isEmpty());
}

TEST_F(ReportTool, CheckListsEveryErrorAndFails) {
  Write(PathOf("damaged.xml"), Damaged());
  EXPECT_EQ(Run({"check", PathOf("damaged.xml")}), rtFailed);
  EXPECT_TRUE(Out.contains(PathOf("damaged.xml") + ": Cannot find class TrpGadget\n")) << Out;
  EXPECT_TRUE(Out.contains(QLatin1String("HAlign"))) << Out;
  EXPECT_TRUE(Out.endsWith(QLatin1String(": 2 error(s)\n"))) << Out;
}

struct UnreadableCase {
  const char* Name;
  QByteArray Bytes;
};

class UnreadableFiles : public ReportTool, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFiles, FailWithAMessageOnTheErrorStream) {
  Write(PathOf("x.xml"), GetParam().Bytes);
  EXPECT_EQ(Run({"check", PathOf("x.xml")}), rtFailed);
  EXPECT_TRUE(Err.contains(QLatin1String("cannot be read as a report"))) << Err;
}

INSTANTIATE_TEST_SUITE_P(ReportTool, UnreadableFiles,
                         ::testing::Values(UnreadableCase{"Empty", {}}, UnreadableCase{"Garbage", "\x01\x02 <<<"},
                                           UnreadableCase{"Cut", "<?xml version=\"1.0\"?><TrpReport><Trp"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReportTool, CheckOfAMissingFileNamesIt) {
  EXPECT_EQ(Run({"check", PathOf("none.xml")}), rtFailed);
  EXPECT_TRUE(Err.contains(PathOf("none.xml") + ": no such file")) << Err;
}

struct UsageCase {
  QStringList Arguments;
  const char* Message;
};

class WrongCommandLines : public ReportTool, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(WrongCommandLines, PrintTheUsageAndExitWithTwo) {
  EXPECT_EQ(Run(GetParam().Arguments), rtUsage);
  EXPECT_TRUE(Err.contains(QLatin1String(GetParam().Message))) << Err;
  EXPECT_TRUE(Err.contains(QLatin1String("Usage: stroval-report"))) << Err;
}

INSTANTIATE_TEST_SUITE_P(
    ReportTool, WrongCommandLines,
    ::testing::Values(UsageCase{{}, "Usage"}, UsageCase{{"frobnicate"}, "unknown command \"frobnicate\""},
                      UsageCase{{"check"}, "check takes one file"},
                      UsageCase{{"check", "a", "b"}, "check takes one file"},
                      UsageCase{{"resave", "a"}, "resave takes an input and an output file"},
                      UsageCase{{"--colour", "check", "a"}, "unknown option --colour"},
                      UsageCase{{"check", "a", "--password"}, "--password needs a value"}));

TEST_F(ReportTool, HelpGoesToTheOutputAndSucceeds) {
  EXPECT_EQ(Run({"--help"}), rtOk);
  EXPECT_TRUE(Out.startsWith(QLatin1String("Usage: stroval-report")));
}

TEST_F(ReportTool, ResaveWritesAFileThatReadsBackTheSame) {
  const QString in = SaveSample("in.xml");
  EXPECT_EQ(Run({"resave", in, PathOf("out.xml")}), rtOk) << Err;
  QFile a(in), b(PathOf("out.xml"));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(a.readAll()), QString::fromUtf8(b.readAll()));
}

TEST_F(ReportTool, ResaveRefusesToLoseWhatCouldNotBeReadUnlessForced) {
  Write(PathOf("damaged.xml"), Damaged());
  EXPECT_EQ(Run({"resave", PathOf("damaged.xml"), PathOf("out.xml")}), rtFailed);
  EXPECT_FALSE(QFile::exists(PathOf("out.xml")));
  EXPECT_TRUE(Err.contains(QLatin1String("not saved"))) << Err;
  EXPECT_EQ(Run({"--force", "resave", PathOf("damaged.xml"), PathOf("out.xml")}), rtOk) << Err;
  EXPECT_TRUE(QFile::exists(PathOf("out.xml")));
}

TEST_F(ReportTool, ResaveIntoAMissingFolderFailsClearly) {
  const QString in = SaveSample("in.xml");
  EXPECT_EQ(Run({"resave", in, PathOf("no/such/out.xml")}), rtFailed);
  EXPECT_TRUE(Err.contains(PathOf("no/such/out.xml")) && Err.contains(QLatin1String("No such file or directory")))
      << Err;
}

TEST_F(ReportTool, AProtectedReportOpensWithItsPassword) {
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetPassword(QStringLiteral("pw"));
  report.SaveToFile(PathOf("locked.xml"));
  EXPECT_EQ(Run({"check", PathOf("locked.xml")}), rtFailed);
  EXPECT_TRUE(Err.contains(QLatin1String("Invalid password"))) << Err;
  EXPECT_EQ(Run({"--password", "pw", "check", PathOf("locked.xml")}), rtOk) << Err;
}

TEST_F(ReportTool, TheProgramItselfReportsADamagedFileAndExitsWithOne) {
  Write(PathOf("damaged.xml"), Damaged());
  QProcess process;
  process.start(QStringLiteral(STROVAL_REPORT_PROGRAM), {QStringLiteral("check"), PathOf("damaged.xml")});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
  const QString out = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_TRUE(out.contains(QLatin1String("Cannot find class TrpGadget"))) << out;
}

}  // namespace
