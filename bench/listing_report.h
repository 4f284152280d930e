#pragma once
// The listing the engine benchmarks prepare: rows of id, grp = id div 50, name "Item <id>" and
// amount = id x 1.5, on A4 portrait pages with 10 mm margins: a page header, a group header on
// grp, a 9-point data band, a group footer with the group's SUM of amount, and a page footer with
// the page number.
#include <QString>

#include "report/datasets/data_set.h"

class TrpReport;

// The rows in memory, computed from the record number.
class ListingRows : public TrpDataSet {
 public:
  explicit ListingRows(int count);
  bool Eof() override { return RecNo() >= FCount; }
  ScriptValue GetValue(const QString& field) override;

 private:
  int FCount;
};

// The listing over the data set whose user name is `dataSetName` (bound by name when it runs).
void rpBuildListing(TrpReport& report, const QString& dataSetName = QStringLiteral("Rows"));

// The process's peak resident memory in mebibytes (VmHWM).
double rpPeakMemoryMiB();
