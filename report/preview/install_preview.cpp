#include "report/preview/install_preview.h"

#include <QApplication>

#include "report/component/report.h"
#include "report/dialogs/dialog_page.h"
#include "report/objects/report_services.h"
#include "report/preview/dialog_page_form.h"
#include "report/preview/password_form.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/progress_form.h"
#include "report/preview/script_dialog_boxes.h"

void rpInstallPreview() {
  TrpReportServices& services = rpReportServices();
  services.CreatePreviewForm = [](TrpReport&) -> std::unique_ptr<TrpCustomPreviewForm> {
    return std::make_unique<TrpPreviewForm>();
  };
  services.AskPassword = [](TrpReport&) -> std::optional<QString> {
    TrpPasswordForm form(QApplication::activeWindow());
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Password();
  };
  services.ShowDialogPage = [](TrpCustomReport& report, TrpDialogPage& page) {
    TrpDialogPageForm form(report, page, QApplication::activeWindow());
    return form.Execute();
  };
  services.CreateProgress = [](TrpReport&) -> std::unique_ptr<TrpCustomProgress> {
    auto progress = std::make_unique<TrpProgress>();
    // No bar, with the Cancel button: the report sets the message page by page.
    progress->Execute(0, QString(), false, true);
    return progress;
  };
  // Scripts' message and input boxes are windows here, not standard output.
  scSetSystemDialogs(std::make_unique<TrpScriptDialogBoxes>());
}
