// The report's data-set lookups: by alias, by field reference, the lists a designer or a script
// offers, and binding every data-set name of the definition again.
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/datasets/user_data_set.h"
#include "report/objects/custom_report.h"
#include "report/options/engine_options.h"
#include "report/res/resources.h"

TrpDataSet* TrpReport::GetDataset(const QString& alias) const {
  const TrpDataSetItem* item = FDataSets->Find(alias);
  return item ? item->DataSet() : nullptr;
}

QString TrpReport::GetAlias(const TrpDataSet* dataSet) const {
  if (!dataSet) return {};
  if (FDataSets->Find(dataSet)) return dataSet->UserName();
  return rpResources()->Get(QStringLiteral("clDSNotIncl"));
}

void TrpReport::GetDatasetAndField(const QString& name, TrpDataSet*& dataSet, QString& field) const {
  dataSet = nullptr;
  field.clear();
  const qsizetype split = name.indexOf(QLatin1String(".\""));
  if (split < 0) return;
  dataSet = GetDataset(name.left(split));
  field = name.mid(split + 2);
  if (field.endsWith(u'"')) field.chop(1);
}

QStringList TrpReport::GetDataSetList(bool onlyDB) const {
  QStringList names;
  for (int i = 0; i < FDataSets->Count(); ++i) {
    const TrpDataSet* dataSet = FDataSets->Items(i)->DataSet();
    if (!dataSet || (onlyDB && dynamic_cast<const TrpUserDataSet*>(dataSet))) continue;
    names << dataSet->UserName();
  }
  return names;
}

QList<TrpDataSet*> TrpReport::GetActiveDataSetList() const {
  QList<TrpDataSet*> result;
  if (FEngineOptions->UseGlobalDataSetList()) {
    for (TrpDataSet* dataSet : rpGlobalDataSets())
      if (dataSet->Enabled() && !dataSet->UserName().isEmpty()) result << dataSet;
    return result;
  }
  for (int i = 0; i < FEnabledDataSets->Count(); ++i)
    if (TrpDataSet* dataSet = FEnabledDataSets->Items(i)->DataSet()) result << dataSet;
  return result;
}

void TrpReport::RebindDataSets() {
  // The list first: without the global list, the objects find their data sets through it.
  FDataSets->Rebind();
  FEnabledDataSets->Rebind();
  FDataSetBinding.Rebind(this);
  for (TrpComponent* object : AllObjects())
    if (TrpDataSetBinding* binding = object->DataSetBinding()) binding->Rebind(this);
}
