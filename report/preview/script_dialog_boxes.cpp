// Message, input and file dialogs for report scripts.
#include "report/preview/script_dialog_boxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "report/dialogs/dialog_page.h"

namespace {

struct ButtonAnswer {
  int button;  // TMsgDlgButtons bit
  QMessageBox::StandardButton standard;
  int result;  // modal result
};

constexpr ButtonAnswer kButtons[] = {
    {TscMsgDlgButton::mbYes, QMessageBox::Yes, mrYes},
    {TscMsgDlgButton::mbNo, QMessageBox::No, mrNo},
    {TscMsgDlgButton::mbOK, QMessageBox::Ok, mrOk},
    {TscMsgDlgButton::mbCancel, QMessageBox::Cancel, mrCancel},
    {TscMsgDlgButton::mbAbort, QMessageBox::Abort, mrAbort},
    {TscMsgDlgButton::mbRetry, QMessageBox::Retry, mrRetry},
    {TscMsgDlgButton::mbIgnore, QMessageBox::Ignore, mrIgnore},
    {TscMsgDlgButton::mbAll, QMessageBox::YesToAll, mrAll},
    {TscMsgDlgButton::mbNoToAll, QMessageBox::NoToAll, mrNoToAll},
    {TscMsgDlgButton::mbYesToAll, QMessageBox::YesToAll, mrYesToAll},
    {TscMsgDlgButton::mbHelp, QMessageBox::Help, mrNone},
};

QMessageBox::Icon iconOf(int type) {
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

QString titleOf(int type) {
  switch (type) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Confirm");
    default: return QApplication::applicationName();
  }
}

}  // namespace

void TrpScriptDialogBoxes::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

int TrpScriptDialogBoxes::MessageDlg(const QString& text, int type, int buttons) {
  QMessageBox box(iconOf(type), titleOf(type), text, QMessageBox::NoButton, QApplication::activeWindow());
  QMessageBox::StandardButtons standard;
  for (const ButtonAnswer& b : kButtons)
    if (buttons & b.button) standard |= b.standard;
  if (!standard) standard = QMessageBox::Ok;
  box.setStandardButtons(standard);
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  // mbAll and mbYesToAll share Qt's button: the one asked for answers.
  for (const ButtonAnswer& b : kButtons)
    if (b.standard == pressed && (buttons & b.button || !buttons)) return b.result;
  return mrCancel;  // the box was closed without a button
}

bool TrpScriptDialogBoxes::InputQuery(const QString& caption, const QString& prompt, QString& value) {
  bool ok = false;
  const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                             QLineEdit::Normal, value, &ok);
  if (ok) value = text;
  return ok;
}

bool TrpScriptDialogBoxes::FileDialog(TscFileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), request.Title, request.InitialDir);
  dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // "Text files|*.txt|All files|*.*": pairs of a description and its patterns.
  const QStringList parts = request.Filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2)
    filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.DefaultExt.isEmpty()) dialog.setDefaultSuffix(request.DefaultExt);
  if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  request.FileName = dialog.selectedFiles().constFirst();
  return true;
}

void TrpScriptDialogBoxes::MinimizeApplication() {
  if (QWidget* window = QApplication::activeWindow()) window->showMinimized();
}

void TrpScriptDialogBoxes::RestoreApplication() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isMinimized()) window->showNormal();
}
