// What the print dialog does: reading and writing the print options, the printer and mode
// choices, the properties button, printing to a file, and ending the dialog.
#include "report/print/print_dialog.h"

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/print_options.h"
#include "report/printer/custom_printer.h"
#include "report/printer/paper_table.h"
#include "report/printer/printers.h"
#include "report/res/resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QString ui(const char* id) { return rpResources()->Get(QString::fromLatin1(id)); }

// The platform's duplex numbering (1 simplex, 2 vertical, 3 horizontal) as the report's mode.
int duplexModeOf(int platform) {
  switch (platform) {
    case 1: return dmSimplex;
    case 2: return dmVertical;
    case 3: return dmHorizontal;
    default: return -1;
  }
}

// "Printer file (*.prn)|*.prn" as a file dialog's filter.
QString qtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i < parts.size(); i += 2) filters.append(parts[i]);
  return filters.join(QStringLiteral(";;"));
}

QString withPrnExtension(const QString& fileName) {
  const QFileInfo info(fileName);
  const QString base = info.suffix().isEmpty()
                           ? fileName
                           : fileName.left(fileName.size() - info.suffix().size() - 1);
  return base + QStringLiteral(".prn");
}

}  // namespace

void TrpPrintDialog::showEvent(QShowEvent* event) {
  if (!FShown) {
    FShown = true;
    FormShow();
  }
  QDialog::showEvent(event);
}

void TrpPrintDialog::FormShow() {
  const TrpPrintOptions& o = FReport.PrintOptions();
  CopiesE->setValue(o.Copies());
  CollateCB->setChecked(o.Collate());
  PageNumbersE->setText(o.PageNumbers());
  if (!o.PageNumbers().isEmpty()) PageNumbersRB->setChecked(true);
  PrintPagesCB->setCurrentIndex(o.PrintPages());
  OrderCB->setCurrentIndex(o.Reverse() ? 1 : 0);
  PrintModeCB->setCurrentIndex(o.PrintMode());
  DuplexCB->setCurrentIndex(FDuplexMode);
  PrintModeCBClick();
  if (PrintModeCB->currentIndex() > 0) {
    TrpCustomPrinter* printer = rpPrinters()->Printer();
    const int row = printer ? printer->PaperIndex(o.PrintOnSheet()) : -1;
    if (row > 0) {
      const int item = PagPageSizeCB->findText(printer->Papers().Name(row));
      if (item >= 0) PagPageSizeCB->setCurrentIndex(item);
    }
  }
}

// The sheet list keeps its paper when the new printer has one of that name.
void TrpPrintDialog::PrintersCBClick() {
  const QString remembered =
      PagPageSizeCB->currentIndex() > 0 ? PagPageSizeCB->currentText() : QString();
  TrpPrinters* printers = rpPrinters();
  if (PrintersCB->currentIndex() >= 0) printers->SetPrinterIndex(PrintersCB->currentIndex());
  TrpCustomPrinter* printer = printers->Printer();
  WhereL1->setText(printer ? printer->Port() : QString());
  PagPageSizeCB->clear();
  PagPageSizeCB->addItem(ui("pgDefault"));
  if (printer) {
    const TrpTaggedStrings& papers = printer->Papers();
    for (int i = 0; i < papers.Count(); ++i)
      if (papers.Tag(i) != rpCustomPaper) PagPageSizeCB->addItem(papers.Name(i));
  }
  const int item = remembered.isEmpty() ? -1 : PagPageSizeCB->findText(remembered);
  PagPageSizeCB->setCurrentIndex(item > 0 ? item : 0);
}

// The sheet paper matters only for the modes that print on another sheet; A4 is offered first.
void TrpPrintDialog::PrintModeCBClick() {
  if (PrintModeCB->currentIndex() <= 0) {
    PagPageSizeCB->setCurrentIndex(0);
    PagPageSizeCB->setEnabled(false);
    return;
  }
  PagPageSizeCB->setEnabled(true);
  if (PagPageSizeCB->currentIndex() != 0) return;
  TrpCustomPrinter* printer = rpPrinters()->Printer();
  const int row = printer ? printer->PaperIndex(rpA4Paper) : -1;
  if (row < 0) return;
  const int item = PagPageSizeCB->findText(printer->Papers().Name(row));
  if (item >= 0) PagPageSizeCB->setCurrentIndex(item);
}

void TrpPrintDialog::PropButtonClick() {
  TrpCustomPrinter* printer = rpPrinters()->Printer();
  if (!printer) return;
  printer->PropertiesDlg();
  const int mode = duplexModeOf(printer->Duplex());
  if (mode < 0) return;
  FDuplexMode = static_cast<TrpDuplexMode>(mode);
  DuplexCB->setCurrentIndex(mode);
}

QString TrpPrintDialog::AskFileName() {
  const QString title = ui("507"), filter = qtFilter(ui("510"));
  if (FileDlg) return FileDlg(this, title, filter);
  return QFileDialog::getSaveFileName(this, title, QString(), filter);
}

bool TrpPrintDialog::FormHide(bool ok) {
  TrpCustomPrinter* printer = rpPrinters()->Printer();
  if (ok && printer) {
    printer->SetFileName(QString());
    if (FileCB->isChecked()) {
      const QString fileName = AskFileName();
      if (fileName.isEmpty())
        ok = false;
      else
        printer->SetFileName(withPrnExtension(fileName));
    }
  }
  if (!ok) {
    rpPrinters()->SetPrinterIndex(FOldIndex);
    return false;
  }
  TrpPrintOptions& o = FReport.PrintOptions();
  o.SetCopies(CopiesE->value());
  o.SetCollate(CollateCB->isChecked());
  if (AllRB->isChecked())
    o.SetPageNumbers(QString());
  else if (CurPageRB->isChecked())
    o.SetPageNumbers(QString::number(FPages ? FPages->CurPreviewPage() : 1));
  else
    o.SetPageNumbers(PageNumbersE->text());
  o.SetPrintPages(static_cast<TrpPrintPages>(PrintPagesCB->currentIndex()));
  FDuplexMode = static_cast<TrpDuplexMode>(DuplexCB->currentIndex());
  o.SetReverse(OrderCB->currentIndex() == 1);
  o.SetPrintMode(static_cast<TrpPrintMode>(PrintModeCB->currentIndex()));
  // "Default" is no paper name: the printer's current size (256).
  o.SetPrintOnSheet(printer ? printer->PaperNameToNumber(PagPageSizeCB->currentText())
                            : rpCustomPaper);
  return true;
}

void TrpPrintDialog::done(int result) {
  QDialog::done(FormHide(result == QDialog::Accepted) ? QDialog::Accepted : QDialog::Rejected);
}

void TrpPrintDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    rpResources()->Help(this);
    return;
  }
  QDialog::keyPressEvent(event);
}

// Entering the range edit chooses "Pages:".
bool TrpPrintDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PageNumbersE && event->type() == QEvent::FocusIn) PageNumbersRB->setChecked(true);
  return QDialog::eventFilter(watched, event);
}

bool rpShowPrintDialog(TrpReport& report, TrpCustomPreviewPages& pages, TrpDuplexMode& duplex) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
  TrpPrintDialog dialog(report, &pages, duplex, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return false;
  duplex = dialog.ADuplexMode();
  return true;
}
