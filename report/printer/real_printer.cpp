#include "report/printer/real_printer.h"

#include "report/printer/printer_canvas.h"
#include "report/printer/printer_error_box.h"

namespace {

constexpr int kPaperNameLength = 64;  // the driver's paper names are at most this long
constexpr int kBinNameLength = 24;    // and its source names at most this long

int ToDeviceOrientation(TPrinterOrientation o) {
  return o == poLandscape ? rpOrientLandscape : rpOrientPortrait;
}

Extended PixelsToMm(int pixels, int dpi) { return pixels * (25.4L / dpi); }

QString DocumentTitle(const QString& title) {
  return title.isEmpty() ? QStringLiteral("Report Document") : title;
}

}  // namespace

TrpPrinter::TrpPrinter(const QString& AName, const QString& APort,
                       std::shared_ptr<TrpPrinterBackend> ABackend)
    : TrpCustomPrinter(AName, APort), FBackend(std::move(ABackend)) {}

// An unfinished document is discarded rather than left open in the spooler.
TrpPrinter::~TrpPrinter() {
  if (FHandle && FPrinting) FHandle->AbortDoc();
  if (FHandle && FRawPrinting) FHandle->EndRawDoc();
}

void TrpPrinter::Init() {
  if (FInitialized || !FBackend) return;
  FHandle = FBackend->Open(FName);
  if (!FHandle) return;
  FMode = FHandle->Settings();
  if (!UpdateDeviceCaps()) {
    FHandle.reset();
    return;
  }
  FDefPaper = FMode.PaperSize;
  FDefBin = FMode.DefaultSource;
  FDefDuplex = FMode.Duplex;
  FDefOrientation = FMode.Orientation == rpOrientLandscape ? poLandscape : poPortrait;
  FOrientation = FDefOrientation;
  FPaper = FDefPaper;
  FDefPaperWidth = FPaperWidth;
  FDefPaperHeight = FPaperHeight;
  FillPapers();
  FillBins();
  FBin = FDuplex = -1;
  FInitialized = true;
}

// "Custom" stays the first row; the driver's own custom entry (256) is not listed twice.
void TrpPrinter::FillPapers() {
  for (const TrpDeviceItem& paper : FHandle->Papers())
    if (paper.Number != rpCustomPaper) FPapers.Add(paper.Name.left(kPaperNameLength), paper.Number);
}

void TrpPrinter::FillBins() {
  for (const TrpDeviceItem& bin : FHandle->Bins())
    if (bin.Number != rpAutoSource) FBins.Add(bin.Name.left(kBinNameLength), bin.Number);
}

bool TrpPrinter::UpdateDeviceCaps() {
  if (!FHandle) return false;
  const TrpDeviceCaps caps = FHandle->Capabilities(FMode);
  if (caps.DpiX <= 0 || caps.DpiY <= 0) {
    rpPrinterErrorBox(QString::fromLatin1(rpInvalidPrinterText));
    return false;
  }
  FDPI = QPoint(caps.DpiX, caps.DpiY);
  FPaperHeight = rpRound(PixelsToMm(caps.PhysicalHeight, caps.DpiY));
  FPaperWidth = rpRound(PixelsToMm(caps.PhysicalWidth, caps.DpiX));
  FLeftMargin = rpRound(PixelsToMm(caps.OffsetX, caps.DpiX));
  FTopMargin = rpRound(PixelsToMm(caps.OffsetY, caps.DpiY));
  FRightMargin = FPaperWidth - rpRound(PixelsToMm(caps.PrintableWidth, caps.DpiX)) - FLeftMargin;
  FBottomMargin = FPaperHeight - rpRound(PixelsToMm(caps.PrintableHeight, caps.DpiY)) - FTopMargin;
  return true;
}

