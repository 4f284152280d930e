#include "report/printer/virtual_printer.h"

#include "report/printer/paper_table.h"
#include "report/printer/printer_device.h"

#include <utility>

namespace {
constexpr int kVirtualDpi = 600;
constexpr Extended kVirtualMargin = 5;  // mm on every side
}  // namespace

void TrpVirtualPrinter::Init() {
  if (FInitialized) return;
  FDPI = QPoint(kVirtualDpi, kVirtualDpi);
  for (const TrpPaperInfo& paper : PaperInfo())
    FPapers.Add(QString::fromLatin1(paper.Name), paper.Number);
  FDefPaper = rpA4Paper;
  FDefOrientation = poPortrait;
  FDefPaperWidth = 210;
  FDefPaperHeight = 297;
  FDefBin = rpAutoSource;
  FDefDuplex = rpDuplexSimplex;
  SetViewParams(FDefPaper, FDefPaperWidth, FDefPaperHeight, FDefOrientation);
  FBin = FDuplex = -1;
  FInitialized = true;
}

void TrpVirtualPrinter::SetViewParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                                      TPrinterOrientation AOrientation) {
  Extended width = APaperWidth;
  Extended height = APaperHeight;
  if (APaperSize == rpCustomPaper || !rpGetPaperDimensions(APaperSize, width, height)) {
    APaperSize = rpCustomPaper;
    width = APaperWidth;
    height = APaperHeight;
  } else if (AOrientation == poLandscape) {
    std::swap(width, height);
  }
  FPaper = APaperSize;
  FOrientation = AOrientation;
  FPaperWidth = width;
  FPaperHeight = height;
  FLeftMargin = FTopMargin = FRightMargin = FBottomMargin = kVirtualMargin;
}

void TrpVirtualPrinter::SetPrintParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                                       TPrinterOrientation AOrientation, int ABin,
                                       int /*ADuplex*/, int /*ACopies*/) {
  SetViewParams(APaperSize, APaperWidth, APaperHeight, AOrientation);
  FBin = ABin;
}
