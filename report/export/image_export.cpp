#include "report/export/image_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <cmath>

#include "report/export/export_options_dialog.h"
#include "report/objects/page_reader.h"
#include "report/objects/image_size_limit.h"
#include "report/pages/report_page.h"
#include "script_engine/files/whole_file.h"

void TrpImageExport::AddOptions(TrpExportOptionsDialog& dialog) {
  dialog.AddNumber(QStringLiteral("Resolution"), FResolution, 10, kMaxResolution);
}

void TrpJPEGExport::AddOptions(TrpExportOptionsDialog& dialog) {
  TrpImageExport::AddOptions(dialog);
  dialog.AddNumber(QStringLiteral("Quality"), FQuality, 1, 100);
}

QString TrpImageExport::PageFileName(int index) const {
  const QFileInfo info(FileName());
  const QString suffix = info.suffix().isEmpty() ? DefaultExt() : info.suffix();
  const QString stem = info.suffix().isEmpty() ? FileName() : info.path() + u'/' + info.completeBaseName();
  return QStringLiteral("%1-%2.%3").arg(stem).arg(index + 1, 3, 10, QLatin1Char('0')).arg(suffix);
}

bool TrpImageExport::Start() {
  FWritten.clear();
  if (FResolution < 1 || FResolution > kMaxResolution) {
    SetError(QStringLiteral("The resolution must be from 1 to %1 pixels per inch").arg(kMaxResolution));
    return false;
  }
  return true;
}

void TrpImageExport::StartPage(TrpReportPage& page, int index) {
  const Extended scale = Extended(FResolution) / 96;
  const QSizeF paper = PaperSize(page);
  const QSize pixels(static_cast<int>(std::ceil(paper.width() * static_cast<double>(scale))),
                     static_cast<int>(std::ceil(paper.height() * static_cast<double>(scale))));
  FImage = rpImageSizeAllowed(pixels) ? QImage(pixels, QImage::Format_RGB32) : QImage();
  if (FImage.isNull()) return;
  const int dotsPerMeter = static_cast<int>(std::lround(FResolution / 0.0254));
  FImage.setDotsPerMeterX(dotsPerMeter);
  FImage.setDotsPerMeterY(dotsPerMeter);
  FImage.fill(Qt::white);
  QPainter painter(&FImage);
  PreviewPages()->DrawPage(index, painter, scale, scale, 0, 0);
}

void TrpImageExport::FinishPage(TrpReportPage&, int index) {
  if (!Error().isEmpty()) return;
  const QString name = PageFileName(index);
  if (FImage.isNull()) {
    SetError(QStringLiteral("Page %1 is too large to be drawn").arg(index + 1));
    return;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, Format());
  writer.setQuality(Quality());
  const bool encoded = writer.write(FImage);
  FImage = QImage();
  QString error = writer.errorString();
  if (encoded && scWriteWholeFile(name, [&bytes](QIODevice& file) { file.write(bytes); }, error))
    FWritten.append(name);
  else
    SetError(QStringLiteral("Cannot write %1: %2").arg(name, error));
}

bool TrpImageExport::Finish() { return Error().isEmpty(); }

// Pictures already written stay: each is a whole file of its own page.
void TrpImageExport::Abort() { FImage = QImage(); }
