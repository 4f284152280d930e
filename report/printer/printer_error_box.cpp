#include "report/printer/printer_error_box.h"

#include "report/res/resources.h"

#include <QApplication>
#include <QMessageBox>
#include <QtGlobal>

namespace {

TrpErrorBox& InstalledBox() {
  static TrpErrorBox box;
  return box;
}

// Without a widget application there is no window to show a box in; the text goes to the log.
void ShowMessageBox(const QString& title, const QString& text) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()))
    QMessageBox::critical(QApplication::activeWindow(), title, text);
  else
    qWarning("%s: %s", qUtf8Printable(title), qUtf8Printable(text));
}

}  // namespace

TrpErrorBox rpSetPrinterErrorBox(TrpErrorBox box) {
  TrpErrorBox previous = std::move(InstalledBox());
  InstalledBox() = std::move(box);
  return previous;
}

void rpPrinterErrorBox(const QString& text) {
  const QString title = rpResources()->Get(QStringLiteral("mbError"));
  if (InstalledBox())
    InstalledBox()(title, text);
  else
    ShowMessageBox(title, text);
}
