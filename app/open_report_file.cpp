#include "app/open_report_file.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_error.h"
#include "report/options/common_error_handler.h"
#include "report/options/preview_options.h"
#include "report/store/prepared_report_file.h"

namespace stroval {
namespace {

// The report's errors as a message box (or the caller's box) and a line on standard error,
// remembered for the exit code.
class ReportFileErrorBox : public TrpErrorBox {
 public:
  explicit ReportFileErrorBox(TrpErrorBox* messages) : FMessages(messages) {}
  void ShowError(const QString& caption, const QString& text) override {
    Failed = true;
    std::fprintf(stderr, "stroval: %s\n", qUtf8Printable(text));
    if (FMessages)
      FMessages->ShowError(caption, text);
    else
      QMessageBox::critical(nullptr, caption, text);
  }
  bool Failed = false;

 private:
  TrpErrorBox* FMessages;
};

// Opens the file into `report`: prepared pages into its store, a definition as the report.
bool open(TrpReport& report, const QString& fileName, bool prepared, TrpErrorBox& box) {
  if (!QFileInfo(fileName).isFile()) {
    box.ShowError(QStringLiteral("Stroval"), QStringLiteral("Cannot open \"%1\": the file does not exist").arg(fileName));
    return false;
  }
  try {
    if (prepared) return report.PreviewPages() && report.PreviewPages()->LoadFromFile(fileName, true);
    return report.LoadFromFile(fileName);  // its errors have gone through the error box
  } catch (const std::exception& e) {
    box.ShowError(QStringLiteral("Stroval"), QStringLiteral("Cannot open \"%1\": %2").arg(fileName, rpErrorText(e)));
    return false;
  }
}

}  // namespace

int ShowReportFile(const QString& fileName, TrpErrorBox* messages) {
  ReportFileErrorBox box(messages);
  rpSetErrorBox(&box);
  int result = 1;
  {
    TrpReport report;
    const bool prepared = rpIsPreparedReportFile(fileName);
    if (open(report, fileName, prepared, box)) {
      report.SetFileName(QFileInfo(fileName).absoluteFilePath());
      report.PreviewOptions().SetModal(false);
      if (prepared)
        report.ShowPreparedReport();
      else
        report.ShowReport();
      result = QApplication::exec();
    }
  }
  rpSetErrorBox(nullptr);
  return box.Failed ? 1 : result;
}

}  // namespace stroval
