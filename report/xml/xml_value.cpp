#include "report/xml/xml_value.h"

#include "report/xml/xml_text.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/interpreter/value.h"

#include <QLocale>

QString rpValueToXML(const ScriptValue& value) {
  switch (value.Kind()) {
    case ValueKind::Integer:
    case ValueKind::Int64:  // kept too: writing nothing would lose the number
      return QString::number(value.ToInt64());
    case ValueKind::Double: {
      QString text = FloatToText(value.ToDouble());
      return text.replace(u'.', QLocale::system().decimalPoint());
    }
    case ValueKind::Date:
      return QLocale::system().toString(DayNumber::ToDate(value.ToDouble()), QLocale::ShortFormat);
    case ValueKind::String: return rpStrToXML(value.ToString());
    case ValueKind::Boolean: return value.ToBool() ? QStringLiteral("1") : QStringLiteral("0");
    default: return {};
  }
}
