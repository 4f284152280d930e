#pragma once
// TrpDataSet: the base of the components a report reads its records from: the user-visible name
// by which definitions refer to a data set, the record range and the navigation the band layout
// engine drives (First, Next, Eof), field values, the large-object fields a picture loads from,
// and the process-wide list that name lookups search. Subclasses reach real data by replacing
// the navigation and value operations; the base walks a range of RangeEndCount records.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "report/model/report_component.h"
#include "script/value.h"

class QIODevice;

enum TrpRangeBegin { rbFirst, rbCurrent };
enum TrpRangeEnd { reLast, reCurrent, reCount };
extern const TrpEnumType rpRangeBeginType;
extern const TrpEnumType rpRangeEndType;

class TrpDataSet : public TrpReportComponent {
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

  // --- navigation, driven by the band layout engine --------------------------------------------
  virtual void Initialize() {}
  virtual void Finalize() {}
  virtual void Open() { if (OnOpen) OnOpen(); }
  virtual void Close() { if (OnClose) OnClose(); }
  // Record 0, end flag cleared, then OnFirst.
  virtual void First();
  // Advances; with RangeEnd reCount the number stops at the last record of the range and the
  // end flag is set instead of calling OnNext.
  virtual void Next();
  virtual void Prior();
  // With reCount: at or past RangeEndCount, or the end flag set; then OnCheckEOF may change it.
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
  // Whether GetFieldList names `field`, ignoring case.
  bool HasField(const QString& field) const;
  virtual bool IsHasMaster() const { return false; }

  // Callbacks of the hosting program.
  std::function<void()> OnFirst, OnNext, OnPrior, OnOpen, OnClose;
  // Receives the end answer and may change it.
  std::function<void(bool& eof)> OnCheckEOF;

  // Whether `field` holds large-object data (pictures, long texts); none here.
  virtual bool IsBlobField(const QString& field) const { (void)field; return false; }
  // Writes the content of the large-object field `field` of the current record into `stream`.
  virtual void AssignBlobTo(const QString& field, QIODevice& stream) { (void)field, (void)stream; }

 protected:
  void SetRecNo(int value) { FRecNo = value; }
  void SetEofFlag(bool value) { FEof = value; }

 private:
  QString FUserName;
  bool FEnabled = true;
  TrpRangeBegin FRangeBegin = rbFirst;
  TrpRangeEnd FRangeEnd = reLast;
  int FRangeEndCount = 0;
  int FRecNo = 0;
  bool FEof = false;
};

// Whether `dataSet` is a data set that has not been freed.
bool rpIsLiveDataSet(const TrpDataSet* dataSet);

// A copy of the global list of data sets, taken under its lock.
QList<TrpDataSet*> rpGlobalDataSets();

// The data set named `name` (ignoring case) for a report object: the first of the global list
// with that user name, skipping data sets that belong to another report than `searcher`'s. An
// empty name gives none; an unknown name keeps `current`.
TrpDataSet* rpFindDataSet(const TrpComponent& searcher, TrpDataSet* current, const QString& name);
