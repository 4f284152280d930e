#include "report/data/row_window_data_set.h"

#include <QDate>
#include <QDateTime>

#include "report/objects/class_info.h"
#include "report/objects/report_error.h"
#include "script_engine/interpreter/day_number.h"

namespace {

ScriptValue toScriptValue(const QVariant& value) {
  if (value.isNull()) return ScriptValue::Null();
  switch (value.typeId()) {
    case QMetaType::Bool: return ScriptValue(value.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UInt: return ScriptValue(value.toInt());
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long: return ScriptValue::FromInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return ScriptValue(value.toDouble());
    case QMetaType::QDate: return ScriptValue::DateTime(DayNumber::FromDate(value.toDate()));
    case QMetaType::QDateTime: return ScriptValue::DateTime(DayNumber::FromDateTime(value.toDateTime()));
    case QMetaType::QByteArray: return ScriptValue(QString::fromUtf8(value.toByteArray()));
    default: return ScriptValue(value.toString());
  }
}

TrpFieldType fieldTypeOf(QMetaType::Type type) {
  switch (type) {
    case QMetaType::Bool: return fftBoolean;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QDate:
    case QMetaType::QDateTime: return fftNumeric;
    default: return fftString;
  }
}

}  // namespace

TrpRowWindowDataSet::TrpRowWindowDataSet(TrpComponent* owner) : TrpCustomDBDataSet(owner) {}

const TrpClassInfo& TrpRowWindowDataSet::StaticClassInfo() {
  static const TrpClassInfo info("TrpRowWindowDataSet", &TrpCustomDBDataSet::StaticClassInfo(), nullptr, {});
  return info;
}

const TrpClassInfo& TrpRowWindowDataSet::ClassInfo() const { return StaticClassInfo(); }

QString TrpRowWindowDataSet::DisplayName() const { return UserName().isEmpty() ? Name() : UserName(); }

void TrpRowWindowDataSet::First() {
  FColumns.clear();
  OpenRows(FColumns);
  QStringList names;
  for (const Column& column : std::as_const(FColumns)) names << column.Name;
  SetFields(names);
  FOpened = true;
  FPrevious.clear();
  FCurrent.clear();
  FSteppedBack = false;
  FHasRow = FetchRow(FCurrent);
  FAtEnd = !FHasRow;
  TrpDataSet::First();
}

void TrpRowWindowDataSet::Next() {
  if (FSteppedBack) {
    // Back to the row Prior stepped away from.
    FSteppedBack = false;
    std::swap(FPrevious, FCurrent);
    TrpDataSet::Next();
    return;
  }
  if (!FAtEnd) {
    QVariantList row;
    if (FetchRow(row)) {
      FPrevious = std::move(FCurrent);
      FCurrent = std::move(row);
    } else {
      // The last row stays current: footers after the data read their fields from it.
      FAtEnd = true;
    }
  }
  TrpDataSet::Next();
}

void TrpRowWindowDataSet::Prior() {
  if (!FSteppedBack && !FPrevious.isEmpty()) {
    FSteppedBack = true;
    std::swap(FPrevious, FCurrent);
  }
  TrpDataSet::Prior();
}

// Past the last row; the window still shows the last row, as a cursor at the end does.
bool TrpRowWindowDataSet::Eof() { return !FOpened || !FHasRow || (FAtEnd && !FSteppedBack); }

int TrpRowWindowDataSet::ColumnIndex(const QString& field) const {
  for (int i = 0; i < FColumns.size(); ++i)
    if (FColumns[i].Name.compare(field, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

const QVariant& TrpRowWindowDataSet::CurrentValue(int index) const { return FCurrent.at(index); }

ScriptValue TrpRowWindowDataSet::GetValue(const QString& field) {
  if (!FOpened) First();
  const int index = ColumnIndex(field);
  if (index < 0)
    throw TrpError(QStringLiteral("%1: no field \"%2\" (its fields: %3)").arg(DisplayName(), field, GetFieldList().join(u", ")));
  if (!FHasRow) return ScriptValue::Null();
  return toScriptValue(CurrentValue(index));
}

QString TrpRowWindowDataSet::GetDisplayText(const QString& field) {
  const ScriptValue value = GetValue(field);
  return value.IsEmptyOrNull() ? QString() : value.ToText();
}

TrpFieldType TrpRowWindowDataSet::GetFieldType(const QString& field) const {
  const int index = ColumnIndex(field);
  return index < 0 ? fftString : fieldTypeOf(FColumns[index].Type);
}
