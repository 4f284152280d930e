#include "report/preview/dialog_buttons.h"

#include <QDialog>
#include <QPushButton>

#include "report/res/resources.h"

TrpDialogButtons rpAddDialogButtons(QDialog& dialog, QPoint ok, QPoint cancel) {
  TrpDialogButtons buttons{new QPushButton(rpGet(1), &dialog), new QPushButton(rpGet(2), &dialog)};
  buttons.Ok->setGeometry(QRect(ok, QSize(75, 25)));
  buttons.Ok->setDefault(true);
  buttons.Cancel->setGeometry(QRect(cancel, QSize(75, 25)));
  QObject::connect(buttons.Ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(buttons.Cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  return buttons;
}
