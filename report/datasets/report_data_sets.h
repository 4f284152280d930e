#pragma once
// The data sets a report uses (its DataSets): one TrpDataSetItem per data set, naming it by its
// user name. The report checks before every run that each named data set exists, tells each its
// report and initialises it, and finalises them after the run.
#include <QString>

#include <memory>
#include <vector>

#include "report/datasets/data_set_binding.h"
#include "report/objects/persistent.h"

class TrpDataSet;
class TrpCustomReport;
class TrpReportDataSets;

class TrpDataSetItem : public TrpPersistent {
 public:
  explicit TrpDataSetItem(TrpReportDataSets* collection = nullptr) : FCollection(collection) {}
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // The data set, or none (also once it has been freed).
  TrpDataSet* DataSet() const { return FBinding.DataSet(); }
  // Copies the data set's user name into DataSetName.
  void SetDataSet(TrpDataSet* value) { FBinding.SetDataSet(value); }
  // The data set's user name while one is set, else the name given.
  QString DataSetName() const;
  // Looks the data set up for the report (an empty name forgets it).
  void SetDataSetName(const QString& value);
  // Looks the name given before up again.
  void Rebind();
  // A name is given but no data set of it exists.
  bool Unresolved() const { return FBinding.Unresolved(); }

 private:
  TrpReportDataSets* FCollection;
  TrpDataSetBinding FBinding;
};

class TrpReportDataSets {
 public:
  explicit TrpReportDataSets(TrpCustomReport* report = nullptr) : FReport(report) {}
  TrpCustomReport* Report() const { return FReport; }

  int Count() const { return static_cast<int>(FItems.size()); }
  bool IsEmpty() const { return FItems.empty(); }
  TrpDataSetItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
  // An empty item; a data set given is bound to it.
  TrpDataSetItem* Add(TrpDataSet* dataSet = nullptr);
  // The item holding `dataSet`, or none.
  TrpDataSetItem* Find(const TrpDataSet* dataSet) const;
  // The first item whose data set's user name is `name` (ignoring case), or none.
  TrpDataSetItem* Find(const QString& name) const;
  // Frees the item Find(name) gives.
  void Delete(const QString& name);
  void Clear() { FItems.clear(); }
  // Tells every listed data set its report and initialises it; Finalize undoes it.
  void Initialize();
  void Finalize();
  // Looks every item's name up again.
  void Rebind();

 private:
  TrpCustomReport* FReport;
  std::vector<std::unique_ptr<TrpDataSetItem>> FItems;
};