void TrpPrinter::SetViewParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                               TPrinterOrientation AOrientation) {
  if (!FHandle) return;
  if (PaperIndex(APaperSize) < 0) APaperSize = rpCustomPaper;
  if (APaperSize != rpCustomPaper) {
    FMode.PaperSize = APaperSize;
    FMode.Orientation = ToDeviceOrientation(AOrientation);
    FMode.Fields |= dfPaperSize | dfOrientation;
    if (!UpdateDeviceCaps()) return;
  } else {
    ApplyCustomSize(APaperWidth, APaperHeight, AOrientation);
  }
  FPaper = APaperSize;
  FOrientation = AOrientation;
}

// A custom size takes the margins of a real paper (A4 when listed, else the first listed one)
// and then the requested width and height. A printer that lists only "Custom" has no real paper
// to measure: the size is applied as it is, and the margins stay those last measured.
void TrpPrinter::ApplyCustomSize(Extended APaperWidth, Extended APaperHeight,
                                 TPrinterOrientation AOrientation) {
  int measured = rpCustomPaper;
  if (PaperIndex(rpA4Paper) >= 0)
    measured = rpA4Paper;
  else if (FPapers.Count() > 1)
    measured = FPapers.Tag(1);
  if (measured != rpCustomPaper) SetViewParams(measured, APaperWidth, APaperHeight, AOrientation);
  FPaperWidth = APaperWidth;
  FPaperHeight = APaperHeight;
}

int TrpPrinter::SourceFor(int ABin) const {
  if (ABin != rpAutoSource) return ABin;
  return FBin != -1 ? FBin : FDefBin;
}

// The report's dmNone (0) means the printer's own default; dmVertical (1), dmHorizontal (2) and
// dmSimplex (3) become the platform's 2, 3 and 1. Anything else counts as dmNone. A mode chosen
// in the properties dialog during this document wins.
int TrpPrinter::DuplexFor(int ADuplex) const {
  static constexpr int kPlatformDuplex[] = {-1, rpDuplexVertical, rpDuplexHorizontal,
                                            rpDuplexSimplex};
  int duplex = FDefDuplex;
  if (ADuplex > 0 && ADuplex < 4) duplex = kPlatformDuplex[ADuplex];
  if (FDuplex != -1) duplex = FDuplex;
  return duplex;
}

void TrpPrinter::SetPrintParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                                TPrinterOrientation AOrientation, int ABin, int ADuplex,
                                int ACopies) {
  if (!FHandle) return;
  FMode.Fields |= dfPaperSize | dfOrientation | dfCopies | dfDefaultSource | dfCollate;
  if (PaperIndex(APaperSize) < 0) APaperSize = rpCustomPaper;
  if (APaperSize == rpCustomPaper) {
    // The record holds a custom size in portrait terms: length is the long edge of a landscape
    // page.
    const bool landscape = AOrientation == poLandscape;
    FMode.PaperLength = static_cast<int>(rpRound(10 * (landscape ? APaperWidth : APaperHeight)));
    FMode.PaperWidth = static_cast<int>(rpRound(10 * (landscape ? APaperHeight : APaperWidth)));
    FMode.Fields |= dfPaperLength | dfPaperWidth;
  } else {
    FMode.PaperLength = 0;
    FMode.PaperWidth = 0;
    FMode.Fields &= ~(dfPaperLength | dfPaperWidth);
  }
  FMode.PaperSize = APaperSize;
  FMode.Orientation = ToDeviceOrientation(AOrientation);
  FMode.Copies = ACopies;
  FMode.Collate = false;
  FMode.DefaultSource = SourceFor(ABin);
  FMode.Duplex = DuplexFor(ADuplex);
  if (FMode.Duplex != rpDuplexSimplex) FMode.Fields |= dfDuplex;
  FHandle->ResetDC(FMode);
  FCanvas->Refresh();
  if (UpdateDeviceCaps()) {
    FPaper = APaperSize;
    FOrientation = AOrientation;
  }
}

void TrpPrinter::Fail(const QString& why) {
  FDocFailed = true;
  if (FLastError.isEmpty()) FLastError = why;
}

