// The print dialog, created and driven without showing it: texts, the options it reads and
// writes, the printer and mode choices, printing to a file.
#include "print_job_fixture.h"

#include "report/print/print_dialog.h"
#include "report/print/print_dialog_pictures.h"
#include "report/printer/custom_printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>

#include "report/res/image_list.h"
#include "report/res/resources.h"

namespace {

class PrintDialog : public PrintJobFixture {
 protected:
  PrintDialog() {
    Backend->AddPrinter(QStringLiteral("Inkjet"), QStringLiteral("lpd://inkjet"));
    Pages.AddTestPages(9);
    UsePrinters();
  }

  std::unique_ptr<TrpPrintDialog> Open(TrpDuplexMode duplex = dmNone) {
    auto dialog = std::make_unique<TrpPrintDialog>(Report, &Pages, duplex);
    dialog->FormShow();
    return dialog;
  }

  void ChoosePrinter(TrpPrintDialog& d, const QString& name) {
    d.PrintersCB->setCurrentIndex(d.PrintersCB->findText(name));
    d.PrintersCBClick();
  }
};

TEST_F(PrintDialog, TakesItsTextsFromTheStringTable) {
  auto d = Open();
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Print"));
  EXPECT_EQ(d->size(), QSize(557, 333));
  const std::pair<QString, QString> texts[] = {
      {d->PrinterGB->title(), "Printer"},    {d->NameL->text(), "Name:"},
      {d->PropButton->text(), "Properties..."}, {d->WhereL->text(), "Where:"},
      {d->FileCB->text(), "Print to file"},  {d->PagesGB->title(), "Pages"},
      {d->AllRB->text(), "All"},             {d->CurPageRB->text(), "Current page"},
      {d->PageNumbersRB->text(), "Pages:"},  {d->CopiesGB->title(), "Copies"},
      {d->CopiesL->text(), "Number of copies"}, {d->CollateCB->text(), "Collate"},
      {d->OtherGB->title(), "Other"},        {d->PrintL->text(), "Print"},
      {d->OrderL->text(), "Order"},          {d->DuplexL->text(), "Duplex"},
      {d->PrintModeGB->title(), "Print mode"}, {d->PagSizeL->text(), "Print on sheet"},
      {d->OkB->text(), "OK"},                {d->CancelB->text(), "Cancel"},
      {d->PrintPagesCB->itemText(2), "Even pages"}, {d->OrderCB->itemText(1), "Reverse (9-1)"},
      {d->DuplexCB->itemText(3), "Simplex"}, {d->PrintModeCB->itemText(1), "Split big pages"},
  };
  for (const auto& [shown, expected] : texts) EXPECT_EQ(shown, expected);
  EXPECT_TRUE(d->DescrL->text().startsWith(QStringLiteral("Enter page numbers")));
  // The help text's wrapped lines fit its place: none is cut at the top or the bottom.
  EXPECT_LE(d->DescrL->heightForWidth(d->DescrL->width()), d->DescrL->height());
}

TEST_F(PrintDialog, ListsThePrintersWithTheCurrentOneAndItsPort) {
  auto d = Open();
  ASSERT_EQ(d->PrintersCB->count(), 2);
  EXPECT_EQ(d->PrintersCB->currentText(), QStringLiteral("Laser"));
  EXPECT_EQ(d->WhereL1->text(), QStringLiteral("usb://laser"));
  // The sheet list: "Default", then the printer's papers without "Custom".
  QStringList sheets;
  for (int i = 0; i < d->PagPageSizeCB->count(); ++i) sheets.append(d->PagPageSizeCB->itemText(i));
  EXPECT_EQ(sheets, (QStringList{"Default", "A4", "Letter", "A3"}));
}

TEST_F(PrintDialog, ARangeTextInTheOptionsChoosesPages) {
  Report.PrintOptions().SetPageNumbers(QStringLiteral("2-4"));
  auto d = Open();
  EXPECT_TRUE(d->PageNumbersRB->isChecked());
  EXPECT_EQ(d->PageNumbersE->text(), QStringLiteral("2-4"));
}

TEST_F(PrintDialog, CancellingRestoresThePrinterOfBefore) {
  auto d = Open();
  ChoosePrinter(*d, QStringLiteral("Inkjet"));
  EXPECT_EQ(rpPrinters()->Printer()->Name(), QStringLiteral("Inkjet"));
  EXPECT_EQ(d->WhereL1->text(), QStringLiteral("lpd://inkjet"));
  EXPECT_FALSE(d->FormHide(false));
  EXPECT_EQ(rpPrinters()->Printer()->Name(), QStringLiteral("Laser"));
}

TEST_F(PrintDialog, CurrentPagePrintsThePageThePreviewShows) {
  Pages.SetCurPreviewPage(7);
  auto d = Open();
  d->CurPageRB->setChecked(true);
  ASSERT_TRUE(d->FormHide(true));
  EXPECT_EQ(Report.PrintOptions().PageNumbers(), QStringLiteral("7"));
}

TEST_F(PrintDialog, SplitModeOffersA4AndDefaultModeResetsTheSheet) {
  auto d = Open();
  EXPECT_FALSE(d->PagPageSizeCB->isEnabled());
  d->PrintModeCB->setCurrentIndex(pmSplit);
  d->PrintModeCBClick();
  EXPECT_TRUE(d->PagPageSizeCB->isEnabled());
  EXPECT_EQ(d->PagPageSizeCB->currentText(), QStringLiteral("A4"));
  d->PrintModeCB->setCurrentIndex(pmDefault);
  d->PrintModeCBClick();
  EXPECT_FALSE(d->PagPageSizeCB->isEnabled());
  EXPECT_EQ(d->PagPageSizeCB->currentText(), QStringLiteral("Default"));
}

TEST_F(PrintDialog, AnotherPrinterKeepsTheChosenSheetWhenItHasIt) {
  auto d = Open();
  d->PrintModeCB->setCurrentIndex(pmScale);
  d->PrintModeCBClick();
  d->PagPageSizeCB->setCurrentIndex(d->PagPageSizeCB->findText(QStringLiteral("A3")));
  ChoosePrinter(*d, QStringLiteral("Inkjet"));
  EXPECT_EQ(d->PagPageSizeCB->currentText(), QStringLiteral("A3"));
}

TEST_F(PrintDialog, OkWritesEveryChoiceIntoThePrintOptions) {
  auto d = Open();
  d->CopiesE->setValue(4);
  d->CollateCB->setChecked(false);
  d->PageNumbersRB->setChecked(true);
  d->PageNumbersE->setText(QStringLiteral("1,3"));
  d->PrintPagesCB->setCurrentIndex(ppOdd);
  d->OrderCB->setCurrentIndex(1);
  d->DuplexCB->setCurrentIndex(dmHorizontal);
  d->PrintModeCB->setCurrentIndex(pmScale);
  d->PrintModeCBClick();
  d->PagPageSizeCB->setCurrentIndex(d->PagPageSizeCB->findText(QStringLiteral("A3")));
  ASSERT_TRUE(d->FormHide(true));
  const TrpPrintOptions& o = Report.PrintOptions();
  EXPECT_EQ(o.Copies(), 4);
  EXPECT_FALSE(o.Collate());
  EXPECT_EQ(o.PageNumbers(), QStringLiteral("1,3"));
  EXPECT_EQ(o.PrintPages(), ppOdd);
  EXPECT_TRUE(o.Reverse());
  EXPECT_EQ(o.PrintMode(), pmScale);
  EXPECT_EQ(o.PrintOnSheet(), 8);
  EXPECT_EQ(d->ADuplexMode(), dmHorizontal);
}

TEST_F(PrintDialog, TheDefaultSheetIsThePrintersCurrentSize) {
  auto d = Open();
  ASSERT_TRUE(d->FormHide(true));
  EXPECT_EQ(Report.PrintOptions().PrintOnSheet(), 256);
  EXPECT_TRUE(Report.PrintOptions().PageNumbers().isEmpty());
}

TEST_F(PrintDialog, ShowingReadsTheOptions) {
  Report.PrintOptions().SetCopies(3);
  Report.PrintOptions().SetCollate(false);
  Report.PrintOptions().SetPrintPages(ppEven);
  Report.PrintOptions().SetReverse(true);
  Report.PrintOptions().SetPrintMode(pmJoin);
  Report.PrintOptions().SetPrintOnSheet(8);
  auto d = Open(dmSimplex);
  EXPECT_EQ(d->CopiesE->value(), 3);
  EXPECT_FALSE(d->CollateCB->isChecked());
  EXPECT_EQ(d->PrintPagesCB->currentIndex(), ppEven);
  EXPECT_EQ(d->OrderCB->currentIndex(), 1);
  EXPECT_EQ(d->PrintModeCB->currentIndex(), pmJoin);
  EXPECT_EQ(d->DuplexCB->currentIndex(), dmSimplex);
  EXPECT_EQ(d->PagPageSizeCB->currentText(), QStringLiteral("A3"));
}

TEST_F(PrintDialog, TheCopiesBoxTakesOnlyOneToAThousand) {
  auto d = Open();
  d->CopiesE->setValue(5000);
  EXPECT_EQ(d->CopiesE->value(), 1000);
  d->CopiesE->setValue(0);
  EXPECT_EQ(d->CopiesE->value(), 1);
  d->CopiesE->selectAll();
  QTest::keyClicks(d->CopiesE, QStringLiteral("abc"));
  d->CopiesE->interpretText();
  EXPECT_EQ(d->CopiesE->value(), 1);
  d->CopiesE->setValue(12);
  d->CopiesE->selectAll();
  QTest::keyClick(d->CopiesE, Qt::Key_Delete);  // an empty box keeps the last valid number
  EXPECT_TRUE(d->FormHide(true));
  EXPECT_EQ(Report.PrintOptions().Copies(), 12);
}

TEST_F(PrintDialog, PrintToFileAsksForAFileWithThePrnExtension) {
  auto d = Open();
  QString askedTitle;
  d->FileDlg = [&askedTitle](QWidget*, const QString& title, const QString&) {
    askedTitle = title;
    return QStringLiteral("/tmp/sheet.pdf");
  };
  d->FileCB->setChecked(true);
  ASSERT_TRUE(d->FormHide(true));
  EXPECT_EQ(askedTitle, QStringLiteral("Print to file"));
  EXPECT_EQ(rpPrinters()->Printer()->FileName(), QStringLiteral("/tmp/sheet.prn"));
}

TEST_F(PrintDialog, CancellingTheFileDialogCancelsPrinting) {
  auto d = Open();
  ChoosePrinter(*d, QStringLiteral("Inkjet"));
  d->FileDlg = [](QWidget*, const QString&, const QString&) { return QString(); };
  d->FileCB->setChecked(true);
  d->CopiesE->setValue(9);
  EXPECT_FALSE(d->FormHide(true));
  EXPECT_EQ(Report.PrintOptions().Copies(), 1);
  EXPECT_EQ(rpPrinters()->Printer()->Name(), QStringLiteral("Laser"));
}

TEST_F(PrintDialog, TheDuplexModeChosenInThePropertiesIsTaken) {
  Laser->PropertiesDialog = [](TrpDeviceSettings& s) {
    s.Duplex = rpDuplexHorizontal;
    return true;
  };
  auto d = Open();
  d->PropButtonClick();
  EXPECT_EQ(d->ADuplexMode(), dmHorizontal);
  EXPECT_EQ(d->DuplexCB->currentIndex(), dmHorizontal);
}

TEST_F(PrintDialog, TheCollatePictureFollowsTheCheckBox) {
  auto d = Open();
  const QImage collated = d->CopiesPB->grab().toImage();
  d->CollateCB->setChecked(false);
  const QImage uncollated = d->CopiesPB->grab().toImage();
  EXPECT_EQ(collated.size(), QSize(92, 53));
  EXPECT_NE(collated, uncollated);
}

// The modal dialog, answered by a timer the moment it is shown.
TEST_F(PrintDialog, ShownModallyItReturnsTheChoicesOnOk) {
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<TrpPrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->DuplexCB->setCurrentIndex(dmVertical);
    d->CopiesE->setValue(3);
    d->OkB->click();
  });
  TrpDuplexMode duplex = dmNone;
  EXPECT_TRUE(rpShowPrintDialog(Report, Pages, duplex));
  EXPECT_EQ(duplex, dmVertical);
  EXPECT_EQ(Report.PrintOptions().Copies(), 3);
}

