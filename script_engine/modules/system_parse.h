#pragma once
// Reading numbers, dates and times from texts with a locale record, as StrToInt, StrToFloat,
// StrToDate, StrToTime and the Valid* functions do. Each returns false when the text is not one.
#include <QString>

#include <cstdint>

struct TscLocaleFormat;

// Decimal digits with an optional sign, or "$" and hexadecimal digits; blanks around allowed.
bool scParseInteger(const QString& text, std::int64_t& value);
// A decimal number with the record's decimal separator and an optional exponent.
bool scParseFloat(const QString& text, const TscLocaleFormat& locale, double& value);
// Day, month and year in the order of the short date picture, joined by the date separator; a
// missing year is the current one, a two-digit year the nearest within fifty years of today.
bool scParseDate(const QString& text, const TscLocaleFormat& locale, double& value);
// Hours, minutes, optional seconds (and milliseconds after the decimal separator), joined by the
// time separator, optionally followed by the AM or PM text.
bool scParseTime(const QString& text, const TscLocaleFormat& locale, double& value);
// A date, optionally followed by blanks and a time; or a time alone.
bool scParseDateTime(const QString& text, const TscLocaleFormat& locale, double& value);
