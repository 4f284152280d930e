#pragma once
// The password dialog: a protected report asks for its password with it when it is loaded.
// Installed by rpInstallPreview as the report services' password question.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TrpPasswordForm : public QDialog {
  Q_OBJECT

 public:
  explicit TrpPasswordForm(QWidget* parent = nullptr);

  // The text typed into the edit.
  QString Password() const;

  QLabel* Image1 = nullptr;
  QLabel* PasswordL = nullptr;
  QLineEdit* PasswordE = nullptr;
  QPushButton* OkB = nullptr;
  QPushButton* CancelB = nullptr;

 private:
  void MirrorForRightToLeft();
};
