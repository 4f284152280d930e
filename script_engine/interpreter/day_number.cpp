#include "script_engine/interpreter/day_number.h"

#include <cmath>

namespace {

constexpr double kMsPerDay = 86400000.0;

QDate epoch() { return QDate(1899, 12, 30); }

// Splits a day number into whole days and milliseconds of the day. The time part is the absolute
// fraction, so -1.25 is day -1 at 06:00, as the day-number convention has it.
void split(double days, qint64& whole, qint64& ms) {
  double intPart = std::trunc(days);
  ms = std::llround(std::fabs(days - intPart) * kMsPerDay);
  whole = static_cast<qint64>(intPart);
  if (ms >= static_cast<qint64>(kMsPerDay)) {  // rounding reached the next midnight
    ms = 0;
    whole += days < 0 ? -1 : 1;
  }
}

}  // namespace

namespace DayNumber {

double FromDate(const QDate& date) { return static_cast<double>(epoch().daysTo(date)); }

double FromTime(const QTime& time) { return time.msecsSinceStartOfDay() / kMsPerDay; }

double FromDateTime(const QDateTime& dateTime) {
  double days = FromDate(dateTime.date());
  double t = FromTime(dateTime.time());
  return days < 0 ? days - t : days + t;
}

QDate ToDate(double days) {
  if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return QDate();
  qint64 whole, ms;
  split(days, whole, ms);
  QDate d = epoch().addDays(whole);
  if (d.year() < 1 || d.year() > 9999) return QDate();
  return d;
}

QTime ToTime(double days) {
  if (!std::isfinite(days)) return QTime();
  qint64 whole, ms;
  split(days, whole, ms);
  return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

QDateTime ToDateTime(double days) {
  QDate d = ToDate(days);
  if (!d.isValid()) return QDateTime();
  return QDateTime(d, ToTime(days));
}

}  // namespace DayNumber
