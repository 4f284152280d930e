#include "report/model/data_set.h"

#include <QRecursiveMutex>

#include "report/model/class_info.h"
#include "report/model/custom_report.h"
#include "report/model/property_builders.h"
#include "report/model/report_error.h"
#include "report/res/resources.h"

namespace {

constexpr TrpEnumValue kRangeBegins[] = {{"rbFirst", rbFirst}, {"rbCurrent", rbCurrent}};
constexpr TrpEnumValue kRangeEnds[] = {
    {"reLast", reLast}, {"reCurrent", reCurrent}, {"reCount", reCount}};

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

const TrpEnumType rpRangeBeginType{"TrpRangeBegin", kRangeBegins};
const TrpEnumType rpRangeEndType{"TrpRangeEnd", kRangeEnds};

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
  static const TrpClassInfo info(
      "TrpDataSet", &TrpReportComponent::StaticClassInfo(), nullptr,
      {rpBoolean<&C::Enabled, &C::SetEnabled>("Enabled", true),
       rpEnum<&C::RangeBegin, &C::SetRangeBegin>("RangeBegin", rpRangeBeginType, rbFirst),
       rpEnum<&C::RangeEnd, &C::SetRangeEnd>("RangeEnd", rpRangeEndType, reLast),
       rpInteger<&C::RangeEndCount, &C::SetRangeEndCount>("RangeEndCount", 0),
       rpString<&C::UserName, &C::SetUserName>("UserName")});
  return info;
}

const TrpClassInfo& TrpDataSet::ClassInfo() const { return StaticClassInfo(); }

void TrpDataSet::SetUserName(const QString& value) {
  if (value.trimmed().isEmpty()) throw TrpError(rpResources()->Get(QStringLiteral("prInvProp")));
  FUserName = value;
}

void TrpDataSet::SetName(const QString& name) {
  TrpReportComponent::SetName(name);
  if (!name.isEmpty() && FUserName.isEmpty()) FUserName = name;
}

void TrpDataSet::First() {
  FRecNo = 0;
  FEof = false;
  if (OnFirst) OnFirst();
}

void TrpDataSet::Next() {
  FEof = false;
  ++FRecNo;
  if (FRangeEnd == reCount && FRecNo >= FRangeEndCount) {
    // Stay on the last record of the range, so a step back from the end lands on it.
    FRecNo = FRangeEndCount - 1;
    FEof = true;
    return;
  }
  if (OnNext) OnNext();
}

void TrpDataSet::Prior() {
  --FRecNo;
  if (OnPrior) OnPrior();
}

bool TrpDataSet::Eof() {
  bool result = FRangeEnd == reCount && (FRecNo >= FRangeEndCount || FEof);
  if (OnCheckEOF) OnCheckEOF(result);
  return result;
}

int TrpDataSet::RecordCount() const {
  return FRangeBegin == rbFirst && FRangeEnd == reCount ? FRangeEndCount : 0;
}

bool TrpDataSet::HasField(const QString& field) const {
  return GetFieldList().contains(field, Qt::CaseInsensitive);
}

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
