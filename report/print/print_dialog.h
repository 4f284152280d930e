#pragma once
// TrpPrintDialog: the modal dialog shown before printing. The user picks the printer (and opens
// its properties), all pages, the current preview page or a range text, copies and collation,
// odd or even pages, the order, the duplex mode, the print mode with its sheet paper, and
// printing to a file. It reads the report's print options when shown and writes the choices
// back when closed with OK; any other close makes the printer current again that was current
// when the dialog was created.
#include "report/options/duplex_mode.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class TrpCustomPreviewPages;
class TrpReport;

class TrpPrintDialog : public QDialog {
  Q_OBJECT

 public:
  // `pages` gives the current preview page for "Current page" (none: page 1).
  TrpPrintDialog(TrpReport& report, TrpCustomPreviewPages* pages, TrpDuplexMode duplex,
                 QWidget* parent = nullptr);
  ~TrpPrintDialog() override;

  // The save dialog of "Print to file": the chosen file, or empty when the user cancelled.
  // Tests answer it in place of the user.
  std::function<QString(QWidget* parent, const QString& title, const QString& filter)> FileDlg;

  TrpDuplexMode ADuplexMode() const { return FDuplexMode; }
  int OldIndex() const { return FOldIndex; }

  // Reads the report's print options into the controls (done when the dialog is shown).
  void FormShow();
  // Ends the dialog: with `ok`, asks for the output file when printing to a file and writes the
  // choices into the print options; otherwise, or when the file dialog is cancelled, restores
  // the printer. Returns whether the dialog counts as confirmed.
  bool FormHide(bool ok);

  // The handlers of the printer list, the mode list and the properties button.
  void PrintersCBClick();
  void PrintModeCBClick();
  void PropButtonClick();

  // --- the controls, named as the dialog's layout names them ---
  QGroupBox* PrinterGB = nullptr;
  QLabel* NameL = nullptr;
  QComboBox* PrintersCB = nullptr;
  QPushButton* PropButton = nullptr;
  QLabel* WhereL = nullptr;
  QLabel* WhereL1 = nullptr;
  QCheckBox* FileCB = nullptr;
  QGroupBox* PagesGB = nullptr;
  QRadioButton* AllRB = nullptr;
  QRadioButton* CurPageRB = nullptr;
  QRadioButton* PageNumbersRB = nullptr;
  QLineEdit* PageNumbersE = nullptr;
  QLabel* DescrL = nullptr;
  QGroupBox* CopiesGB = nullptr;
  QLabel* CopiesL = nullptr;
  QSpinBox* CopiesE = nullptr;  // digits only, 1 .. 1000; its arrows are the up-down control
  QCheckBox* CollateCB = nullptr;
  QWidget* CopiesPB = nullptr;
  QGroupBox* OtherGB = nullptr;
  QLabel* PrintL = nullptr;
  QComboBox* PrintPagesCB = nullptr;
  QLabel* OrderL = nullptr;
  QComboBox* OrderCB = nullptr;
  QLabel* DuplexL = nullptr;
  QComboBox* DuplexCB = nullptr;
  QGroupBox* PrintModeGB = nullptr;
  QComboBox* PrintModeCB = nullptr;
  QLabel* PagSizeL = nullptr;
  QComboBox* PagPageSizeCB = nullptr;
  QPushButton* OkB = nullptr;
  QPushButton* CancelB = nullptr;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void SetTexts();
  void FillLists();
  void FillPrinters();
  void Connect();
  void MirrorForRightToLeft();
  QString AskFileName();

  TrpReport& FReport;
  TrpCustomPreviewPages* FPages;
  TrpDuplexMode FDuplexMode;
  int FOldIndex = -1;
  bool FShown = false;
};

// Shows the dialog modally over the active window; true when the user confirmed, and then
// `duplex` holds the chosen duplex mode. A program without widgets cannot ask and prints with
// the options as they stand.
bool rpShowPrintDialog(TrpReport& report, TrpCustomPreviewPages& pages, TrpDuplexMode& duplex);
