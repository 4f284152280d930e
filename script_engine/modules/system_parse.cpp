// Reading numbers, dates and times with a locale record.
#include "script_engine/modules/system_parse.h"

#include <QDate>
#include <QStringList>

#include <cmath>

#include "script_engine/interpreter/day_number.h"
#include "script_engine/modules/system_locale.h"

namespace {

bool allDigits(const QString& s) {
  if (s.isEmpty() || s.size() > 9) return false;
  for (QChar c : s)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  return true;
}

// The order of day, month and year in a short date picture: "dmy", "mdy" or "ymd".
QString dateOrder(const QString& picture) {
  QString order;
  for (QChar c : picture.toLower()) {
    const QChar k = c == QLatin1Char('e') ? QLatin1Char('y') : c;
    if ((k == QLatin1Char('d') || k == QLatin1Char('m') || k == QLatin1Char('y')) && !order.contains(k))
      order += k;
  }
  return order.size() == 3 ? order : QStringLiteral("dmy");
}

int fullYear(int year, int digits) {
  if (digits > 2) return year;
  const int now = QDate::currentDate().year();
  int y = now - now % 100 + year;
  if (y > now + 50) y -= 100;
  else if (y <= now - 50) y += 100;
  return y;
}

}  // namespace

bool scParseInteger(const QString& text, std::int64_t& value) {
  QString t = text.trimmed();
  bool negative = false;
  if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
    negative = t[0] == QLatin1Char('-');
    t.remove(0, 1);
  }
  bool ok = false;
  qulonglong v;
  if (t.startsWith(QLatin1Char('$'))) {
    t.remove(0, 1);
    if (t.isEmpty() || t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) return false;
    v = t.toULongLong(&ok, 16);
  } else {
    if (t.isEmpty() || !t[0].isDigit()) return false;
    v = t.toULongLong(&ok, 10);
  }
  if (!ok || v > (negative ? 9223372036854775808ULL : 9223372036854775807ULL)) return false;
  value = negative ? std::int64_t(0 - v) : std::int64_t(v);
  return true;
}

bool scParseFloat(const QString& text, const TscLocaleFormat& locale, double& value) {
  QString t = text.trimmed();
  if (t.isEmpty()) return false;
  if (locale.DecimalSeparator != QLatin1Char('.')) {
    if (t.contains(QLatin1Char('.'))) return false;
    t.replace(locale.DecimalSeparator, QLatin1Char('.'));
  }
  for (QChar c : t)
    if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+') ||
          c.toLower() == QLatin1Char('e')))
      return false;
  bool ok = false;
  value = t.toDouble(&ok);
  return ok && std::isfinite(value);
}

bool scParseDate(const QString& text, const TscLocaleFormat& locale, double& value) {
  const QStringList parts = text.trimmed().split(locale.DateSeparator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  for (const QString& p : parts)
    if (!allDigits(p.trimmed())) return false;
  const QString order = dateOrder(locale.ShortDateFormat);
  int day = 0, month = 0, year = QDate::currentDate().year();
  if (parts.size() == 2) {  // the two parts that are not the year, in picture order
    const QString dm = QString(order).remove(QLatin1Char('y'));
    (dm[0] == QLatin1Char('d') ? day : month) = parts[0].trimmed().toInt();
    (dm[1] == QLatin1Char('d') ? day : month) = parts[1].trimmed().toInt();
  } else {
    for (int i = 0; i < 3; ++i) {
      const QString p = parts[i].trimmed();
      if (order[i] == QLatin1Char('d')) day = p.toInt();
      else if (order[i] == QLatin1Char('m')) month = p.toInt();
      else year = fullYear(p.toInt(), int(p.size()));
    }
  }
  const QDate d(year, month, day);
  if (!d.isValid() || year < 1 || year > 9999) return false;
  value = DayNumber::FromDate(d);
  return true;
}

bool scParseTime(const QString& text, const TscLocaleFormat& locale, double& value) {
  QString t = text.trimmed();
  int ampm = 0;  // 1: AM, 2: PM
  for (int k = 0; k < 2; ++k) {
    const QString mark = k == 0 ? locale.TimeAMString : locale.TimePMString;
    for (const QString& m : {mark, QString::fromLatin1(k == 0 ? "AM" : "PM")}) {
      if (!ampm && !m.isEmpty() && t.endsWith(m, Qt::CaseInsensitive)) {
        ampm = k + 1;
        t = t.left(t.size() - m.size()).trimmed();
      }
    }
  }
  const QStringList parts = t.split(locale.TimeSeparator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  int ms = 0;
  QString secText = parts.size() == 3 ? parts[2].trimmed() : QStringLiteral("0");
  const int dot = int(secText.indexOf(locale.DecimalSeparator));
  if (dot >= 0) {
    const QString msText = secText.mid(dot + 1);
    if (!allDigits(msText) || msText.size() > 3) return false;
    ms = msText.leftJustified(3, QLatin1Char('0')).toInt();
    secText.truncate(dot);
  }
  if (!allDigits(parts[0].trimmed()) || !allDigits(parts[1].trimmed()) || !allDigits(secText))
    return false;
  int hour = parts[0].trimmed().toInt();
  const int minute = parts[1].trimmed().toInt(), second = secText.toInt();
  if (ampm) {
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (ampm == 2 ? 12 : 0);
  }
  const QTime time(hour, minute, second, ms);
  if (!time.isValid()) return false;
  value = DayNumber::FromTime(time);
  return true;
}

bool scParseDateTime(const QString& text, const TscLocaleFormat& locale, double& value) {
  const QString t = text.trimmed();
  if (scParseDate(t, locale, value)) return true;
  const int blank = int(t.indexOf(QLatin1Char(' ')));
  double date = 0, time = 0;
  if (blank > 0 && scParseDate(t.left(blank), locale, date) &&
      scParseTime(t.mid(blank + 1), locale, time)) {
    value = date < 0 ? date - time : date + time;
    return true;
  }
  return scParseTime(t, locale, value);
}
