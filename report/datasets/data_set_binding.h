#pragma once
// What a report object (the report, a page, a data band, a view, an entry of the report's data-set
// list) knows of the data set it reads: the data set itself and its user name. The data set may
// belong to the hosting program and be freed while the report still names it; the binding keeps
// the data set's serial number beside its address, so that neither a freed data set nor a later
// one that happens to take the same address is ever handed out.
#include <QString>
#include <QtGlobal>

class TrpComponent;
class TrpCustomReport;
class TrpDataSet;

class TrpDataSetBinding {
 public:
  // The data set, or none once it has been freed.
  TrpDataSet* DataSet() const;
  // Binds `value` and takes its user name as the name.
  void SetDataSet(TrpDataSet* value);
  const QString& DataSetName() const { return FName; }
  // Stores the name and looks the data set up for an object of `report` (rpFindDataSet): an
  // unknown name keeps the data set bound before when the global list is searched.
  void SetDataSetName(const TrpCustomReport* report, const QString& value);
  // Looks the stored name up again: after a load, or once the program has created its data sets.
  void Rebind(const TrpCustomReport* report) { SetDataSetName(report, FName); }
  // Forgets `removed` when it is the bound data set.
  void Forget(const TrpComponent* removed);
  // A name is given but no data set of it exists.
  bool Unresolved() const { return !FName.isEmpty() && !DataSet(); }

 private:
  void Bind(TrpDataSet* value);

  TrpDataSet* FDataSet = nullptr;
  quint64 FSerial = 0;
  QString FName;
};
