#include "app/recent_files.h"

#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace stroval {

namespace {

const QString kKey = QStringLiteral("recentSheets");

// The program's per-user settings (beside the report's own "Stroval" store).
std::unique_ptr<QSettings> Settings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Stroval"), QStringLiteral("Worksheet"));
}

}  // namespace

QStringList RecentFiles::Files() const {
  return Settings()->value(kKey).toStringList();
}

void RecentFiles::Add(const QString& fileName) {
  const QString path = QFileInfo(fileName).absoluteFilePath();
  QStringList files = Files();
  files.removeAll(path);
  files.prepend(path);
  Store(files.mid(0, kMaxFiles));
}

void RecentFiles::Remove(const QString& fileName) {
  QStringList files = Files();
  files.removeAll(QFileInfo(fileName).absoluteFilePath());
  Store(files);
}

void RecentFiles::Store(const QStringList& files) {
  Settings()->setValue(kKey, files);
}

}  // namespace stroval
