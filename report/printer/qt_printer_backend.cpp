#include "report/printer/qt_printer_backend.h"

#include "report/printer/cups_queue.h"
#include "report/printer/printer_properties_dialog.h"
#include "report/printer/source_numbers.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>

#include <cups/cups.h>

namespace {

constexpr int kFirstDriverPaper = 257;  // driver papers without a platform number get these
constexpr qint64 kChunk = 64 * 1024;

struct PaperRow {
  int Number;
  QPageSize Size;
};

struct SourceRow {
  int Number;
  QString Keyword;
  QString Name;
};

int DuplexFromQt(QPrinter::DuplexMode mode) {
  switch (mode) {
    case QPrinter::DuplexLongSide:
      return rpDuplexVertical;
    case QPrinter::DuplexShortSide:
      return rpDuplexHorizontal;
    default:
      return rpDuplexSimplex;
  }
}

const char* SidesKeyword(int duplex) {
  switch (duplex) {
    case rpDuplexVertical:
      return "two-sided-long-edge";
    case rpDuplexHorizontal:
      return "two-sided-short-edge";
    default:
      return "one-sided";
  }
}

class QtPrinterDevice : public TrpPrinterDevice {
 public:
  explicit QtPrinterDevice(const QPrinterInfo& info)
      : FName(info.printerName()),
        FProbe(std::make_unique<QPrinter>(info, QPrinter::HighResolution)) {
    LoadPapers(info);
    LoadSources();
    FSettings = DefaultSettings(info);
  }

  ~QtPrinterDevice() override {
    AbortDoc();
    FRawJob.reset();
  }

  TrpDeviceSettings Settings() const override { return FDefaults; }

  TrpDeviceCaps Capabilities(const TrpDeviceSettings& settings) override {
    const QPageLayout layout = LayoutFor(settings);
    const int dpi = FProbe->resolution();
    TrpDeviceCaps caps;
    if (dpi <= 0 || !layout.isValid()) return caps;
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    caps = {dpi,       dpi,       full.width(),  full.height(),
            paint.x(), paint.y(), paint.width(), paint.height()};
    return caps;
  }

  QList<TrpDeviceItem> Papers() override {
    QList<TrpDeviceItem> items;
    for (const PaperRow& row : FPapers) items.append({row.Number, row.Size.name()});
    return items;
  }

  QList<TrpDeviceItem> Bins() override {
    QList<TrpDeviceItem> items;
    for (const SourceRow& row : FSources) items.append({row.Number, row.Name});
    return items;
  }

  bool PropertiesDialog(TrpDeviceSettings& settings) override {
    return rpPrinterPropertiesDialog(FName, Bins(), settings);
  }

  bool BeginDoc(const QString& title, const QString& fileName,
                const TrpDeviceSettings& settings) override {
    AbortDoc();
    FTitle = title;
    FUserFile = fileName;
    FSettings = settings;
    QString output = fileName;
    if (output.isEmpty()) {
      FTemp = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/rpXXXXXX.pdf"));
      if (!FTemp->open()) return Failed(QStringLiteral("Cannot create a temporary file"));
      output = FTemp->fileName();
      FTemp->close();
    }
    FJob = std::make_unique<QPrinter>(QPrinter::HighResolution);
    FJob->setOutputFormat(QPrinter::PdfFormat);
    FJob->setOutputFileName(output);
    FJob->setDocName(title);
    FJob->setResolution(FProbe->resolution());
    FJob->setFullPage(false);  // the origin is the printable area's corner, as the caps report
    return true;
  }

  void ResetDC(const TrpDeviceSettings& settings) override { FSettings = settings; }

  bool BeginPage() override {
    if (!FJob) return Failed(QStringLiteral("No document is open"));
    FJob->setPageLayout(LayoutFor(FSettings));
    if (!FPainter) {
      FDocSettings = FSettings;  // job options follow the first page
      FPainter = std::make_unique<QPainter>();
      if (!FPainter->begin(FJob.get())) {
        FPainter.reset();
        return Failed(
            QStringLiteral("Cannot write the document to %1").arg(FJob->outputFileName()));
      }
    } else if (!FJob->newPage()) {
      return Failed(QStringLiteral("Cannot start a new page"));
    }
    FPainter->save();
    FInPage = true;
    return true;
  }

  QPainter* Painter() override { return FInPage ? FPainter.get() : nullptr; }

  bool EndPage() override {
    if (!FInPage) return Failed(QStringLiteral("No page is open"));
    FPainter->restore();
    FInPage = false;
    return true;
  }

