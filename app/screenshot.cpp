#include "app/screenshot.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QWidget>

namespace stroval {

bool SaveWindowGrab(QWidget* window, const QString& path, QString* error) {
  const QFileInfo file(path);
  if (!QDir().mkpath(file.absolutePath())) {
    if (error) *error = QStringLiteral("cannot create the folder %1").arg(file.absolutePath());
    return false;
  }
  QImageWriter writer(path, "png");
  if (writer.write(window->grab().toImage())) return true;
  if (error) *error = writer.errorString();
  return false;
}

}  // namespace stroval