TEST_F(PrintDialog, ShownModallyCancelLeavesEverything) {
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<TrpPrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->CopiesE->setValue(3);
    d->CancelB->click();
  });
  TrpDuplexMode duplex = dmHorizontal;
  EXPECT_FALSE(rpShowPrintDialog(Report, Pages, duplex));
  EXPECT_EQ(duplex, dmHorizontal);
  EXPECT_EQ(Report.PrintOptions().Copies(), 1);
}

TEST(PrintDialogPictures, EveryModeHasItsOwnPictureOfItsSize) {
  QList<QImage> pictures;
  for (TrpPrintMode mode : {pmDefault, pmSplit, pmJoin, pmScale}) {
    const QImage picture = rpPrintModePicture(mode);
    EXPECT_EQ(picture.size(), QSize(64, 32));
    EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0) << "the ground is transparent";
    EXPECT_FALSE(pictures.contains(picture));
    pictures.append(picture);
  }
  EXPECT_EQ(rpCollatePicture(true).size(), QSize(92, 53));
  EXPECT_NE(rpCollatePicture(true), rpCollatePicture(false));
}

TEST_F(PrintDialog, PrinterItemsShowThePrinterPictureBeforeTheName) {
  auto d = Open();
  QImage item(200, 16, QImage::Format_ARGB32);
  item.fill(Qt::white);
  QPainter painter(&item);
  QStyleOptionViewItem option;
  option.rect = QRect(0, 0, 200, 16);
  option.palette = d->palette();
  d->PrintersCB->itemDelegate()->paint(&painter, option, d->PrintersCB->model()->index(0, 0));
  painter.end();
  const QImage icon = rpResources()->GetPreviewButtonImages().Image(2);
  ASSERT_FALSE(icon.isNull());
  bool iconDrawn = false;
  for (int y = 0; y < 16 && !iconDrawn; ++y)
    for (int x = 2; x < 18 && !iconDrawn; ++x) iconDrawn = item.pixelColor(x, y) != Qt::white;
  EXPECT_TRUE(iconDrawn);
  EXPECT_EQ(d->PrintersCB->itemDelegate()->sizeHint(option, d->PrintersCB->model()->index(0, 0)).height(), 16);
}

TEST_F(PrintDialog, TheRangeEditChoosesPagesWhenEntered) {
  auto d = Open();
  d->show();
  d->activateWindow();
  d->PageNumbersE->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(d->PageNumbersRB->isChecked());
  d->hide();
}

TEST_F(PrintDialog, ARightToLeftDialogMirrorsItsControls) {
  QApplication::setLayoutDirection(Qt::RightToLeft);
  TrpPrintDialog d(Report, &Pages, dmNone);
  QApplication::setLayoutDirection(Qt::LeftToRight);
  EXPECT_EQ(d.PrinterGB->x(), 557 - 4 - 549);
  EXPECT_EQ(d.OkB->x(), 557 - 398 - 75);
  EXPECT_EQ(d.NameL->x(), 549 - 8 - d.NameL->width());
}

}  // namespace
