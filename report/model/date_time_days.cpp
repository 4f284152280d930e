#include "report/model/date_time_days.h"

#include <cmath>

namespace {
const qint64 kEpochJulianDay = QDate(1899, 12, 30).toJulianDay();
constexpr double kMsecsPerDay = 86400000.0;
}  // namespace

double rpDateTimeToDays(const QDateTime& value) {
  const double day = static_cast<double>(value.date().toJulianDay() - kEpochJulianDay);
  return day + value.time().msecsSinceStartOfDay() / kMsecsPerDay;
}

QDateTime rpDaysToDateTime(double days) {
  const double whole = std::floor(days);
  const QDate date = QDate::fromJulianDay(kEpochJulianDay + static_cast<qint64>(whole));
  const int msecs = static_cast<int>(std::llround((days - whole) * kMsecsPerDay));
  return QDateTime(date, QTime(0, 0)).addMSecs(msecs);
}

double rpNowDays() { return rpDateTimeToDays(QDateTime::currentDateTime()); }
