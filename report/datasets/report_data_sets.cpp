#include "report/datasets/report_data_sets.h"

#include <algorithm>

#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

const TrpClassInfo& TrpDataSetItem::StaticClassInfo() {
  using C = TrpDataSetItem;
  static const TrpClassInfo info("TrpDataSetItem", nullptr, nullptr,
                                 {rpString<&C::DataSetName, &C::SetDataSetName>("DataSetName")});
  return info;
}

const TrpClassInfo& TrpDataSetItem::ClassInfo() const { return StaticClassInfo(); }

QString TrpDataSetItem::DataSetName() const {
  const TrpDataSet* dataSet = DataSet();
  return dataSet ? dataSet->UserName() : FBinding.DataSetName();
}

void TrpDataSetItem::SetDataSetName(const QString& value) {
  FBinding.SetDataSetName(FCollection ? FCollection->Report() : nullptr, value);
}

void TrpDataSetItem::Rebind() { SetDataSetName(FBinding.DataSetName()); }

TrpDataSetItem* TrpReportDataSets::Add(TrpDataSet* dataSet) {
  FItems.push_back(std::make_unique<TrpDataSetItem>(this));
  if (dataSet) FItems.back()->SetDataSet(dataSet);
  return FItems.back().get();
}

TrpDataSetItem* TrpReportDataSets::Find(const TrpDataSet* dataSet) const {
  if (!dataSet) return nullptr;
  for (const auto& item : FItems)
    if (item->DataSet() == dataSet) return item.get();
  return nullptr;
}

TrpDataSetItem* TrpReportDataSets::Find(const QString& name) const {
  for (const auto& item : FItems) {
    const TrpDataSet* dataSet = item->DataSet();
    if (!dataSet) continue;
    // Every data field a report reads names its data set: the name as written is met first. Case
    // folding keeps a text's length, so names of other lengths never match.
    const QString& userName = dataSet->UserName();
    if (userName.size() == name.size() && (userName == name || userName.compare(name, Qt::CaseInsensitive) == 0))
      return item.get();
  }
  return nullptr;
}

void TrpReportDataSets::Delete(const QString& name) {
  const TrpDataSetItem* item = Find(name);
  if (!item) return;
  FItems.erase(std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == item; }));
}

void TrpReportDataSets::Initialize() {
  for (const auto& item : FItems) {
    TrpDataSet* dataSet = item->DataSet();
    if (!dataSet) continue;
    dataSet->SetReportRef(FReport);
    dataSet->Initialize();
    dataSet->SetInitialized(true);
  }
}

void TrpReportDataSets::Finalize() {
  for (const auto& item : FItems) {
    TrpDataSet* dataSet = item->DataSet();
    if (!dataSet) continue;
    dataSet->Finalize();
    dataSet->SetInitialized(false);
  }
}

void TrpReportDataSets::Rebind() {
  for (const auto& item : FItems) item->Rebind();
}
