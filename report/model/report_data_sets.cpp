#include "report/model/report_data_sets.h"

#include "report/model/class_info.h"
#include "report/model/property_builders.h"

const TrpClassInfo& TrpReportDataSet::StaticClassInfo() {
  using C = TrpReportDataSet;
  static const TrpClassInfo info("TrpReportDataSet", nullptr, nullptr,
                                 {rpString<&C::DataSetName, &C::SetDataSetName>("DataSetName")});
  return info;
}

const TrpClassInfo& TrpReportDataSet::ClassInfo() const { return StaticClassInfo(); }

TrpReportDataSet* TrpReportDataSets::Add() {
  FItems.push_back(std::make_unique<TrpReportDataSet>());
  return FItems.back().get();
}

void TrpReportDataSets::Forget(const TrpDataSet* dataSet) {
  for (const auto& item : FItems)
    if (item->DataSet() == dataSet) item->SetDataSet(nullptr);
}
