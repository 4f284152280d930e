#pragma once
// printf-like formatting of one value, as display formats write it ("%2.2f", "%5d", "%.3e",
// "Total: %n"). The format is read by the script's directive reader (printf_reader.h): a format
// string read from a report file is never handed to a C library formatter. Conversions: d, u, x
// (integers), f, e, g, n (floats), each with an optional "-" (left-justify), width and
// ".precision"; "%%" is a percent sign. A format that does not hold exactly one conversion
// fitting the value raises TrpFormatMismatch, and the caller shows the value's plain text instead.
#include <QString>

#include <cstdint>
#include <stdexcept>

#include "report/memo/float_picture.h"

class TrpFormatMismatch : public std::runtime_error {
 public:
  TrpFormatMismatch() : std::runtime_error("format does not match its value") {}
};

QString rpFormatPrintfInteger(const QString& format, std::int64_t value, const TrpNumberSeparators& separators);
QString rpFormatPrintfFloat(const QString& format, double value, const TrpNumberSeparators& separators);
