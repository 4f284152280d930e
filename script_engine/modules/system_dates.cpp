// Date and time functions of the system module. Dates are day numbers (day_number.h).
#include <QDateTime>

#include <cmath>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/modules/system_module.h"

namespace {

using Args = std::vector<ScriptValue>;

constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool leapYear(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

QDate dateOf(const ScriptValue& v) {
  const QDate d = DayNumber::ToDate(v.ToDouble());
  if (!d.isValid()) throw ScriptError(QStringLiteral("The date is out of the years 1 to 9999"));
  return d;
}

ScriptValue encodeDate(Args& a) {
  const int y = a[0].ToInt32(), m = a[1].ToInt32(), d = a[2].ToInt32();
  const QDate date(y, m, d);
  if (y < 1 || y > 9999 || !date.isValid())
    throw ScriptError(QStringLiteral("Invalid argument to date encode: %1, %2, %3").arg(y).arg(m).arg(d));
  return ScriptValue::DateTime(DayNumber::FromDate(date));
}

ScriptValue encodeTime(Args& a) {
  const int h = a[0].ToInt32(), n = a[1].ToInt32(), s = a[2].ToInt32(), ms = a[3].ToInt32();
  const QTime time(h, n, s, ms);
  if (!time.isValid())
    throw ScriptError(QStringLiteral("Invalid argument to time encode: %1, %2, %3, %4")
                          .arg(h).arg(n).arg(s).arg(ms));
  return ScriptValue::DateTime(DayNumber::FromTime(time));
}

ScriptValue decodeDate(Args& a) {
  const QDate d = dateOf(a[0]);
  a[1] = ScriptValue(d.year());
  a[2] = ScriptValue(d.month());
  a[3] = ScriptValue(d.day());
  return ScriptValue::Null();
}

ScriptValue decodeTime(Args& a) {
  const QTime t = DayNumber::ToTime(a[0].ToDouble());
  a[1] = ScriptValue(t.hour());
  a[2] = ScriptValue(t.minute());
  a[3] = ScriptValue(t.second());
  a[4] = ScriptValue(t.msec());
  return ScriptValue::Null();
}

ScriptValue today(Args&) { return ScriptValue::DateTime(DayNumber::FromDate(QDate::currentDate())); }
ScriptValue timeNow(Args&) { return ScriptValue::DateTime(DayNumber::FromTime(QTime::currentTime())); }
ScriptValue now(Args&) {
  return ScriptValue::DateTime(DayNumber::FromDateTime(QDateTime::currentDateTime()));
}

// Qt counts Monday as 1 and Sunday as 7; scripts count Sunday as 1 and Saturday as 7.
ScriptValue dayOfWeek(Args& a) { return ScriptValue(dateOf(a[0]).dayOfWeek() % 7 + 1); }

ScriptValue isLeapYear(Args& a) { return ScriptValue(leapYear(a[0].ToInt64())); }

ScriptValue daysInMonth(Args& a) {
  const std::int64_t year = a[0].ToInt64();
  const int month = a[1].ToInt32();
  if (month < 1 || month > 12)
    throw ScriptError(QStringLiteral("DaysInMonth: month %1 is out of the range 1 to 12").arg(month));
  return ScriptValue(kDaysInMonth[month - 1] + (month == 2 && leapYear(year) ? 1 : 0));
}

constexpr TscSysFunction kFunctions[] = {
    {"function EncodeDate(Year, Month, Day: Word): TDateTime", "ctDate", encodeDate},
    {"function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime", "ctDate", encodeTime},
    {"procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word)", "ctDate", decodeDate},
    {"procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word)", "ctDate", decodeTime},
    {"function Date: TDateTime", "ctDate", today},
    {"function Time: TDateTime", "ctDate", timeNow},
    {"function Now: TDateTime", "ctDate", now},
    {"function DayOfWeek(aDate: TDateTime): Integer", "ctDate", dayOfWeek},
    {"function IsLeapYear(Year: Word): Boolean", "ctDate", isLeapYear},
    {"function DaysInMonth(nYear, nMonth: Integer): Integer", "ctDate", daysInMonth},
};

}  // namespace

std::span<const TscSysFunction> scDateFunctions() { return kFunctions; }
