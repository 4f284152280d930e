#include "tools/stroval-report/render_command.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cmath>

#include "report/model/custom_preview_pages.h"
#include "report/model/report.h"
#include "tools/stroval-report/prepared_source.h"
#include "tools/stroval-report/report_tool.h"

namespace {

struct RenderRequest {
  QString File, Directory, Password;
  double Zoom = 1;
};

// Reads the words after "render"; an empty text when they are complete, else the problem.
QString parse(const QStringList& arguments, RenderRequest& r) {
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    const bool valued = a == QLatin1String("--png") || a == QLatin1String("--zoom") ||
                        a == QLatin1String("--password");
    if (valued && i + 1 >= arguments.size()) return a + QStringLiteral(" needs a value");
    if (a == QLatin1String("--png")) {
      r.Directory = arguments[++i];
    } else if (a == QLatin1String("--password")) {
      r.Password = arguments[++i];
    } else if (a == QLatin1String("--zoom")) {
      bool number = false;
      r.Zoom = arguments[++i].toDouble(&number);
      // Pages are drawn into one picture each; a zoom beyond 20 would ask for gigapixels.
      if (!number || !(r.Zoom > 0) || r.Zoom > 20) return QStringLiteral("--zoom takes a number above 0, at most 20");
    } else if (r.File.isEmpty() && !a.startsWith(u'-')) {
      r.File = a;
    } else {
      return QStringLiteral("unexpected \"%1\"").arg(a);
    }
  }
  if (r.File.isEmpty() || r.Directory.isEmpty()) return QStringLiteral("render takes a file and --png DIR");
  return {};
}

bool renderPage(TrpCustomPreviewPages& pages, int index, const RenderRequest& r, QString& name) {
  const QSizeF size = pages.GetPageSize(index);
  const QSize pixels(static_cast<int>(std::ceil(size.width() * r.Zoom)),
                     static_cast<int>(std::ceil(size.height() * r.Zoom)));
  if (pixels.isEmpty()) return false;
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

std::optional<int> rpRunRenderCommand(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err) {
  if (arguments.isEmpty() || arguments.first() != QLatin1String("render")) return std::nullopt;
  RenderRequest request;
  if (const QString problem = parse(arguments, request); !problem.isEmpty()) {
    err << "stroval-report: " << problem << '\n';
    return rtUsage;
  }
  TrpReport report;
  if (!rpOpenPreparedPages(report, request.File, request.Password, err)) return rtFailed;
  if (!QDir().mkpath(request.Directory)) {
    err << "stroval-report: " << request.Directory << ": cannot be created\n";
    return rtFailed;
  }
  TrpCustomPreviewPages& pages = *report.PreviewPages();
  for (int i = 0; i < pages.GetCount(); ++i) {
    QString name;
    if (!renderPage(pages, i, request, name)) {
      err << "stroval-report: page " << i + 1 << " could not be drawn into " << request.Directory << '\n';
      return rtFailed;
    }
    out << name << '\n';
  }
  return rtOk;
}
