#pragma once
// TrpSearchDialog: the find dialog of the preview. It offers the text last confirmed in it, and
// the choices to search from the first page and to match letter case.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class TrpSearchDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TrpSearchDialog(QWidget* parent = nullptr);

  // The text last confirmed with OK in any find dialog of the process.
  static QString& LastText();

  QLabel* TextL = nullptr;
  QLineEdit* TextE = nullptr;
  QWidget* ReplacePanel = nullptr;  // replacing is never offered: the panel stays hidden
  QLabel* ReplaceL = nullptr;
  QLineEdit* ReplaceE = nullptr;
  QGroupBox* SearchL = nullptr;
  QCheckBox* TopCB = nullptr;
  QCheckBox* CaseCB = nullptr;
  QPushButton* OkB = nullptr;
  QPushButton* CancelB = nullptr;

 public slots:
  // Keeps the text as the one the next find dialog offers.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