  bool EndDoc() override {
    if (!FJob) return Failed(QStringLiteral("No document is open"));
    bool ok = true;
    if (FPainter) {
      if (FInPage) EndPage();
      ok = FPainter->end();
      FPainter.reset();
      if (!ok)
        Failed(QStringLiteral("Cannot write the document to %1").arg(FJob->outputFileName()));
      else if (FUserFile.isEmpty())
        ok = Submit(FJob->outputFileName());
    }
    FJob.reset();
    FTemp.reset();
    return ok;
  }

  // Discards the document; a file it was writing is removed rather than left half written.
  void AbortDoc() override {
    if (!FJob) return;
    const QString output = FJob->outputFileName();
    if (FPainter) {
      FJob->abort();
      if (FPainter->isActive()) FPainter->end();
      FPainter.reset();
      QFile::remove(output);
    }
    FInPage = false;
    FJob.reset();
    FTemp.reset();
  }

  bool BeginRawDoc(const QString& title, const QString& fileName) override {
    EndRawDoc();
    if (!fileName.isEmpty()) {
      FRawFile = std::make_unique<QFile>(fileName);
      if (FRawFile->open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;
      const QString why = FRawFile->errorString();
      FRawFile.reset();
      return Failed(QStringLiteral("Cannot write %1: %2").arg(fileName, why));
    }
    FRawJob = std::make_unique<TrpCupsJob>();
    if (FRawJob->Start(FName, title, CUPS_FORMAT_RAW, {})) return true;
    const QString why = FRawJob->Error();
    FRawJob.reset();
    return Failed(why);
  }

  bool WriteRaw(const QByteArray& buffer) override {
    if (FRawFile) {
      if (FRawFile->write(buffer) == buffer.size()) return true;
      return Failed(FRawFile->errorString());
    }
    if (!FRawJob) return Failed(QStringLiteral("No document is open"));
    return FRawJob->Write(buffer) || Failed(FRawJob->Error());
  }

  bool EndRawDoc() override {
    if (FRawFile) {
      const bool ok = FRawFile->flush() && FRawFile->error() == QFileDevice::NoError;
      const QString why = FRawFile->errorString();
      FRawFile.reset();
      return ok || Failed(why);
    }
    if (!FRawJob) return false;
    const bool ok = FRawJob->Finish();
    const QString why = FRawJob->Error();
    FRawJob.reset();
    return ok || Failed(why);
  }

  QString LastError() const override { return FError; }

 private:
  bool Failed(const QString& why) {
    FError = why;
    return false;
  }

  // A platform number goes to the paper that is that number's own size (Letter rather than its
  // twin ANSI A), else to the first paper that has it; the remaining papers, and papers without
  // a number, are numbered from 257 up. The driver's custom entry (256) is not a paper.
  void LoadPapers(const QPrinterInfo& info) {
    const QList<QPageSize> sizes = info.supportedPageSizes();
    QList<int> own(sizes.size(), 0);
    // Sizes are matched by key first ("Letter"), then by identity (ANSI A is Letter's twin).
    const auto claim = [&](auto isOwnSize) {
      for (qsizetype i = 0; i < sizes.size(); ++i) {
        const int id = sizes[i].windowsId();
        if (id > 0 && id != rpCustomPaper && own[i] == 0 && !own.contains(id) &&
            isOwnSize(sizes[i], QPageSize::id(id)))
          own[i] = id;
      }
    };
    claim([](const QPageSize& size, QPageSize::PageSizeId id) {
      return size.key() == QPageSize::key(id);
    });
    claim([](const QPageSize& size, QPageSize::PageSizeId id) { return size.id() == id; });
    int nextDriverPaper = kFirstDriverPaper;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
      const int id = sizes[i].windowsId();
      if (id == rpCustomPaper) continue;
      int number = own[i];
      if (number == 0 && id > 0 && !own.contains(id) && !NumberTaken(id)) number = id;
      if (number == 0) number = nextDriverPaper++;
      FPapers.append({number, sizes[i]});
    }
  }

  bool NumberTaken(int number) const {
    for (const PaperRow& row : FPapers)
      if (row.Number == number) return true;
    return false;
  }

  void LoadSources() {
    QString defaultKeyword;
    const QList<TrpCupsSource> sources = rpCupsMediaSources(FName, &defaultKeyword);
    QStringList keywords;
    for (const TrpCupsSource& source : sources) keywords.append(source.Keyword);
    const QList<TrpSourceNumber> numbers = rpNumberSources(keywords);
    for (const TrpSourceNumber& n : numbers) {
      for (const TrpCupsSource& source : sources)
        if (source.Keyword == n.Keyword) FSources.append({n.Number, n.Keyword, source.Name});
      if (n.Keyword == defaultKeyword) FDefaultSource = n.Number;
    }
  }

