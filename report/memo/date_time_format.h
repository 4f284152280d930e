#pragma once
// Date-time formatting with a picture of the kind display formats hold ("dd.mm.yyyy",
// "hh:nn:ss", "dddd, d mmmm yyyy", "h:nn am/pm"): the script's FormatDateTime pictures over the
// locale record in use, so a moment looks the same in a display format and in a script.
#include <QDateTime>
#include <QString>

QString rpFormatDateTime(const QString& picture, const QDateTime& value);
