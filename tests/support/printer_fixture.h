#pragma once
// Printers on a recording back end, with error boxes captured instead of shown.
#include "report/printer/printer_error_box.h"
#include "report/printer/real_printer.h"
#include "report/printer/recording_printer_backend.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

class PrinterFixture : public ::testing::Test {
 protected:
  PrinterFixture() { FPrevious = rpSetPrinterErrorBox(&FBox); }
  ~PrinterFixture() override { rpSetPrinterErrorBox(FPrevious); }

  // A real printer of the back end, initialised.
  std::unique_ptr<TrpPrinter> OpenPrinter(const QString& name) {
    auto printer = std::make_unique<TrpPrinter>(name, QString(), Backend);
    printer->Init();
    return printer;
  }

  std::shared_ptr<TrpRecordingPrinterBackend> Backend =
      std::make_shared<TrpRecordingPrinterBackend>();
  QStringList ErrorBoxes;

 private:
  class RecordingBox : public TrpErrorBox {
   public:
    explicit RecordingBox(QStringList& shown) : FShown(shown) {}
    void ShowError(const QString& caption, const QString& text) override {
      FShown.append(caption + QStringLiteral(": ") + text);
    }

   private:
    QStringList& FShown;
  };
  RecordingBox FBox{ErrorBoxes};
  TrpErrorBox* FPrevious = nullptr;
};
