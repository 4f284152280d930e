#include "report/data/data_file_path.h"

#include <QDir>
#include <QFileInfo>

#include "report/component/report.h"

QString rpDataFilePath(const TrpComponent& object, const QString& fileName) {
  if (fileName.isEmpty() || QDir::isAbsolutePath(fileName)) return fileName;
  const auto* report = dynamic_cast<const TrpReport*>(object.Report());
  if (!report || report->FileName().isEmpty()) return QDir::current().absoluteFilePath(fileName);
  return QFileInfo(report->FileName()).absoluteDir().absoluteFilePath(fileName);
}
