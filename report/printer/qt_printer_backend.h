#pragma once
// The system's printers: enumerated through CUPS, measured and drawn on through QPrinter. Pages
// are rendered to PDF and handed to the printer's queue when the document ends; paper sources,
// raw documents and job options go through libcups.
#include "report/printer/printer_device.h"

class TrpQtPrinterBackend : public TrpPrinterBackend {
 public:
  QList<TrpPrinterEntry> EnumPrinters() override;
  QString DefaultPrinter() override;
  std::unique_ptr<TrpPrinterDevice> Open(const QString& name) override;
};
