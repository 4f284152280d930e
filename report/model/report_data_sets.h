#pragma once
// The data sets a report uses: one entry per data set, naming it by its user name. The report
// checks before every run that each named data set exists.
#include <QString>

#include <memory>
#include <vector>

#include "report/model/persistent.h"

class TrpDataSet;

class TrpReportDataSet : public TrpPersistent {
 public:
  TrpReportDataSet() = default;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // The data set itself, once found; the report forgets it when it is freed.
  TrpDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TrpDataSet* value) { FDataSet = value; }
  const QString& DataSetName() const { return FDataSetName; }
  void SetDataSetName(const QString& value) { FDataSetName = value; }

 private:
  TrpDataSet* FDataSet = nullptr;
  QString FDataSetName;
};

class TrpReportDataSets {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  bool IsEmpty() const { return FItems.empty(); }
  TrpReportDataSet* Items(int index) const { return FItems.at(index).get(); }
  TrpReportDataSet* Add();
  void Clear() { FItems.clear(); }
  // Forgets `dataSet` in every entry (it is being freed).
  void Forget(const TrpDataSet* dataSet);

 private:
  std::vector<std::unique_ptr<TrpReportDataSet>> FItems;
};
