#pragma once
// A printer back end with one printer, "PDF", that writes each document to the PDF file named
// as its output file: the print job's pages, papers and orientations, without a spooler. The
// command-line tool prints to PDF files through it.
#include "report/printer/printer_device.h"

class TrpPdfPrinterBackend : public TrpPrinterBackend {
 public:
  static constexpr int Resolution = 600;  // pixels per inch of the drawing surface

  QList<TrpPrinterEntry> EnumPrinters() override;
  QString DefaultPrinter() override;
  std::unique_ptr<TrpPrinterDevice> Open(const QString& name) override;
};

// The name of its one printer.
inline constexpr char rpPdfPrinterName[] = "PDF";