bool TrpPrinter::BeginDoc() {
  FDocFailed = false;
  FAborted = false;
  FLastError.clear();
  if (!FHandle) {
    Fail(QString::fromLatin1(rpInvalidPrinterText));
    return false;
  }
  FPrinting = true;
  if (!FHandle->BeginDoc(DocumentTitle(FTitle), FFileName, FMode)) Fail(FHandle->LastError());
  return !FDocFailed;
}

bool TrpPrinter::BeginPage() {
  if (!FPrinting || FDocFailed) return false;
  if (!FHandle->BeginPage()) {
    Fail(FHandle->LastError());
    return false;
  }
  FInPage = true;
  FCanvas->Bind(FHandle->Painter());
  return true;
}

bool TrpPrinter::EndPage() {
  if (!FInPage) return false;
  FInPage = false;
  FCanvas->Bind(nullptr);
  if (!FHandle->EndPage()) Fail(FHandle->LastError());
  return !FDocFailed;
}

// A document that failed on the way is discarded; ending one that succeeded may still fail in
// the spooler. Either way the printer returns to idle and the failure is reported, not dropped.
bool TrpPrinter::EndDoc() {
  if (FHandle && FPrinting && !FAborted) {
    if (FInPage) EndPage();
    FCanvas->Bind(nullptr);
    try {
      if (FDocFailed)
        FHandle->AbortDoc();
      else if (!FHandle->EndDoc())
        Fail(FHandle->LastError());
    } catch (const std::exception& e) {
      Fail(QString::fromLocal8Bit(e.what()));
    } catch (...) {
      Fail(QStringLiteral("The document could not be finished"));
    }
  }
  const bool ok = !FDocFailed;
  ReturnToIdle();
  return ok;
}

// Choices of the properties dialog end with the document; the record gets back the printer's
// own source and duplex mode.
void TrpPrinter::ReturnToIdle() {
  FPrinting = false;
  FInPage = false;
  FDocFailed = false;
  FBin = FDuplex = -1;
  FCanvas->Bind(nullptr);
  if (!FHandle) return;
  FMode.DefaultSource = FDefBin;
  FMode.Duplex = FDefDuplex;
  FMode.Fields |= dfDefaultSource | dfDuplex;
  FHandle->ResetDC(FMode);
}

// A cancelled document is not a failed one.
void TrpPrinter::Abort() {
  if (FHandle && FPrinting && !FAborted) {
    FCanvas->Bind(nullptr);
    FHandle->AbortDoc();
  }
  FAborted = true;
  FDocFailed = false;
  EndDoc();
  FAborted = false;
}

bool TrpPrinter::BeginRAWDoc() {
  FLastError.clear();
  if (!FHandle) {
    FLastError = QString::fromLatin1(rpInvalidPrinterText);
    return false;
  }
  FRawPrinting = FHandle->BeginRawDoc(DocumentTitle(FTitle), FFileName);
  if (!FRawPrinting) FLastError = FHandle->LastError();
  return FRawPrinting;
}

bool TrpPrinter::WriteRAWDoc(const QByteArray& Buffer) {
  if (!FRawPrinting) return false;
  if (FHandle->WriteRaw(Buffer)) return true;
  FLastError = FHandle->LastError();
  return false;
}

bool TrpPrinter::EndRAWDoc() {
  if (!FRawPrinting) return false;
  FRawPrinting = false;
  if (FHandle->EndRawDoc()) return true;
  FLastError = FHandle->LastError();
  return false;
}

void TrpPrinter::PropertiesDlg() {
  if (!FHandle) return;
  TrpDeviceSettings chosen = FMode;
  if (!FHandle->PropertiesDialog(chosen)) return;
  FBin = chosen.DefaultSource;
  if (chosen.Duplex != FMode.Duplex) FDuplex = chosen.Duplex;
  FHandle->ResetDC(FMode);
  FCanvas->Refresh();
}
