#include "report/preview/preview_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class QtPreviewDialogs : public TrpPreviewDialogs {
 public:
  QString GetSaveFileName(QWidget* parent, const QStringList& filters, int& filterIndex) override {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().first();
  }
  QString GetOpenFileName(QWidget* parent, const QStringList& filters) override {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
  }
  void ShowMessage(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
  }
};

TrpPreviewDialogs* installed = nullptr;

}  // namespace

TrpPreviewDialogs& rpPreviewDialogs() {
  static QtPreviewDialogs qtDialogs;
  return installed ? *installed : qtDialogs;
}

void rpSetPreviewDialogs(TrpPreviewDialogs* dialogs) {
  installed = dialogs;
}
