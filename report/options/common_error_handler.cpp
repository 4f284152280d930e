#include "report/options/common_error_handler.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "report/options/engine_options.h"
#include "report/res/resources.h"

namespace {

TrpErrorBox* gErrorBox = nullptr;

// Without an installed box: a real message box in a widget program, else a line on stderr, so a
// program without windows never blocks on a dialog nobody can see.
void showDefault(const QString& caption, const QString& text) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QMessageBox::critical(nullptr, caption, text);
    return;
  }
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
}

}  // namespace

void rpSetErrorBox(TrpErrorBox* box) { gErrorBox = box; }
TrpErrorBox* rpErrorBox() { return gErrorBox; }

void rpCommonErrorHandler(const TrpEngineOptions& options, const QString& text) {
  switch (options.NewSilentMode()) {
    case simSilent:
      return;
    case simReThrow:
      throw TrpError(text);
    case simMessageBoxes: {
      const QString caption = rpResources()->Get(QStringLiteral("mbError"));
      if (gErrorBox)
        gErrorBox->ShowError(caption, text);
      else
        showDefault(caption, text);
      return;
    }
  }
}
