#pragma once
// Where a data set's file lies: an absolute name as it is, a relative one beside the report's
// file (the current folder for a report that has none).
#include <QString>

class TrpComponent;

QString rpDataFilePath(const TrpComponent& object, const QString& fileName);
