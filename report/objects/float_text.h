#pragma once
// The text form of report floats: what difference records and report files hold. Floats are
// written as the shortest general text of up to 15 significant digits with "." as the decimal
// separator, whatever the user's locale, so files read back the same everywhere; reading accepts
// "." and ",".
#include <QString>

#include "report/units/report_units.h"

// 1000 -> "1000", 0.5 -> "0.5", 5.000625 -> "5.000625", 755.9012755875 -> "755.9012755875".
// Values of 1e15 and above, or below 1e-5 in magnitude, are written in scientific form
// ("1E15", "1.5E-6").
QString rpFloatToStr(Extended value);

// Reads a float written by rpFloatToStr or typed by a user: blanks are ignored, "," counts as
// the decimal separator. False (and `result` unchanged) when the text is not a finite number.
bool rpTryStrToFloat(const QString& text, Extended& result);
