#pragma once
// The printer that stands in when the system has none: it knows the standard papers so that
// layout and the dialogs work, and prints nothing.
#include "report/printer/custom_printer.h"

class TrpVirtualPrinter : public TrpCustomPrinter {
 public:
  using TrpCustomPrinter::TrpCustomPrinter;

  void Init() override;
  void SetViewParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                     TPrinterOrientation AOrientation) override;
  void SetPrintParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                      TPrinterOrientation AOrientation, int ABin, int ADuplex,
                      int ACopies) override;
  void PropertiesDlg() override {}
};
