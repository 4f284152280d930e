#pragma once
// TrpDataSet: the base of the components a report reads its records from: the user-visible name
// by which definitions refer to a data set, the record range and the navigation the band layout
// engine drives (First, Next, Eof), field values, the large-object fields a picture loads from,
// and the process-wide list that name lookups search. Subclasses reach real data by replacing
// the navigation and value operations; the base walks a range of RangeEndCount records.
//
// Navigation reaches two kinds of listeners: the hosting program's callbacks (Callbacks) and the
// report script's procedures named by the published OnFirst, OnNext, OnPrior and OnCheckEOF.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "report/objects/dialog_component.h"
#include "script_engine/interpreter/value.h"

class QIODevice;

class TrpCustomReport;

enum TrpRangeBegin { rbFirst, rbCurrent };
enum TrpRangeEnd { reLast, reCurrent, reCount };
enum TrpFieldType { fftNumeric, fftString, fftBoolean };
extern const TrpEnumType rpRangeBeginType;
extern const TrpEnumType rpRangeEndType;
extern const TrpEnumType rpFieldTypeType;

// The hosting program's hooks into a data set's navigation.
struct TrpDataSetCallbacks {
  std::function<void()> First, Next, Prior, Open, Close;
  // Receives the end answer and may change it.
  std::function<void(bool& eof)> CheckEOF;
};

class TrpDataSet : public TrpDialogComponent {
 public:
  // Joins the global data-set list; the destructor leaves it.
  explicit TrpDataSet(TrpComponent* owner);
  ~TrpDataSet() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QString& UserName() const { return FUserName; }
  // Raises TrpError ("prInvProp") for a name that is empty after trimming blanks; stores the
  // name untrimmed otherwise.
  void SetUserName(const QString& value);
  // Renames the object; a data set without a user name takes the new name as its user name.
  void SetName(const QString& name) override;

  // --- record range ----------------------------------------------------------------------------
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  TrpRangeBegin RangeBegin() const { return FRangeBegin; }
  void SetRangeBegin(TrpRangeBegin value) { FRangeBegin = value; }
  TrpRangeEnd RangeEnd() const { return FRangeEnd; }
  void SetRangeEnd(TrpRangeEnd value) { FRangeEnd = value; }
  int RangeEndCount() const { return FRangeEndCount; }
  void SetRangeEndCount(int value) { FRangeEndCount = value; }
  // The current record, 0-based.
  int RecNo() const { return FRecNo; }
  // Whether the engine opens the data source before a run and closes it afterwards.
  bool OpenDataSource() const { return FOpenDataSource; }
  void SetOpenDataSource(bool value) { FOpenDataSource = value; }
  bool CloseDataSource() const { return FCloseDataSource; }
  void SetCloseDataSource(bool value) { FCloseDataSource = value; }
  // Set between Initialize and Finalize by the report's data-set list.
  bool Initialized() const { return FInitialized; }
  void SetInitialized(bool value) { FInitialized = value; }
  // The report that runs the data set, whose script runs the event procedures; when none is set,
  // the report the data set belongs to.
  TrpCustomReport* ReportRef() const { return FReportRef; }
  void SetReportRef(TrpCustomReport* value) { FReportRef = value; }
  // A number no other data set of the process ever has: a binding tells by it whether the data
  // set at an address is still the one it bound.
  quint64 Serial() const { return FSerial; }

  // Script procedures run on navigation; OnCheckEOF receives the end answer as a var parameter.
  const QString& OnFirst() const { return FOnFirst; }
  void SetOnFirst(const QString& value) { FOnFirst = value; }
  const QString& OnNext() const { return FOnNext; }
  void SetOnNext(const QString& value) { FOnNext = value; }
  const QString& OnPrior() const { return FOnPrior; }
  void SetOnPrior(const QString& value) { FOnPrior = value; }
  const QString& OnCheckEOF() const { return FOnCheckEOF; }
  void SetOnCheckEOF(const QString& value) { FOnCheckEOF = value; }

  // --- navigation, driven by the band layout engine --------------------------------------------
  virtual void Initialize() {}
  virtual void Finalize() {}
  virtual void Open() { if (Callbacks.Open) Callbacks.Open(); }
  virtual void Close() { if (Callbacks.Close) Callbacks.Close(); }
  // Record 0, end flag cleared, then OnFirst.
  virtual void First();
  // Advances; with RangeEnd reCount the number stops at the last record of the range and the
  // end flag is set instead of calling OnNext.
  virtual void Next();
  virtual void Prior();
  // With reCount: at or past RangeEndCount, or the end flag set; then OnCheckEOF may change it.
  // Any other range end has only OnCheckEOF to end it: without one (neither a callback nor a
  // script procedure) the data set would never end, and asking raises TrpError naming it.
  virtual bool Eof();
  // RangeEndCount for the range rbFirst..reCount, otherwise 0 (not known).
  virtual int RecordCount() const;

  // --- fields ----------------------------------------------------------------------------------
  // The value of `field` in the current record; unassigned here.
  virtual ScriptValue GetValue(const QString& field) { (void)field; return {}; }
  virtual QString GetDisplayText(const QString& field) { (void)field; return {}; }
  virtual int GetDisplayWidth(const QString& field) const { (void)field; return 10; }
  virtual QStringList GetFieldList() const { return {}; }
  virtual int FieldsCount() const { return 0; }
  virtual TrpFieldType GetFieldType(const QString& field) const { (void)field; return fftNumeric; }
  // Whether GetFieldList names `field`, ignoring case.
  bool HasField(const QString& field) const;
  virtual bool IsHasMaster() const { return false; }

  TrpDataSetCallbacks Callbacks;

  // Whether `field` holds large-object data (pictures, long texts); none here.
  virtual bool IsBlobField(const QString& field) const { (void)field; return false; }
  // Writes the content of the large-object field `field` of the current record into `stream`.
  virtual void AssignBlobTo(const QString& field, QIODevice& stream) { (void)field, (void)stream; }

 protected:
  void SetRecNo(int value) { FRecNo = value; }
  void SetEofFlag(bool value) { FEof = value; }

 private:
  // Runs the script procedure `procedure` of the running report, if both exist.
  void RunEvent(const QString& procedure);
  // The answer of the script's OnCheckEOF procedure, handed `eof` as its var parameter.
  bool CheckEOFByScript(bool eof);

  QString FUserName;
  quint64 FSerial = 0;
  bool FCloseDataSource = false;
  bool FOpenDataSource = true;
  bool FInitialized = false;
  TrpCustomReport* FReportRef = nullptr;
  QString FOnFirst, FOnNext, FOnPrior, FOnCheckEOF;
  bool FEnabled = true;
  TrpRangeBegin FRangeBegin = rbFirst;
  TrpRangeEnd FRangeEnd = reLast;
  int FRangeEndCount = 0;
  int FRecNo = 0;
  bool FEof = false;
};

// Whether `dataSet` is a data set that has not been freed and is still the one that had `serial`.
bool rpIsLiveDataSet(const TrpDataSet* dataSet, quint64 serial);

// A copy of the global list of data sets, taken under its lock.
QList<TrpDataSet*> rpGlobalDataSets();

// The data set named `name` (ignoring case) for an object of `report`. With the global list (no
// report, or the report's EngineOptions.UseGlobalDataSetList): the first of the global list with
// that user name, skipping data sets that belong to another report; an unknown name
// keeps `current`. Otherwise the report's own data-set list, none when absent. An empty name
// gives none.
TrpDataSet* rpFindDataSet(const TrpCustomReport* report, TrpDataSet* current, const QString& name);
