#include "report/print/pdf_printer_backend.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

#include "script_engine/files/whole_file.h"

namespace {

// The paper of a settings record in millimetres, portrait; empty when it names none.
QSizeF PortraitPaper(const TrpDeviceSettings& s) {
  if (s.PaperSize == rpCustomPaper) {
    if (s.PaperWidth <= 0 || s.PaperLength <= 0) return {};
    return QSizeF(s.PaperWidth / 10.0, s.PaperLength / 10.0);
  }
  Extended width = 0, height = 0;
  if (!rpGetPaperDimensions(s.PaperSize, width, height)) return {};
  return QSizeF(static_cast<double>(width), static_cast<double>(height));
}

QPageLayout LayoutFor(const TrpDeviceSettings& s) {
  const QSizeF mm = PortraitPaper(s);
  if (mm.isEmpty()) return QPageLayout();
  return QPageLayout(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                     s.Orientation == rpOrientLandscape ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait,
                     QMarginsF());
}

class PdfDevice : public TrpPrinterDevice {
 public:
  ~PdfDevice() override { AbortDoc(); }

  TrpDeviceSettings Settings() const override { return TrpDeviceSettings{}; }

  // The whole sheet is printable.
  TrpDeviceCaps Capabilities(const TrpDeviceSettings& settings) override {
    const QPageLayout layout = LayoutFor(settings);
    if (!layout.isValid()) return {};
    const QRect full = layout.fullRectPixels(TrpPdfPrinterBackend::Resolution);
    const int dpi = TrpPdfPrinterBackend::Resolution;
    return {dpi, dpi, full.width(), full.height(), 0, 0, full.width(), full.height()};
  }

  QList<TrpDeviceItem> Papers() override {
    QList<TrpDeviceItem> items;
    for (const TrpPaperInfo& paper : PaperInfo())
      items.append({paper.Number, QString::fromLatin1(paper.Name)});
    return items;
  }
  QList<TrpDeviceItem> Bins() override { return {{rpAutoSource, QStringLiteral("Default")}}; }
  bool PropertiesDialog(TrpDeviceSettings&) override { return false; }

  bool BeginDoc(const QString& title, const QString& fileName,
                const TrpDeviceSettings& settings) override {
    AbortDoc();
    if (fileName.isEmpty()) return Failed(QStringLiteral("The PDF printer needs an output file"));
    FFileName = fileName;
    FSettings = settings;
    // The document goes beside the file and replaces it only when it is complete.
    FFile = std::make_unique<TscWholeFile>(fileName);
    if (!FFile->Open()) {
      const QString why = FFile->Error();
      FFile.reset();
      return Failed(QStringLiteral("Cannot write %1: %2").arg(fileName, why));
    }
    FWriter = std::make_unique<QPdfWriter>(&FFile->Device());
    FWriter->setResolution(TrpPdfPrinterBackend::Resolution);
    FWriter->setTitle(title);
    FWriter->setCreator(QStringLiteral("Stroval"));
    return true;
  }
  void ResetDC(const TrpDeviceSettings& settings) override { FSettings = settings; }

  bool BeginPage() override {
    if (!FWriter) return Failed(QStringLiteral("No document is open"));
    const QPageLayout layout = LayoutFor(FSettings);
    if (!layout.isValid()) return Failed(QStringLiteral("The page has no paper size"));
    FWriter->setPageLayout(layout);
    if (!FPainter) {
      FPainter = std::make_unique<QPainter>();
      if (!FPainter->begin(FWriter.get())) {
        FPainter.reset();
        return Failed(QStringLiteral("Cannot write %1").arg(FFileName));
      }
    } else if (!FWriter->newPage()) {
      return Failed(QStringLiteral("Cannot start a new page"));
    }
    FInPage = true;
    return true;
  }
  QPainter* Painter() override { return FInPage ? FPainter.get() : nullptr; }
  bool EndPage() override {
    if (!FInPage) return Failed(QStringLiteral("No page is open"));
    FInPage = false;
    return true;
  }
  bool EndDoc() override {
    if (!FWriter) return Failed(QStringLiteral("No document is open"));
    const bool painted = FPainter && FPainter->end();
    FPainter.reset();
    FWriter.reset();
    const std::unique_ptr<TscWholeFile> file = std::move(FFile);
    if (!painted) return Failed(QStringLiteral("Cannot write %1").arg(FFileName));
    if (!file->Commit()) return Failed(QStringLiteral("Cannot write %1: %2").arg(FFileName, file->Error()));
    return true;
  }
  // An unfinished file is not left behind.
  void AbortDoc() override {
    if (!FWriter) return;
    if (FPainter) FPainter->end();
    FPainter.reset();
    FWriter.reset();
    FInPage = false;
    FFile.reset();  // not committed: an earlier file of that name stays as it was
  }

  bool BeginRawDoc(const QString&, const QString& fileName) override {
    FRaw = std::make_unique<QFile>(fileName);
    if (fileName.isEmpty() || !FRaw->open(QIODevice::WriteOnly)) {
      FRaw.reset();
      return Failed(QStringLiteral("Cannot write %1").arg(fileName));
    }
    return true;
  }
  bool WriteRaw(const QByteArray& buffer) override {
    if (!FRaw || FRaw->write(buffer) != buffer.size()) return Failed(QStringLiteral("Cannot write"));
    return true;
  }
  bool EndRawDoc() override {
    if (!FRaw) return Failed(QStringLiteral("No document is open"));
    const bool ok = FRaw->flush();
    FRaw.reset();
    return ok || Failed(QStringLiteral("Cannot write"));
  }
  QString LastError() const override { return FError; }

 private:
  bool Failed(const QString& why) {
    FError = why;
    return false;
  }

  QString FFileName;
  TrpDeviceSettings FSettings;
  std::unique_ptr<TscWholeFile> FFile;
  std::unique_ptr<QPdfWriter> FWriter;
  std::unique_ptr<QPainter> FPainter;
  std::unique_ptr<QFile> FRaw;
  bool FInPage = false;
  QString FError;
};

}  // namespace

QList<TrpPrinterEntry> TrpPdfPrinterBackend::EnumPrinters() {
  return {{QString::fromLatin1(rpPdfPrinterName), QString()}};
}

QString TrpPdfPrinterBackend::DefaultPrinter() { return QString::fromLatin1(rpPdfPrinterName); }

std::unique_ptr<TrpPrinterDevice> TrpPdfPrinterBackend::Open(const QString& name) {
  if (name != QLatin1String(rpPdfPrinterName)) return nullptr;
  return std::make_unique<PdfDevice>();
}
