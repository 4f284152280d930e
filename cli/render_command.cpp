#include "cli/render_command.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cmath>

#include "cli/command_line.h"
#include "cli/prepared_source.h"
#include "cli/report_tool.h"
#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/image_size_limit.h"

namespace {

struct RenderRequest {
  QString File, Directory;
  double Zoom = 1;
};

// The request of a parsed command line; an empty text when it is complete, else the problem.
QString requestOf(const TrpCommandLine& line, RenderRequest& r) {
  r.File = line.Words[0];
  r.Directory = line.Value(QStringLiteral("png"));
  if (line.Has(QStringLiteral("zoom"))) {
    bool number = false;
    r.Zoom = line.Value(QStringLiteral("zoom")).toDouble(&number);
    // Pages are drawn into one picture each; a zoom beyond 20 would ask for gigapixels.
    if (!number || !(r.Zoom > 0) || r.Zoom > 20) return QStringLiteral("--zoom takes a number above 0, at most 20");
  }
  if (r.Directory.isEmpty()) return QStringLiteral("render takes a file and --png DIR");
  return {};
}

bool renderPage(TrpCustomPreviewPages& pages, int index, const RenderRequest& r, QString& name) {
  const QSizeF size = pages.GetPageSize(index);
  const QSize pixels(static_cast<int>(std::ceil(size.width() * r.Zoom)),
                     static_cast<int>(std::ceil(size.height() * r.Zoom)));
  if (!rpImageSizeAllowed(pixels)) return false;
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    pages.DrawPage(index, painter, r.Zoom, r.Zoom, 0, 0);
  }
  name = QDir(r.Directory).filePath(QStringLiteral("page-%1.png").arg(index + 1, 3, 10, QLatin1Char('0')));
  return image.save(name, "PNG");
}

}  // namespace

int rpRunRenderCommand(const TrpCommandLine& line, QTextStream& out, QTextStream& err) {
  RenderRequest request;
  if (const QString problem = requestOf(line, request); !problem.isEmpty()) {
    err << "stroval-report: " << problem << '\n';
    return rtUsage;
  }
  TrpReport report;
  if (!rpOpenPreparedPages(report, request.File, line, err)) return rtFailed;
  if (!QDir().mkpath(request.Directory)) {
    err << "stroval-report: " << request.Directory << ": cannot be created\n";
    return rtFailed;
  }
  TrpCustomPreviewPages& pages = *report.PreviewPages();
  for (int i = 0; i < pages.GetCount(); ++i) {
    QString name;
    if (!renderPage(pages, i, request, name)) {
      err << "stroval-report: page " << i + 1 << " could not be drawn into " << request.Directory
          << " (too large at this zoom, or the folder cannot be written)\n";
      return rtFailed;
    }
    out << name << '\n';
  }
  return rtOk;
}
