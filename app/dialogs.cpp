#include "app/dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace stroval {

bool QtDialogs::ChooseFont(QWidget* parent, TextFont& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font.font, parent);
  // Qt's font dialog offers no text colour; the seeded colour is kept.
  if (ok) font.font = chosen;
  return ok;
}

void QtDialogs::ShowMessage(QWidget* parent, const QString& title, const QString& text,
                            Icon icon) {
  switch (icon) {
    case Icon::Information: QMessageBox::information(parent, title, text); break;
    case Icon::Warning: QMessageBox::warning(parent, title, text); break;
    case Icon::Error: QMessageBox::critical(parent, title, text); break;
  }
}

QString QtDialogs::GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString QtDialogs::GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName,
                                   const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, fileName, filter);
}

}  // namespace stroval