  TrpDeviceSettings DefaultSettings(const QPrinterInfo& info) {
    FDefaults.PaperSize = rpCustomPaper;
    const QPageSize size = info.defaultPageSize();
    for (const PaperRow& row : FPapers)
      if (row.Size.isEquivalentTo(size)) FDefaults.PaperSize = row.Number;
    if (FDefaults.PaperSize == rpCustomPaper) {
      const QSizeF mm = size.isValid() ? size.size(QPageSize::Millimeter) : QSizeF(210, 297);
      FDefaults.PaperWidth = static_cast<int>(rpRound(mm.width() * 10));
      FDefaults.PaperLength = static_cast<int>(rpRound(mm.height() * 10));
    }
    FDefaults.Orientation = rpOrientPortrait;
    FDefaults.Duplex = DuplexFromQt(info.defaultDuplexMode());
    FDefaults.DefaultSource = FDefaultSource;
    return FDefaults;
  }

  QPageSize PageSizeFor(const TrpDeviceSettings& settings) const {
    if (settings.PaperSize != rpCustomPaper)
      for (const PaperRow& row : FPapers)
        if (row.Number == settings.PaperSize) return row.Size;
    if (settings.PaperWidth > 0 && settings.PaperLength > 0)
      return QPageSize(QSizeF(settings.PaperWidth / 10.0, settings.PaperLength / 10.0),
                       QPageSize::Millimeter);
    Extended width = 0, height = 0;
    if (rpGetPaperDimensions(settings.PaperSize, width, height))
      return QPageSize(QSizeF(double(width), double(height)), QPageSize::Millimeter);
    return QPageSize();
  }

  // The page with the printer's unprintable margins as its margins, so that the paint rectangle
  // is the printable area.
  QPageLayout LayoutFor(const TrpDeviceSettings& settings) {
    const QPageSize size = PageSizeFor(settings);
    if (!size.isValid()) return QPageLayout();
    FProbe->setPageOrientation(settings.Orientation == rpOrientLandscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    FProbe->setPageSize(size);
    QPageLayout layout = FProbe->pageLayout();
    layout.setMargins(layout.minimumMargins());
    return layout;
  }

  QString SourceKeyword(int number) const {
    for (const SourceRow& row : FSources)
      if (row.Number == number) return row.Keyword;
    return {};
  }

  TrpCupsOptions JobOptions() const {
    TrpCupsOptions options;
    const TrpDeviceSettings& s = FDocSettings;
    const auto add = [&options](const char* name, const QByteArray& value) {
      options.append(qMakePair(QByteArray(name), value));
    };
    add("copies", QByteArray::number(std::max(s.Copies, 1)));
    add("multiple-document-handling",
        s.Collate ? "separate-documents-collated-copies" : "separate-documents-uncollated-copies");
    add("sides", SidesKeyword(s.Duplex));
    const QString source = SourceKeyword(s.DefaultSource);
    if (s.DefaultSource != rpAutoSource && !source.isEmpty()) add("media-source", source.toUtf8());
    const QPageSize size = PageSizeFor(s);
    if (size.isValid()) add("media", size.key().toUtf8());
    return options;
  }

  bool Submit(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) return Failed(file.errorString());
    TrpCupsJob job;
    if (!job.Start(FName, FTitle, CUPS_FORMAT_PDF, JobOptions())) return Failed(job.Error());
    while (!file.atEnd()) {
      const QByteArray chunk = file.read(kChunk);
      if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
        return Failed(file.errorString());
      if (!job.Write(chunk)) return Failed(job.Error());
    }
    return job.Finish() || Failed(job.Error());
  }

  QString FName;
  std::unique_ptr<QPrinter> FProbe;  // measures pages; never prints
  QList<PaperRow> FPapers;
  QList<SourceRow> FSources;
  int FDefaultSource = rpAutoSource;
  TrpDeviceSettings FDefaults;
  TrpDeviceSettings FSettings;
  TrpDeviceSettings FDocSettings;
  std::unique_ptr<QPrinter> FJob;
  std::unique_ptr<QTemporaryFile> FTemp;
  std::unique_ptr<QPainter> FPainter;
  QString FTitle;
  QString FUserFile;
  bool FInPage = false;
  std::unique_ptr<QFile> FRawFile;
  std::unique_ptr<TrpCupsJob> FRawJob;
  QString FError;
};

}  // namespace

QList<TrpPrinterEntry> TrpQtPrinterBackend::EnumPrinters() {
  QList<TrpPrinterEntry> entries;
  for (const QString& name : rpCupsQueueNames()) entries.append({name, QString()});
  return entries;
}

QString TrpQtPrinterBackend::DefaultPrinter() { return rpCupsDefaultQueue(); }

std::unique_ptr<TrpPrinterDevice> TrpQtPrinterBackend::Open(const QString& name) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(name);
  if (info.isNull()) return nullptr;
  return std::make_unique<QtPrinterDevice>(info);
}
