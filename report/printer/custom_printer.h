#pragma once
// One printer of the printer list: its papers and paper sources, resolution, current page
// geometry (millimetres) and drawing surface. TrpPrinter drives a real printer, TrpVirtualPrinter
// stands in when the system has none.
#include "report/printer/printer_orientation.h"
#include "report/printer/tagged_strings.h"
#include "report/units/report_units.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <memory>

class TrpPrinterCanvas;

class TrpCustomPrinter {
 public:
  TrpCustomPrinter(const QString& AName, const QString& APort);
  virtual ~TrpCustomPrinter();
  TrpCustomPrinter(const TrpCustomPrinter&) = delete;
  TrpCustomPrinter& operator=(const TrpCustomPrinter&) = delete;

  // The base printer does nothing and fails nothing; real and virtual printers override.
  virtual void Init() {}
  virtual void Abort() {}
  virtual bool BeginDoc() { return true; }
  virtual bool BeginPage() { return true; }
  virtual bool BeginRAWDoc() { return true; }
  // Ends the document and returns the printer to the idle state in every case; false when the
  // document failed (see LastError).
  virtual bool EndDoc() { return true; }
  virtual bool EndPage() { return true; }
  virtual bool EndRAWDoc() { return true; }
  virtual bool WriteRAWDoc(const QByteArray& /*Buffer*/) { return true; }
  // Page geometry for layout, without printing.
  virtual void SetViewParams(int /*APaperSize*/, Extended /*APaperWidth*/,
                             Extended /*APaperHeight*/, TPrinterOrientation /*AOrientation*/) {}
  // Paper, orientation, source, duplex (the report's dmNone 0 .. dmSimplex 3) and copies of the
  // next printed page.
  virtual void SetPrintParams(int /*APaperSize*/, Extended /*APaperWidth*/,
                              Extended /*APaperHeight*/, TPrinterOrientation /*AOrientation*/,
                              int /*ABin*/, int /*ADuplex*/, int /*ACopies*/) {}
  virtual void PropertiesDlg() = 0;

  // Position of the first paper source / paper with this number, or -1.
  int BinIndex(int ABin) const { return FBins.IndexOfTag(ABin); }
  int PaperIndex(int APaper) const { return FPapers.IndexOfTag(APaper); }
  // Number of the listed source / paper of that name; an unlisted name gives the first row's
  // number (7 "Default", 256 "Custom").
  int BinNameToNumber(const QString& ABin) const;
  int PaperNameToNumber(const QString& APaper) const;

  const QString& Name() const { return FName; }
  const QString& Port() const { return FPort; }
  const QString& Title() const { return FTitle; }
  void SetTitle(const QString& v) { FTitle = v; }
  const QString& FileName() const { return FFileName; }
  void SetFileName(const QString& v) { FFileName = v; }
  const TrpTaggedStrings& Bins() const { return FBins; }
  const TrpTaggedStrings& Papers() const { return FPapers; }
  TrpPrinterCanvas* Canvas() const { return FCanvas.get(); }
  QPoint DPI() const { return FDPI; }
  TPrinterOrientation DefOrientation() const { return FDefOrientation; }
  int DefPaper() const { return FDefPaper; }
  Extended DefPaperHeight() const { return FDefPaperHeight; }
  Extended DefPaperWidth() const { return FDefPaperWidth; }
  int DefBin() const { return FDefBin; }
  int DefDuplex() const { return FDefDuplex; }
  int Paper() const { return FPaper; }
  TPrinterOrientation Orientation() const { return FOrientation; }
  Extended PaperWidth() const { return FPaperWidth; }
  Extended PaperHeight() const { return FPaperHeight; }
  Extended LeftMargin() const { return FLeftMargin; }
  Extended TopMargin() const { return FTopMargin; }
  Extended RightMargin() const { return FRightMargin; }
  Extended BottomMargin() const { return FBottomMargin; }
  int Bin() const { return FBin; }
  int Duplex() const { return FDuplex; }
  bool Initialized() const { return FInitialized; }
  bool Printing() const { return FPrinting; }
  // Why the last document failed; empty after a document that succeeded.
  const QString& LastError() const { return FLastError; }

 protected:
  QString FName;
  QString FPort;
  QString FTitle;
  QString FFileName;
  TrpTaggedStrings FBins;
  TrpTaggedStrings FPapers;
  std::unique_ptr<TrpPrinterCanvas> FCanvas;
  QPoint FDPI;
  int FDefPaper = 0;
  TPrinterOrientation FDefOrientation = poPortrait;
  Extended FDefPaperWidth = 0;
  Extended FDefPaperHeight = 0;
  int FDefBin = 0;
  int FDefDuplex = 0;
  int FPaper = 0;
  TPrinterOrientation FOrientation = poPortrait;
  Extended FPaperWidth = 0;
  Extended FPaperHeight = 0;
  Extended FLeftMargin = 0;
  Extended FTopMargin = 0;
  Extended FRightMargin = 0;
  Extended FBottomMargin = 0;
  int FBin = -1;
  int FDuplex = -1;
  bool FInitialized = false;
  bool FPrinting = false;
  QString FLastError;
};
