#pragma once
// Date-times as report options and scripts hold them: days since 30 December 1899, the time of
// day as the fraction.
#include <QDateTime>

double rpDateTimeToDays(const QDateTime& value);
QDateTime rpDaysToDateTime(double days);
// The current local date and time as days.
double rpNowDays();
