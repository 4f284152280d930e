#pragma once
// Dates and times as script values carry them: a floating-point number of days counted from
// 30 December 1899, the fraction being the time of day. Negative numbers count backwards, but the
// time part of a negative number still runs forwards from midnight (-1.25 is 29 December 1899, 06:00).
#include <QDate>
#include <QDateTime>
#include <QTime>

namespace DayNumber {

double FromDate(const QDate& date);
double FromTime(const QTime& time);   // fraction of a day, 0 <= t < 1
double FromDateTime(const QDateTime& dateTime);

QDate ToDate(double days);            // invalid for values outside the years 1..9999
QTime ToTime(double days);            // rounded to the millisecond
QDateTime ToDateTime(double days);

}  // namespace DayNumber
