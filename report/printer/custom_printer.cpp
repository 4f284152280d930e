#include "report/printer/custom_printer.h"

#include "report/printer/paper_table.h"
#include "report/printer/printer_canvas.h"
#include "report/printer/printer_device.h"
#include "report/res/resources.h"

TrpCustomPrinter::TrpCustomPrinter(const QString& AName, const QString& APort)
    : FName(AName), FPort(APort), FCanvas(std::make_unique<TrpPrinterCanvas>(this)) {
  FBins.Add(rpResources()->Get(QStringLiteral("prDefault")), rpAutoSource);
  FPapers.Add(rpResources()->Get(QStringLiteral("prCustom")), rpCustomPaper);
}

TrpCustomPrinter::~TrpCustomPrinter() = default;

int TrpCustomPrinter::BinNameToNumber(const QString& ABin) const {
  const int i = FBins.IndexOfName(ABin);
  return FBins.Tag(i < 0 ? 0 : i);
}

int TrpCustomPrinter::PaperNameToNumber(const QString& APaper) const {
  const int i = FPapers.IndexOfName(APaper);
  return FPapers.Tag(i < 0 ? 0 : i);
}
