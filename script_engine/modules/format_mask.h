#pragma once
// Edit masks (FormatMaskText): "picture[;keep-literals[;blank]]". Picture characters:
// "0" digit, "9" optional digit, "#" digit or sign, "L" letter, "l" optional letter, "A" letter
// or digit, "a" optional, "C" any character, "c" optional; ">" and "<" switch to upper and lower
// case, "<>" back to as typed, "!" is ignored, "\" quotes the next character, "/" and ":" are
// the date and time separators, "_" is a blank; any other character is a literal.
#include <QString>

struct TscLocaleFormat;

QString scFormatMaskText(const QString& editMask, const QString& value, const TscLocaleFormat& locale);
