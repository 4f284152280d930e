// Conversion functions of the system module: numbers, dates and Booleans to and from text, in
// the locale record's formats.
#include <cmath>

#include "script_engine/front/script_error.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"
#include "script_engine/modules/system_module.h"
#include "script_engine/modules/system_parse.h"

namespace {

using Args = std::vector<ScriptValue>;

QString text(const Args& a) { return a[0].ToText(); }

[[noreturn]] void notA(const QString& s, const char* what) {
  throw ScriptError(QStringLiteral("'%1' is not a valid %2").arg(s, QLatin1String(what)));
}


ScriptValue intToStr(Args& a) { return ScriptValue(QString::number(a[0].ToInt64())); }
ScriptValue floatToStr(Args& a) { return ScriptValue(scFloatToStr(a[0].ToDouble(), scLocaleFormat())); }
ScriptValue dateToStr(Args& a) { return ScriptValue(scDateText(a[0].ToDouble())); }
ScriptValue timeToStr(Args& a) { return ScriptValue(scTimeText(a[0].ToDouble())); }
ScriptValue dateTimeToStr(Args& a) { return ScriptValue(scDateTimeText(a[0].ToDouble())); }
ScriptValue boolToStr(Args& a) { return ScriptValue(a[0].ToBool() ? "-1" : "0"); }

ScriptValue varToStr(Args& a) {
  const ScriptValue& v = a[0];
  if (v.IsDate()) return ScriptValue(scDateTimeText(v.ToDouble()));
  if (v.Kind() == ValueKind::Double) return ScriptValue(scFloatToStr(v.ToDouble(), scLocaleFormat()));
  return ScriptValue(v.ToText());
}

ScriptValue strToInt(Args& a) {
  std::int64_t v = 0;
  if (!scParseInteger(text(a), v) || v < INT32_MIN || v > INT32_MAX) notA(text(a), "integer value");
  return ScriptValue(int(v));
}

ScriptValue strToInt64(Args& a) {
  std::int64_t v = 0;
  if (!scParseInteger(text(a), v)) notA(text(a), "integer value");
  return ScriptValue::Integer64(v);
}

ScriptValue strToFloat(Args& a) {
  double v = 0;
  if (!scParseFloat(text(a), scLocaleFormat(), v)) notA(text(a), "floating point value");
  return ScriptValue(v);
}

ScriptValue strToDate(Args& a) {
  double v = 0;
  if (!scParseDate(text(a), scLocaleFormat(), v)) notA(text(a), "date");
  return ScriptValue::DateTime(v);
}

ScriptValue strToTime(Args& a) {
  double v = 0;
  if (!scParseTime(text(a), scLocaleFormat(), v)) notA(text(a), "time");
  return ScriptValue::DateTime(v);
}

ScriptValue strToDateTime(Args& a) {
  double v = 0;
  if (!scParseDateTime(text(a), scLocaleFormat(), v)) notA(text(a), "date and time");
  return ScriptValue::DateTime(v);
}

ScriptValue strToBool(Args& a) { return ScriptValue(ScriptValue(text(a)).ToBool()); }

constexpr TscSysFunction kFunctions[] = {
    {"function IntToStr(i: Integer): String", "ctConv", intToStr},
    {"function FloatToStr(e: Extended): String", "ctConv", floatToStr},
    {"function DateToStr(e: Extended): String", "ctConv", dateToStr},
    {"function TimeToStr(e: Extended): String", "ctConv", timeToStr},
    {"function DateTimeToStr(e: Extended): String", "ctConv", dateTimeToStr},
    {"function BoolToStr(B: Boolean): string;", "ctConv", boolToStr},
    {"function VarToStr(v: Variant): String", "ctConv", varToStr},
    {"function StrToInt(s: String): Integer", "ctConv", strToInt},
    {"function StrToInt64(s: String): Int64", "ctConv", strToInt64},
    {"function StrToFloat(s: String): Extended", "ctConv", strToFloat},
    {"function StrToDate(s: String): Extended", "ctConv", strToDate},
    {"function StrToTime(s: String): Extended", "ctConv", strToTime},
    {"function StrToDateTime(s: String): Extended", "ctConv", strToDateTime},
    {"function StrToBool(const S: string): Boolean;", "ctConv", strToBool},
};

}  // namespace

std::span<const TscSysFunction> scConversionFunctions() { return kFunctions; }

QString scDateText(double d) { return scFormatDateTime(QStringLiteral("ddddd"), d, scLocaleFormat()); }
QString scTimeText(double d) { return scFormatDateTime(QStringLiteral("tt"), d, scLocaleFormat()); }

QString scDateTimeText(double d) {
  if (d - std::trunc(d) == 0) return scDateText(d);
  return scDateText(d) + QLatin1Char(' ') + scTimeText(d);
}
