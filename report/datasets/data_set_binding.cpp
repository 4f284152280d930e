#include "report/datasets/data_set_binding.h"

#include "report/datasets/data_set.h"

TrpDataSet* TrpDataSetBinding::DataSet() const {
  return rpIsLiveDataSet(FDataSet, FSerial) ? FDataSet : nullptr;
}

void TrpDataSetBinding::Bind(TrpDataSet* value) {
  FDataSet = value;
  FSerial = value ? value->Serial() : 0;
}

void TrpDataSetBinding::SetDataSet(TrpDataSet* value) {
  Bind(value);
  FName = value ? value->UserName() : QString();
}

void TrpDataSetBinding::SetDataSetName(const TrpCustomReport* report, const QString& value) {
  FName = value;
  Bind(rpFindDataSet(report, DataSet(), value));
}

void TrpDataSetBinding::Forget(const TrpComponent* removed) {
  if (removed && removed == static_cast<const TrpComponent*>(FDataSet)) Bind(nullptr);
}
