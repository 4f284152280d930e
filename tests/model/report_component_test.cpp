// A new report, what Clear puts back, and the progress hooks.
#include <QCoreApplication>
#include <QSettings>

#include "qstring_printer.h"
#include "report/datasets/report_data_sets.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"
#include "report/printer/custom_printer.h"
#include "report/printer/printers.h"
#include "report_fixture.h"

namespace {

using ReportComponent = ReportTest;

TEST_F(ReportComponent, ANewReportHasItsDocumentedStart) {
  TrpReport report;
  EXPECT_EQ(report.Version(), QStringLiteral("5.3.14"));
  EXPECT_EQ(report.IniFile(), QStringLiteral("\\Software\\Stroval"));
  EXPECT_EQ(report.ScriptLanguage(), QStringLiteral("PascalScript"));
  EXPECT_EQ(report.ScriptText(), (QStringList{"begin", "", "end."}));
  EXPECT_EQ(report.SysVariables(), (QStringList{"Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#",
                                                "Line", "Line#", "CopyName#"}));
  EXPECT_TRUE(report.ShowProgress());
  EXPECT_TRUE(report.StoreInDFM());
  EXPECT_FALSE(report.OldStyleProgress());
  EXPECT_TRUE(report.Objects().isEmpty());
  report.SetScriptLanguage(QString());
  EXPECT_EQ(report.ScriptLanguage(), QStringLiteral("PascalScript")) << "an empty language is the default one";
}

TEST_F(ReportComponent, ClearEmptiesTheDefinitionButKeepsTheProgramsSettings) {
  TrpReport report;
  BuildSample(report);
  report.SetScriptLanguage(QStringLiteral("JScript"));
  report.SetScriptText({QStringLiteral("x")});
  report.SetDotMatrixReport(true);
  report.SetOnStartReport(QStringLiteral("Start"));
  report.DataSets().Add()->SetDataSetName(QStringLiteral("A"));
  report.ReportOptions().SetPassword(QStringLiteral("pw"));
  report.ReportOptions().SetHiddenPassword(QStringLiteral("given"));
  report.SetIniFile(QStringLiteral("/tmp/x.ini"));
  report.Clear();
  EXPECT_TRUE(report.Objects().isEmpty());
  EXPECT_EQ(report.ScriptLanguage(), QStringLiteral("PascalScript"));
  EXPECT_EQ(report.ScriptText(), (QStringList{"begin", "", "end."}));
  EXPECT_FALSE(report.DotMatrixReport());
  EXPECT_TRUE(report.OnStartReport().isEmpty());
  EXPECT_TRUE(report.DataSets().IsEmpty());
  EXPECT_TRUE(report.ReportOptions().Password().isEmpty());
  EXPECT_EQ(report.ReportOptions().HiddenPassword(), QStringLiteral("given"));
  EXPECT_EQ(report.IniFile(), QStringLiteral("/tmp/x.ini"));
}

TEST_F(ReportComponent, IniFileNamesAPerUserStoreOrAnIniFile) {
  TrpReport report;
  const std::unique_ptr<QSettings> store = report.GetIniFile();
  EXPECT_EQ(store->format(), QSettings::NativeFormat);
  EXPECT_EQ(store->organizationName(), QStringLiteral("Stroval"));
  report.SetIniFile(QStringLiteral("/tmp/stroval-report-test.ini"));
  const std::unique_ptr<QSettings> file = report.GetIniFile();
  EXPECT_EQ(file->format(), QSettings::IniFormat);
  EXPECT_EQ(file->fileName(), QStringLiteral("/tmp/stroval-report-test.ini"));
}

TEST_F(ReportComponent, ApplicationFolderIsTheProgramsWithASeparator) {
  TrpReport report;
  EXPECT_EQ(report.GetApplicationFolder(), QCoreApplication::applicationDirPath() + u'/');
}

TEST_F(ReportComponent, SelectPrinterTakesTheNamedPrinterOrKeepsTheCurrentOne) {
  TrpReport report;
  TrpPrinters* printers = rpPrinters();
  ASSERT_GT(printers->Count(), 0);
  const int last = printers->Count() - 1;
  report.PrintOptions().SetPrinter(printers->Items(last)->Name());
  report.SelectPrinter();
  EXPECT_EQ(printers->PrinterIndex(), last);
  report.PrintOptions().SetPrinter(QStringLiteral("No such printer"));
  report.SelectPrinter();
  EXPECT_EQ(printers->PrinterIndex(), last);
}

// A progress window whose Cancel button the test presses.
class FakeProgress : public TrpCustomProgress {
 public:
  explicit FakeProgress(QStringList& messages, bool& cancelled) : FMessages(messages), FCancelled(cancelled) {}
  void SetMessage(const QString& text) override { FMessages.append(text); }
  bool Terminated() const override { return FCancelled; }

