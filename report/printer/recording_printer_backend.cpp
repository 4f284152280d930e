#include "report/printer/recording_printer_backend.h"

#include <QFile>
#include <QPainter>

#include <utility>

namespace {

int MmToPixels(Extended mm, int dpi) { return static_cast<int>(rpRound(mm * dpi / 25.4L)); }

class RecordingDevice : public TrpPrinterDevice {
 public:
  explicit RecordingDevice(std::shared_ptr<TrpRecordingPrinter> printer)
      : FPrinter(std::move(printer)), FSettings(FPrinter->Settings) {}

  ~RecordingDevice() override { FPainter.reset(); }

  TrpDeviceSettings Settings() const override { return FPrinter->Settings; }
  TrpDeviceCaps Capabilities(const TrpDeviceSettings& settings) override {
    return rpRecordingCaps(*FPrinter, settings);
  }
  QList<TrpDeviceItem> Papers() override { return FPrinter->Papers; }
  QList<TrpDeviceItem> Bins() override { return FPrinter->Bins; }
  bool PropertiesDialog(TrpDeviceSettings& settings) override {
    return FPrinter->PropertiesDialog && FPrinter->PropertiesDialog(settings);
  }

  bool BeginDoc(const QString& title, const QString& fileName,
                const TrpDeviceSettings& settings) override {
    if (FPrinter->FailBeginDoc) return Failed("The printer refused the document");
    FSettings = settings;
    FPrinter->Documents.append(
        {title, fileName, settings, false, {}, {}, TrpRecordedDocument::dsOpen});
    FDocument = FPrinter->Documents.size() - 1;
    return true;
  }
  void ResetDC(const TrpDeviceSettings& settings) override {
    FSettings = settings;
    FPrinter->Resets.append(settings);
  }
  bool BeginPage() override {
    if (FDocument < 0) return Failed("No document is open");
    if (FPrinter->FailBeginPage) return Failed("The printer refused the page");
    const TrpDeviceCaps caps = rpRecordingCaps(*FPrinter, FSettings);
    FPage = {FSettings, caps, {}};
    FSurface = std::make_unique<TrpRecordingPaintDevice>(
        QSize(caps.PrintableWidth, caps.PrintableHeight), caps.DpiX, caps.DpiY);
    FPainter = std::make_unique<QPainter>(FSurface.get());
    return true;
  }
  QPainter* Painter() override { return FPainter.get(); }
  bool EndPage() override {
    if (!FPainter) return Failed("No page is open");
    FPainter.reset();
    FPage.Draws = FSurface->TakeRecords();
    Document().Pages.append(FPage);
    return true;
  }
  bool EndDoc() override {
    if (FDocument < 0) return Failed("No document is open");
    if (FPainter) EndPage();
    if (FPrinter->FailEndDoc) {
      Document().State = TrpRecordedDocument::dsAborted;
      FDocument = -1;
      return Failed("The spooler rejected the document");
    }
    Document().State = TrpRecordedDocument::dsEnded;
    FDocument = -1;
    return true;
  }
  void AbortDoc() override {
    FPainter.reset();
    if (FDocument >= 0) Document().State = TrpRecordedDocument::dsAborted;
    FDocument = -1;
  }

  bool BeginRawDoc(const QString& title, const QString& fileName) override {
    if (FPrinter->FailBeginDoc) return Failed("The printer refused the document");
    TrpRecordedDocument doc;
    doc.Title = title;
    doc.FileName = fileName;
    doc.Settings = FSettings;
    doc.Raw = true;
    FPrinter->Documents.append(doc);
    FDocument = FPrinter->Documents.size() - 1;
    return true;
  }
  bool WriteRaw(const QByteArray& buffer) override {
    if (FDocument < 0) return Failed("No document is open");
    Document().RawData.append(buffer);
    return true;
  }
  bool EndRawDoc() override { return EndDoc(); }

  QString LastError() const override { return FError; }

 private:
  bool Failed(const char* why) {
    FError = QString::fromLatin1(why);
    return false;
  }
  TrpRecordedDocument& Document() { return FPrinter->Documents[FDocument]; }

  std::shared_ptr<TrpRecordingPrinter> FPrinter;
  TrpDeviceSettings FSettings;
  qsizetype FDocument = -1;
  TrpRecordedPage FPage;
  std::unique_ptr<TrpRecordingPaintDevice> FSurface;
  std::unique_ptr<QPainter> FPainter;
  QString FError;
};

}  // namespace

TrpDeviceCaps rpRecordingCaps(const TrpRecordingPrinter& printer,
                              const TrpDeviceSettings& settings) {
  Extended width = settings.PaperWidth / 10.0L;
  Extended height = settings.PaperLength / 10.0L;
  if (settings.PaperSize != rpCustomPaper) rpGetPaperDimensions(settings.PaperSize, width, height);
  if (settings.Orientation == rpOrientLandscape) std::swap(width, height);
  TrpDeviceCaps caps;
  caps.DpiX = printer.DpiX;
  caps.DpiY = printer.DpiY;
  if (caps.DpiX <= 0 || caps.DpiY <= 0) return caps;
  caps.PhysicalWidth = MmToPixels(width, caps.DpiX);
  caps.PhysicalHeight = MmToPixels(height, caps.DpiY);
  caps.OffsetX = MmToPixels(printer.MarginLeft, caps.DpiX);
  caps.OffsetY = MmToPixels(printer.MarginTop, caps.DpiY);
  caps.PrintableWidth = MmToPixels(width - printer.MarginLeft - printer.MarginRight, caps.DpiX);
  caps.PrintableHeight = MmToPixels(height - printer.MarginTop - printer.MarginBottom, caps.DpiY);
  return caps;
}

TrpRecordingPrinterBackend::TrpRecordingPrinterBackend() = default;
TrpRecordingPrinterBackend::~TrpRecordingPrinterBackend() = default;

TrpRecordingPrinter& TrpRecordingPrinterBackend::AddPrinter(const QString& name,
                                                            const QString& ports) {
  auto printer = std::make_shared<TrpRecordingPrinter>();
  printer->Name = name;
  printer->Ports = ports;
  printer->Papers = {
      {9, QStringLiteral("A4")}, {1, QStringLiteral("Letter")}, {8, QStringLiteral("A3")}};
  printer->Bins = {{rpAutoSource, QStringLiteral("Automatically Select")}};
  FPrinters.append(printer);
  return *printer;
}

TrpRecordingPrinter* TrpRecordingPrinterBackend::Find(const QString& name) {
  for (const auto& printer : FPrinters)
    if (printer->Name == name) return printer.get();
  return nullptr;
}

QList<TrpPrinterEntry> TrpRecordingPrinterBackend::EnumPrinters() {
  QList<TrpPrinterEntry> entries;
  for (const auto& printer : FPrinters) entries.append({printer->Name, printer->Ports});
  return entries;
}

std::unique_ptr<TrpPrinterDevice> TrpRecordingPrinterBackend::Open(const QString& name) {
  for (const auto& printer : FPrinters) {
    if (printer->Name != name) continue;
    ++printer->OpenCount;
    if (!printer->CanOpen) return nullptr;
    return std::make_unique<RecordingDevice>(printer);
  }
  return nullptr;
}
