#pragma once
// Date-time formatting with a picture of the kind display formats hold ("dd.mm.yyyy",
// "hh:nn:ss", "dddd, d mmmm yyyy", "h:nn am/pm"). Letters are matched without regard to case:
// d, dd (day), ddd, dddd (day name), ddddd (short date), dddddd (long date), m, mm, mmm, mmmm
// (month; after h or hh it means minutes), yy, yyyy, h, hh, n, nn, s, ss, z, zzz, t (short
// time), tt (long time), c (short date and long time), am/pm, a/p, ampm; "/" and ":" are the
// date and time separators; text in quotes, and every other character, stands as it is. An empty
// picture gives "c".
#include <QDateTime>
#include <QString>

QString rpFormatDateTime(const QString& picture, const QDateTime& value);
