#include "report/store/prepared_report_file.h"

#include <QFile>

bool rpIsPreparedReportFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.read(512).contains("<preparedreport");
}
