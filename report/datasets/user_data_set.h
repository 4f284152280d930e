#pragma once
// TrpUserDataSet: a data set whose field values come from the hosting program's callbacks. A data
// band owns one to print RowCount records when it has no data set of its own: its range then ends
// after a count of records, so First, Next and Eof walk exactly that many without any callback.
#include <QStringList>

#include <functional>

#include "report/datasets/data_set.h"

class TrpUserDataSet : public TrpDataSet {
 public:
  explicit TrpUserDataSet(TrpComponent* owner) : TrpDataSet(owner) {}
  // Report files can hold user data sets (on the data page), driven by the script's procedures.
  static TrpComponent* Create(TrpComponent* owner) { return new TrpUserDataSet(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QStringList& Fields() const { return FFields; }
  void SetFields(const QStringList& value) { FFields = value; }

  QStringList GetFieldList() const override { return FFields; }
  int FieldsCount() const override { return static_cast<int>(FFields.size()); }
  // Starts unassigned; OnGetValue, then OnNewGetValue, may set it.
  ScriptValue GetValue(const QString& field) override;
  // GetValue as text.
  QString GetDisplayText(const QString& field) override;

  std::function<void(const QString& field, ScriptValue& value)> OnGetValue;
  std::function<void(TrpUserDataSet& dataSet, const QString& field, ScriptValue& value)>
      OnNewGetValue;

 private:
  QStringList FFields;
};
