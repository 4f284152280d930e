#pragma once
// Number formatting with a picture ("#,##0.00", "0.0E+00", "0.00;(0.00);zero") for display
// formats: the script's FormatFloat pictures with the given separators, so a number looks the
// same in a text object's display format and in a script.
#include <QString>

struct TrpNumberSeparators {
  QChar Decimal = u'.';
  QChar Thousand = u',';
};

QString rpFormatFloatPicture(const QString& picture, double value, const TrpNumberSeparators& separators);
