#pragma once
// A printer of the system, driven through the printer back end. It is opened and measured only
// when it is first selected (Init).
#include "report/printer/custom_printer.h"
#include "report/printer/printer_device.h"

#include <memory>

class TrpPrinter : public TrpCustomPrinter {
 public:
  TrpPrinter(const QString& AName, const QString& APort,
             std::shared_ptr<TrpPrinterBackend> ABackend);
  ~TrpPrinter() override;

  void Init() override;
  void Abort() override;
  bool BeginDoc() override;
  bool BeginPage() override;
  bool BeginRAWDoc() override;
  bool EndDoc() override;
  bool EndPage() override;
  bool EndRAWDoc() override;
  bool WriteRAWDoc(const QByteArray& Buffer) override;
  void SetViewParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                     TPrinterOrientation AOrientation) override;
  void SetPrintParams(int APaperSize, Extended APaperWidth, Extended APaperHeight,
                      TPrinterOrientation AOrientation, int ABin, int ADuplex,
                      int ACopies) override;
  void PropertiesDlg() override;

  // Reads resolution, paper size and unprintable margins for the current settings record.
  // A printer that reports no resolution shows "Printer selected is not valid", keeps its
  // geometry and gives false.
  bool UpdateDeviceCaps();

  TrpPrinterDevice* Handle() const { return FHandle.get(); }  // nullptr until initialised
  const TrpDeviceSettings& DeviceMode() const { return FMode; }

 private:
  void FillPapers();
  void FillBins();
  void ApplyViewPaper(int APaperSize, TPrinterOrientation AOrientation);
  void ApplyCustomSize(Extended APaperWidth, Extended APaperHeight,
                       TPrinterOrientation AOrientation);
  int SourceFor(int ABin) const;
  int DuplexFor(int ADuplex) const;
  void Fail(const QString& why);
  void ReturnToIdle();

  std::shared_ptr<TrpPrinterBackend> FBackend;
  std::unique_ptr<TrpPrinterDevice> FHandle;
  TrpDeviceSettings FMode;
  bool FDocFailed = false;
  bool FAborted = false;
  bool FInPage = false;
  bool FRawPrinting = false;
};