 private:
  QStringList& FMessages;
  bool& FCancelled;
};

class Progress : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    rpReportServices().CreateProgress = [this](TrpReport&) {
      ++Windows;
      return std::make_unique<FakeProgress>(Messages, Cancelled);
    };
  }
  void TearDown() override {
    rpReportServices() = TrpReportServices{};
    ReportTest::TearDown();
  }
  QStringList Messages;
  bool Cancelled = false;
  int Windows = 0;
};

TEST_F(Progress, PrintingShowsAWindowWithPageNumbersAndCallsTheProgram) {
  TrpReport report;
  QStringList calls;
  report.OnProgressStart = [&](TrpReport*, TrpProgressType, int) { calls << QStringLiteral("start"); };
  report.OnProgress = [&](TrpReport*, TrpProgressType, int n) { calls << QString::number(n); };
  report.OnProgressStop = [&](TrpReport*, TrpProgressType, int) { calls << QStringLiteral("stop"); };
  report.InternalOnProgressStart(ptPrinting);
  report.InternalOnProgress(ptPrinting, 3);
  report.InternalOnProgress(ptExporting, 4);
  report.InternalOnProgressStop(ptPrinting);
  EXPECT_EQ(Windows, 1);
  EXPECT_EQ(Messages, (QStringList{"Printing page 3", "Exporting page 4"}));
  EXPECT_EQ(calls, (QStringList{"start", "3", "4", "stop"}));
}

TEST_F(Progress, PreparationShowsNoWindowUnlessOldStyle) {
  TrpReport report;
  report.InternalOnProgressStart(ptRunning);
  report.InternalOnProgress(ptRunning, 1);
  EXPECT_EQ(Windows, 0);
  report.SetOldStyleProgress(true);
  report.InternalOnProgressStart(ptRunning);
  report.InternalOnProgress(ptRunning, 2);
  EXPECT_EQ(Windows, 1);
  EXPECT_EQ(Messages, QStringList{QStringLiteral("Preparing page 2")});
}

TEST_F(Progress, CancelInTheWindowTerminatesTheReport) {
  TrpReport report;
  report.InternalOnProgressStart(ptPrinting);
  report.InternalOnProgress(ptPrinting, 1);
  EXPECT_FALSE(report.Terminated());
  Cancelled = true;
  report.InternalOnProgress(ptPrinting, 2);
  EXPECT_TRUE(report.Terminated());
}

TEST_F(Progress, NothingHappensInThreadSafeMode) {
  TrpReport report;
  bool called = false;
  report.OnProgressStart = [&](TrpReport*, TrpProgressType, int) { called = true; };
  report.EngineOptions().SetEnableThreadSafe(true);
  report.InternalOnProgressStart(ptPrinting);
  report.InternalOnProgress(ptPrinting, 1);
  EXPECT_FALSE(called);
  EXPECT_EQ(Windows, 0);
}

}  // namespace
