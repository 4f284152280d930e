#include "report/res/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "report/res/resources.h"

void rpShowError(TrpErrorBox* box, const QString& text) {
  const QString caption = rpResources()->Get(QStringLiteral("mbError"));
  if (box) {
    box->ShowError(caption, text);
  } else if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QMessageBox::critical(QApplication::activeWindow(), caption, text);
  } else {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
  }
}
