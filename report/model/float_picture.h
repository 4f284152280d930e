#pragma once
// Number formatting with a picture ("#,##0.00", "0.0E+00", "0.00;(0.00);zero"): up to three
// sections for positive, negative and zero values; "0" a digit that is always shown, "#" a digit
// shown when significant, the first "." the decimal point, a "," among the integer digits turns on
// thousands grouping, "E+", "E-", "e+", "e-" scientific notation, and text in single or double
// quotes, like every other character, copied as it stands. The picture is interpreted here, never
// handed to a C library formatter, so a picture read from a file cannot do harm.
#include <QString>

struct TrpNumberSeparators {
  QChar Decimal = u'.';
  QChar Thousand = u',';
};

QString rpFormatFloatPicture(const QString& picture, double value, const TrpNumberSeparators& separators);
