#pragma once
// Number and date-time pictures (FormatFloat, FormatDateTime) and the printf-like Format, all
// written over a locale record; a script's text never reaches a C formatting function.
#include <QString>

#include <vector>

#include "script_engine/interpreter/value.h"

struct TscLocaleFormat;

// Date-time picture letters: c, d, dd, ddd, dddd, ddddd, dddddd, e/ee (as y/yy), m, mm, mmm,
// mmmm (minutes right after h or before s), yy, yyyy, h, hh, n, nn, s, ss, z, zzz, t, tt,
// am/pm, a/p, ampm, "/" and ":" (the separators); "..." and '...' are copied.
QString scFormatDateTime(const QString& picture, double dateTime, const TscLocaleFormat& locale);

// Number pictures: up to three sections (positive;negative;zero) of "0", "#", ".", ",",
// "E+", "E-", "e+", "e-" and quoted or other literal characters.
QString scFormatFloat(const QString& picture, double value, const TscLocaleFormat& locale);

// "%[index:][-][width][.precision]type" with the types d, u, e, f, g, n, m, p, s, x; "*" takes
// the width or precision from the arguments; "%%" is a percent sign.
QString scFormatText(const QString& format, const std::vector<ScriptValue>& args,
                     const TscLocaleFormat& locale);

// Shortest general text of a number (at most 15 significant digits) with the decimal separator.
QString scFloatToStr(double value, const TscLocaleFormat& locale);
