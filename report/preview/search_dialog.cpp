#include "report/preview/search_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "report/preview/dialog_buttons.h"
#include "report/res/resources.h"

TrpSearchDialog::TrpSearchDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(rpGet(300));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  TextL = new QLabel(rpGet(301), this);
  TextL->setGeometry(8, 4, 237, 16);
  TextE = new QLineEdit(this);
  TextE->setGeometry(8, 20, 237, 21);
  TextL->setBuddy(TextE);

  ReplacePanel = new QWidget(this);
  ReplacePanel->setGeometry(0, 44, 252, 44);
  ReplaceL = new QLabel(rpGet(303), ReplacePanel);
  ReplaceL->setGeometry(8, 0, 237, 16);
  ReplaceE = new QLineEdit(ReplacePanel);
  ReplaceE->setGeometry(8, 16, 237, 21);
  ReplacePanel->hide();

  SearchL = new QGroupBox(rpGet(302), this);
  SearchL->setGeometry(4, 48, 244, 68);
  TopCB = new QCheckBox(rpGet(304), SearchL);
  TopCB->setGeometry(8, 20, 228, 18);
  CaseCB = new QCheckBox(rpGet(305), SearchL);
  CaseCB->setGeometry(8, 42, 228, 18);

  const TrpDialogButtons buttons = rpAddDialogButtons(*this, {92, 124}, {172, 124});
  OkB = buttons.Ok;
  CancelB = buttons.Cancel;
  // The designed 252 x 206 less the replace panel that is never shown.
  setFixedSize(252, 156);
}

void TrpSearchDialog::accept() {
  LastText() = TextE->text();
  QDialog::accept();
}

QString& TrpSearchDialog::LastText() {
  static QString text;
  return text;
}

void TrpSearchDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  TextE->setText(LastText());
  TextE->selectAll();
  TextE->setFocus();
}

void TrpSearchDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    rpResources()->Help(this);
    return;
  }
  QDialog::keyPressEvent(event);
}
