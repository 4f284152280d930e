#include "script_engine/interpreter/value_qvariant.h"

#include <QDateTime>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"

namespace {

ScriptValue fromList(const QVariantList& list) {
  ScriptValue array = ScriptValue::CreateArray({ArrayBound{0, int(list.size()) - 1}});
  for (int i = 0; i < list.size(); ++i) array.ArraySet({i}, ScriptValueFromQVariant(list[i]));
  return array;
}

QVariantList toList(const ScriptValue& array) {
  if (array.ArrayDimCount() != 1)
    throw ScriptError(QStringLiteral("Only arrays of one dimension convert to a list"));
  QVariantList list;
  const ArrayBound b = array.ArrayBounds(0);
  for (int i = b.low; i <= b.high; ++i) list << ScriptValueToQVariant(array.ArrayGet({i}));
  return list;
}

}  // namespace

ScriptValue ScriptValueFromQVariant(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::UnknownType: return ScriptValue();
    case QMetaType::Nullptr: return ScriptValue::Null();
    case QMetaType::Bool: return ScriptValue(v.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return ScriptValue(v.toInt());
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong: return ScriptValue::FromInteger(v.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
      qulonglong u = v.toULongLong();
      if (u > qulonglong(INT64_MAX)) return ScriptValue(static_cast<double>(u));
      return ScriptValue::FromInteger(static_cast<std::int64_t>(u));
    }
    case QMetaType::Float:
    case QMetaType::Double: return ScriptValue(v.toDouble());
    case QMetaType::QChar:
    case QMetaType::QString: return ScriptValue(v.toString());
    case QMetaType::QByteArray: return ScriptValue(QString::fromUtf8(v.toByteArray()));
    case QMetaType::QDate: return ScriptValue::DateTime(DayNumber::FromDate(v.toDate()));
    case QMetaType::QTime: return ScriptValue::DateTime(DayNumber::FromTime(v.toTime()));
    case QMetaType::QDateTime: return ScriptValue::DateTime(DayNumber::FromDateTime(v.toDateTime()));
    case QMetaType::QVariantList:
    case QMetaType::QStringList: return fromList(v.toList());
    default:
      throw ScriptError(QStringLiteral("Values of type %1 cannot be used in scripts")
                            .arg(QString::fromLatin1(v.typeName())));
  }
}

QVariant ScriptValueToQVariant(const ScriptValue& v) {
  switch (v.Kind()) {
    case ValueKind::Empty: return QVariant();
    case ValueKind::Null: return QVariant::fromValue(nullptr);
    case ValueKind::Boolean: return QVariant(v.ToBool());
    case ValueKind::Integer: return QVariant(v.ToInt32());
    case ValueKind::Int64: return QVariant(qlonglong(v.ToInt64()));
    case ValueKind::Double: return QVariant(v.ToDouble());
    case ValueKind::Date: return QVariant(DayNumber::ToDateTime(v.ToDouble()));
    case ValueKind::String: return QVariant(v.ToString());
    case ValueKind::Array: return QVariant(toList(v));
    case ValueKind::Object: break;
  }
  throw ScriptError(QStringLiteral("An object reference has no Qt value"));
}
