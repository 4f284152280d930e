#pragma once
// A report with a store of synthetic pages, printed through the print job on a recording
// printer ("Laser", 600 dpi) that is the process's only printer. Error boxes are captured, the
// dialog is answered by the test.
#include "fake_preview_pages.h"
#include "printer_fixture.h"

#include "report/component/report.h"
#include "report/options/print_options.h"
#include "report/print/print_job.h"
#include "report/printer/printers.h"

#include <QStringList>

#include <memory>

class PrintJobFixture : public PrinterFixture {
 protected:
  PrintJobFixture() {
    Laser = &Backend->AddPrinter(QStringLiteral("Laser"), QStringLiteral("usb://laser"));
    Backend->SetDefaultPrinter(QStringLiteral("Laser"));
    FPreviousDialog = rpSetPrintDialogRunner(
        [this](TrpReport&, TrpCustomPreviewPages&, TrpDuplexMode& duplex) {
          ++DialogShown;
          duplex = DialogDuplex;
          if (DialogChoice) DialogChoice(Report.PrintOptions());
          return DialogConfirms;
        });
    Report.PrintOptions().SetShowDialog(false);
  }
  ~PrintJobFixture() override {
    rpSetPrintDialogRunner(std::move(FPreviousDialog));
    rpSetPrinterBackend(nullptr);
  }

  // Builds the printer list from the recording back end (after the test described its printers).
  void UsePrinters() { rpSetPrinterBackend(Backend); }

  bool Print() {
    UsePrinters();
    TrpPrintJob job(Pages);
    return job.Print();
  }

  const TrpRecordedDocument& Document(int i = 0) const { return Laser->Documents.at(i); }

  // The labels drawn on each printed sheet side, "p2c1 p3c1" for two pages on one sheet, "" for
  // an empty side.
  QStringList Sheets(int document = 0) const {
    QStringList sheets;
    for (const TrpRecordedPage& page : Document(document).Pages) {
      QStringList labels;
      for (const TrpDrawRecord& r : page.Draws)
        if (r.Kind == drText) labels.append(r.Text);
      sheets.append(labels.join(QLatin1Char(' ')));
    }
    return sheets;
  }

  TrpReport Report;
  FakePreviewPages Pages{Report};
  TrpRecordingPrinter* Laser = nullptr;
  int DialogShown = 0;
  bool DialogConfirms = true;
  TrpDuplexMode DialogDuplex = dmNone;
  std::function<void(TrpPrintOptions&)> DialogChoice;

 private:
  TrpPrintDialogRunner FPreviousDialog;
};
