#pragma once
// Whether a file holds prepared pages (root element "preparedreport") rather than a report
// definition: a prepared report names its root element at the start of the file.
#include <QString>

bool rpIsPreparedReportFile(const QString& fileName);
