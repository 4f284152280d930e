#include "report/options/date_time_days.h"

#include "script_engine/interpreter/day_number.h"

// Report options keep their dates as script values do, so both go through one conversion.
double rpDateTimeToDays(const QDateTime& value) { return DayNumber::FromDateTime(value); }

QDateTime rpDaysToDateTime(double days) { return DayNumber::ToDateTime(days); }

double rpNowDays() { return rpDateTimeToDays(QDateTime::currentDateTime()); }
