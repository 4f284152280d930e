#pragma once
// Runs a preview command started from a button, a key or a menu. An error must not leave the
// event handler (it would end the program and every unsaved window with it): the preview's own
// message ("Loading file...") goes, and the error is shown, headed by `what`.
#include <exception>

#include "report/objects/report_error.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"

template <class Command>
void rpReportingErrors(TrpPreview& preview, const QString& what, Command command) {
  try {
    command();
  } catch (const std::exception& e) {
    preview.HideMessage();
    rpPreviewDialogs().ShowMessage(&preview, what + QStringLiteral("\n") + rpErrorText(e));
  }
}
