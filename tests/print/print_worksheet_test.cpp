// The worksheet report printed end to end: prepared by the band layout engine into the
// prepared-pages store, whose Print hands the pages to the print job, on a recording printer and
// through stroval-report's pdf command.
#include "print_job_fixture.h"
#include "worksheet_report.h"

#include "cli/report_tool.h"
#include "report/component/report_classes.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/services/install_report_services.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

class PrintWorksheet : public PrintJobFixture {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    FReport = std::make_unique<TrpReport>();
    FReport->EngineOptions().SetNewSilentMode(simSilent);
    FReport->PrintOptions().SetShowDialog(false);
    worksheet::Build(*FReport);
  }
  void TearDown() override {
    FReport.reset();
    rpReportServices() = TrpReportServices{};
  }
  std::unique_ptr<TrpReport> FReport;
};

TEST_F(PrintWorksheet, ThePreparedSheetPrintsAsOnePageWithTitleAndFilledCells) {
  ASSERT_TRUE(FReport->PrepareReport()) << qPrintable(FReport->Errors().join('\n'));
  UsePrinters();
  ASSERT_TRUE(FReport->Print()) << qPrintable(ErrorBoxes.join('\n'));
  ASSERT_EQ(Laser->Documents.size(), 1);
  ASSERT_EQ(Document().Pages.size(), 1);
  const TrpRecordedPage& page = Document().Pages[0];
  EXPECT_EQ(page.Settings.PaperSize, 256);  // the endless page grew to its content
  QStringList texts;
  for (const TrpDrawRecord& r : page.Draws)
    if (r.Kind == drText) texts.append(r.Text);
  EXPECT_EQ(texts.count(QStringLiteral("永")), 2 * 8);
  EXPECT_TRUE(texts.join(QString()).contains(QStringLiteral("Quilltrace")));
  EXPECT_EQ(texts.filter(QStringLiteral("班")).size(), 2);  // the caption and its copy
  EXPECT_EQ(Document().State, TrpRecordedDocument::dsEnded);
}

QString RunTool(const char* tool, const QStringList& args) {
  const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
  if (program.isEmpty()) return {};
  QProcess process;
  process.start(program, args);
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(PrintWorksheet, ThePdfCommandPrintsAPreparedReportToAPdfFile) {
  ASSERT_TRUE(FReport->PrepareReport());
  QTemporaryDir dir;
  const QString prepared = dir.filePath(QStringLiteral("sheet.rpp"));
  ASSERT_TRUE(FReport->PreviewPages()->SaveToFile(prepared));
  const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
  QString outText, errText;
  QTextStream out(&outText), err(&errText);
  const int code = rpRunReportTool({QStringLiteral("pdf"), prepared, QStringLiteral("-o"), pdf}, out, err);
  out.flush();
  err.flush();
  ASSERT_EQ(code, rtOk) << qPrintable(errText);
  EXPECT_TRUE(outText.contains(QStringLiteral("1 page(s) printed"))) << qPrintable(outText);
  ASSERT_TRUE(QFile::exists(pdf));
  const QString info = RunTool("pdfinfo", {pdf});
  if (info.isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b")))) << qPrintable(info);
  // 210 mm wide (595 points), 291.78 mm high (827 points).
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("595(\\.\\d+)? x 82[67]"))))
      << qPrintable(info);
  const QString text = RunTool("pdftotext", {pdf, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QStringLiteral("Quilltrace"))) << qPrintable(text);
}

TEST_F(PrintWorksheet, ThePdfCommandRefusesAnUnreadableRange) {
  ASSERT_TRUE(FReport->PrepareReport());
  QTemporaryDir dir;
  const QString prepared = dir.filePath(QStringLiteral("sheet.rpp"));
  ASSERT_TRUE(FReport->PreviewPages()->SaveToFile(prepared));
  const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
  QString outText, errText;
  QTextStream out(&outText), err(&errText);
  const int code = rpRunReportTool(
      {QStringLiteral("pdf"), prepared, QStringLiteral("-o"), pdf, QStringLiteral("--pages"),
       QStringLiteral("1-z")},
      out, err);
  err.flush();
  EXPECT_EQ(code, rtFailed);
  EXPECT_TRUE(errText.contains(QStringLiteral("'z' is not a valid integer value"))) << qPrintable(errText);
  EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
