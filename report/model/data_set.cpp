#include "report/model/data_set.h"

#include <QRecursiveMutex>

#include "report/model/class_info.h"
#include "report/model/custom_report.h"
#include "report/model/property_builders.h"

namespace {

// Every data set of the process. Walked and changed only under its lock.
struct GlobalList {
  QRecursiveMutex lock;
  QList<TrpDataSet*> items;
};

GlobalList& globalList() {
  static GlobalList list;
  return list;
}

}  // namespace

TrpDataSet::TrpDataSet(TrpComponent* owner) : TrpReportComponent(owner) {
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  list.items.append(this);
}

TrpDataSet::~TrpDataSet() {
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  list.items.removeAll(this);
}

const TrpClassInfo& TrpDataSet::StaticClassInfo() {
  using C = TrpDataSet;
  static const TrpClassInfo info("TrpDataSet", &TrpReportComponent::StaticClassInfo(), nullptr,
                                 {rpString<&C::UserName, &C::SetUserName>("UserName")});
  return info;
}

const TrpClassInfo& TrpDataSet::ClassInfo() const { return StaticClassInfo(); }

bool rpIsLiveDataSet(const TrpDataSet* dataSet) {
  if (!dataSet) return false;
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  return list.items.contains(const_cast<TrpDataSet*>(dataSet));
}

QList<TrpDataSet*> rpGlobalDataSets() {
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  return list.items;
}

TrpDataSet* rpFindDataSet(const TrpComponent& searcher, TrpDataSet* current, const QString& name) {
  if (name.isEmpty()) return nullptr;
  const TrpCustomReport* report = searcher.Report();
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  for (TrpDataSet* ds : list.items) {
    if (ds->UserName().compare(name, Qt::CaseInsensitive) != 0) continue;
    const TrpCustomReport* owner = ds->Report();
    if (report && owner && owner != report) continue;
    return ds;
  }
  return current;
}
