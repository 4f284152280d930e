// make_install_files: writes what the package installs besides the programs, from the programs'
// own tables, so nothing is kept twice:
//   make_install_files icons DIR        DIR/<n>x<n>/apps/stroval.png and DIR/scalable/apps/stroval.svg
//   make_install_files fontconfig FILE  the font substitutions as a fontconfig file
//   make_install_files completion FILE  the bash completion of stroval-report
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

#include "app/app_icon.h"
#include "cli/bash_completion.h"
#include "report/text/font_substitutions.h"

namespace {

bool WriteText(const QString& path, const QString& text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
    std::fprintf(stderr, "make_install_files: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool WriteIcons(const QDir& dir) {
  for (int size : stroval::kAppIconSizes) {
    const QString path = dir.filePath(QStringLiteral("%1x%1/apps/stroval.png").arg(size));
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!stroval::PaintAppIcon(size).save(path, "PNG")) {
      std::fprintf(stderr, "make_install_files: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return WriteText(dir.filePath(QStringLiteral("scalable/apps/stroval.svg")), stroval::AppIconSvg());
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() != 3) {
    std::fprintf(stderr, "usage: make_install_files icons DIR | fontconfig FILE | completion FILE\n");
    return 2;
  }
  const QString& what = arguments[1];
  const QString& target = arguments[2];
  bool written = false;
  if (what == QLatin1String("icons"))
    written = WriteIcons(QDir(target));
  else if (what == QLatin1String("fontconfig"))
    written = WriteText(target, stroval::FontconfigSubstitutions());
  else if (what == QLatin1String("completion"))
    written = WriteText(target, rpBashCompletion());
  return written ? 0 : 1;
}
