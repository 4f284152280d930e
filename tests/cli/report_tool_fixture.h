#pragma once
// The stroval-report tool called in-process: its output and error streams captured as texts, and
// a temporary folder for the files a test writes and reads.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/report_tool.h"
#include "qstring_printer.h"
#include "report_fixture.h"

class ReportToolTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    rpStartReportTool();
  }
  int Run(const QStringList& arguments) {
    Out.clear();
    Err.clear();
    QTextStream out(&Out), err(&Err);
    return rpRunReportTool(arguments, out, err);
  }
  QString PathOf(const QString& name) const { return QDir(Dir.path()).filePath(name); }
  // Writes `bytes` into the file `name` of the folder; its path.
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name;
    file.write(bytes);
    return PathOf(name);
  }
  // The sample definition saved as `name`, as a loaded report has it (with its data page).
  QString SaveSample(const QString& name) {
    TrpReport report;
    BuildSample(report);
    report.CheckDataPage();
    report.SaveToFile(PathOf(name));
    return PathOf(name);
  }

  QString Out, Err;
  QTemporaryDir Dir;
};
