#include "report/datasets/data_set.h"

#include <QRecursiveMutex>

#include "report/datasets/report_data_sets.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_report.h"
#include "report/objects/custom_report_script.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"
#include "report/options/engine_options.h"
#include "report/res/resources.h"

#include <atomic>

namespace {

constexpr TrpEnumValue kRangeBegins[] = {{"rbFirst", rbFirst}, {"rbCurrent", rbCurrent}};
constexpr TrpEnumValue kRangeEnds[] = {
    {"reLast", reLast}, {"reCurrent", reCurrent}, {"reCount", reCount}};
constexpr TrpEnumValue kFieldTypes[] = {
    {"fftNumeric", fftNumeric}, {"fftString", fftString}, {"fftBoolean", fftBoolean}};

// Every data set of the process. Walked and changed only under its lock.
struct GlobalList {
  QRecursiveMutex lock;
  QList<TrpDataSet*> items;
  // Counts the data sets freed: a data set found alive stays alive until one is.
  std::atomic<quint64> removals{0};
};

GlobalList& globalList() {
  static GlobalList list;
  return list;
}

quint64 nextSerial() {
  static std::atomic<quint64> last{0};
  return ++last;
}

TrpDataSet* findInGlobalList(const TrpCustomReport* report, TrpDataSet* current, const QString& name) {
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

}  // namespace

const TrpEnumType rpRangeBeginType{"TrpRangeBegin", kRangeBegins};
const TrpEnumType rpRangeEndType{"TrpRangeEnd", kRangeEnds};
const TrpEnumType rpFieldTypeType{"TrpFieldType", kFieldTypes};

TrpDataSet::TrpDataSet(TrpComponent* owner) : TrpDialogComponent(owner), FSerial(nextSerial()) {
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  list.items.append(this);
}

TrpDataSet::~TrpDataSet() {
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  list.items.removeAll(this);
  list.removals.fetch_add(1, std::memory_order_release);
}

const TrpClassInfo& TrpDataSet::StaticClassInfo() {
  using C = TrpDataSet;
  static const TrpClassInfo info(
      "TrpDataSet", &TrpDialogComponent::StaticClassInfo(), nullptr,
      {rpBoolean<&C::Enabled, &C::SetEnabled>("Enabled", true),
       rpEnum<&C::RangeBegin, &C::SetRangeBegin>("RangeBegin", rpRangeBeginType, rbFirst),
       rpEnum<&C::RangeEnd, &C::SetRangeEnd>("RangeEnd", rpRangeEndType, reLast),
       rpInteger<&C::RangeEndCount, &C::SetRangeEndCount>("RangeEndCount", 0),
       rpString<&C::UserName, &C::SetUserName>("UserName"),
       rpString<&C::OnCheckEOF, &C::SetOnCheckEOF>("OnCheckEOF"),
       rpString<&C::OnFirst, &C::SetOnFirst>("OnFirst"),
       rpString<&C::OnNext, &C::SetOnNext>("OnNext"),
       rpString<&C::OnPrior, &C::SetOnPrior>("OnPrior")});
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

void TrpDataSet::RunEvent(const QString& procedure) {
  if (procedure.isEmpty()) return;
  TrpCustomReport* report = FReportRef ? FReportRef : Report();
  if (report) report->DoNotifyEvent(this, procedure);
}

void TrpDataSet::First() {
  FRecNo = 0;
  FEof = false;
  if (Callbacks.First) Callbacks.First();
  RunEvent(FOnFirst);
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
  if (Callbacks.Next) Callbacks.Next();
  RunEvent(FOnNext);
}

void TrpDataSet::Prior() {
  --FRecNo;
  if (Callbacks.Prior) Callbacks.Prior();
  RunEvent(FOnPrior);
}

bool TrpDataSet::Eof() {
  const bool counted = FRangeEnd == reCount;
  // Nothing but OnCheckEOF can end any other range: a loop over it would never stop.
  if (!counted && !Callbacks.CheckEOF && FOnCheckEOF.isEmpty())
    throw TrpError(QStringLiteral("The data set \"%1\" has no end: give it an OnCheckEOF procedure, "
                                  "or set RangeEnd to reCount with a RangeEndCount")
                       .arg(FUserName.isEmpty() ? Name() : FUserName));
  bool result = counted && (FRecNo >= FRangeEndCount || FEof);
  if (Callbacks.CheckEOF) Callbacks.CheckEOF(result);
  if (!FOnCheckEOF.isEmpty()) result = CheckEOFByScript(result);
  return result;
}

bool TrpDataSet::CheckEOFByScript(bool eof) {
  TrpCustomReport* report = FReportRef ? FReportRef : Report();
  TrpCustomReportScript* script = report ? report->ReportScript() : nullptr;
  if (!script) throw TrpError(QStringLiteral("The report has no script to run \"%1\"").arg(FOnCheckEOF));
  // procedure (Sender: TrpComponent; var Eof: Boolean)
  std::vector<ScriptValue> args{script->ObjectValue(this), ScriptValue(eof)};
  script->DoParamEvent(FOnCheckEOF, args);
  return args.back().ToBool();
}

int TrpDataSet::RecordCount() const {
  return FRangeBegin == rbFirst && FRangeEnd == reCount ? FRangeEndCount : 0;
}

bool TrpDataSet::HasField(const QString& field) const {
  return GetFieldList().contains(field, Qt::CaseInsensitive);
}

bool rpIsLiveDataSet(const TrpDataSet* dataSet, quint64 serial) {
  if (!dataSet) return false;
  GlobalList& list = globalList();
  // Asked for every field an expression reads: the last data set found alive is taken at its word
  // while no data set has been freed since.
  struct Found {
    const TrpDataSet* DataSet = nullptr;
    quint64 Serial = 0;
    quint64 Removals = 0;
  };
  thread_local Found last;
  const quint64 removals = list.removals.load(std::memory_order_acquire);
  if (last.DataSet == dataSet && last.Serial == serial && last.Removals == removals) return true;
  QMutexLocker locker(&list.lock);
  const bool live = list.items.contains(const_cast<TrpDataSet*>(dataSet)) && dataSet->Serial() == serial;
  if (live) last = {dataSet, serial, removals};
  return live;
}

QList<TrpDataSet*> rpGlobalDataSets() {
  GlobalList& list = globalList();
  QMutexLocker locker(&list.lock);
  return list.items;
}

TrpDataSet* rpFindDataSet(const TrpCustomReport* report, TrpDataSet* current, const QString& name) {
  if (name.isEmpty()) return nullptr;
  const TrpReportDataSets* local = report ? report->LocalDataSets() : nullptr;
  if (!local) return findInGlobalList(report, current, name);
  const TrpDataSetItem* item = local->Find(name);
  return item ? item->DataSet() : nullptr;
}
