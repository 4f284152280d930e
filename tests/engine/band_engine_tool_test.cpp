// stroval-report prepare and render, run in-process on a report file written by the test.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/report_tool.h"
#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/dialogs/dialog_page.h"
#include "report/memo/memo_view.h"
#include "report/objects/report_services.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"

namespace {

class ReportToolEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    rpStartReportTool();
    ASSERT_TRUE(Dir.isValid());
    TrpReport report;
    auto* page = new TrpReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    auto* data = new TrpMasterData(page);
    data->SetName(QStringLiteral("Rows"));
    data->SetHeight(100);
    data->SetRowCount(25);
    auto* memo = new TrpMemoView(data);
    memo->SetName(QStringLiteral("Text"));
    memo->SetBounds(0, 0, 200, 40);
    memo->SetText(QStringLiteral("row"));
    Definition = Dir.filePath(QStringLiteral("rows.xml"));
    report.SaveToFile(Definition);
  }
  void TearDown() override { rpReportServices() = TrpReportServices{}; }

  int Tool(const QStringList& arguments) {
    Out.clear();
    Err.clear();
    QTextStream out(&Out), err(&Err);
    return rpRunReportTool(arguments, out, err);
  }

  QTemporaryDir Dir;
  QString Definition;
  QString Out, Err;
};

TEST_F(ReportToolEngine, PrepareSavesThePreparedReport) {
  const QString rpp = Dir.filePath(QStringLiteral("rows.rpp"));
  ASSERT_EQ(Tool({"prepare", Definition, "-o", rpp}), 0) << Err.toStdString();
  EXPECT_TRUE(Out.contains(QStringLiteral("3 page(s)"))) << Out.toStdString();
  QFile file(rpp);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("<preparedreport>"));
}

TEST_F(ReportToolEngine, PrepareReportsAMissingFileAndAMissingOutput) {
  EXPECT_EQ(Tool({"prepare", Dir.filePath("none.xml"), "-o", Dir.filePath("x.rpp")}), 1);
  EXPECT_TRUE(Err.contains(QStringLiteral("no such file")));
  EXPECT_EQ(Tool({"prepare", Definition}), 2);
}

TEST_F(ReportToolEngine, RenderDrawsEveryPageOfAPreparedReport) {
  const QString rpp = Dir.filePath(QStringLiteral("rows.rpp"));
  ASSERT_EQ(Tool({"prepare", Definition, "-o", rpp}), 0) << Err.toStdString();
  const QString png = Dir.filePath(QStringLiteral("png"));
  ASSERT_EQ(Tool({"render", rpp, "--png", png, "--zoom", "0.5"}), 0) << Err.toStdString();
  const QStringList files = QDir(png).entryList({"*.png"}, QDir::Files, QDir::Name);
  EXPECT_EQ(files, (QStringList{"page-001.png", "page-002.png", "page-003.png"}));
  const QImage first(QDir(png).filePath(files.value(0)));
  EXPECT_EQ(first.size(), QSize(397, 562));  // 794 x 1123 units at half size, rounded up
}

TEST_F(ReportToolEngine, RenderPreparesADefinitionFirst) {
  const QString png = Dir.filePath(QStringLiteral("direct"));
  ASSERT_EQ(Tool({"render", Definition, "--png", png}), 0) << Err.toStdString();
  EXPECT_EQ(QDir(png).entryList({"*.png"}, QDir::Files).size(), 3);
  EXPECT_EQ(Tool({"render", Definition, "--png", png, "--zoom", "0"}), 2);
}


// The tool has no windows: a report's dialog is answered with OK and what its controls hold
// (--param changes those).
class ReportToolDialogs : public ReportToolEngine {};

TEST_F(ReportToolDialogs, PrepareAnswersADialogWithOk) {
  TrpReport report;
  report.LoadFromFile(Definition);
  (new TrpDialogPage(&report))->SetName(QStringLiteral("AskForDates"));
  report.SaveToFile(Definition);
  const QString rpp = Dir.filePath(QStringLiteral("rows.rpp"));
  EXPECT_EQ(Tool({"prepare", Definition, "-o", rpp}), 0) << Err.toStdString();
  EXPECT_TRUE(QFile::exists(rpp));
}

// A report whose text object's expression never returns: --script-timeout ends the preparation
// with the limit's message and exit code 1 instead of hanging a batch run; bad values are refused.
TEST_F(ReportToolEngine, ScriptTimeoutEndsAnExpressionThatNeverReturns) {
  TrpReport report;
  ASSERT_TRUE(report.LoadFromFile(Definition));
  report.SetScriptText({"function Forever: Integer;", "begin", "  Result := 0;", "  while True do Result := Result + 1;",
                        "end;", "begin end."});
  static_cast<TrpMemoView*>(report.FindObject(QStringLiteral("Text")))->SetText(QStringLiteral("[Forever]"));
  const QString looping = Dir.filePath(QStringLiteral("forever.xml"));
  report.SaveToFile(looping);
  const QString rpp = Dir.filePath(QStringLiteral("forever.rpp"));
  EXPECT_EQ(Tool({"prepare", looping, "--script-timeout", "0.3", "-o", rpp}), 1);
  EXPECT_TRUE(Err.contains(QStringLiteral("The script was stopped after running for 0.3 s"))) << Err.toStdString();
  EXPECT_FALSE(QFile::exists(rpp));
  for (const char* bad : {"0", "-1", "soon", "100000"}) {
    EXPECT_EQ(Tool({"prepare", Definition, "--script-timeout", bad, "-o", rpp}), 1) << bad;
    EXPECT_TRUE(Err.contains(QStringLiteral("--script-timeout takes seconds"))) << Err.toStdString();
  }
  EXPECT_EQ(Tool({"prepare", Definition, "--script-timeout", "2", "-o", rpp}), 0) << Err.toStdString();
}

}  // namespace
