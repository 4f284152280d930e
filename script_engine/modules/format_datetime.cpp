// Date-time pictures. The picture is read left to right; a letter run is one directive. "m"
// right after an hour directive (or right before a seconds directive) means minutes.
#include <QDate>
#include <QTime>

#include <cmath>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"

namespace {

// c, ddddd, dddddd, t and tt expand to locale pictures, which may not expand again forever.
constexpr int kMaxNesting = 4;

struct DateParts {
  QDate date;
  QTime time;
};

class DateTimeWriter {
 public:
  DateTimeWriter(const DateParts& p, const TscLocaleFormat& l) : P(p), L(l) {}
  void write(const QString& picture, int nesting);
  QString out;

 private:
  int run(const QString& s, int i, QChar c) const {
    int n = 0;
    while (i + n < s.size() && s[i + n].toLower() == c) ++n;
    return n;
  }
  static QString two(int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }
  bool minutesFollow(const QString& s, int i) const;
  int directive(const QString& s, int i, int nesting);
  int ampm(const QString& s, int i);

  const DateParts& P;
  const TscLocaleFormat& L;
  bool afterHour = false;
  bool clock12 = false;
};

// Whether an "m" at i means minutes: an hour came before it, or seconds come next.
bool DateTimeWriter::minutesFollow(const QString& s, int i) const {
  if (afterHour) return true;
  for (int j = i; j < s.size(); ++j) {
    const QChar c = s[j].toLower();
    if (c == QLatin1Char('m')) continue;
    if (c == QLatin1Char('s')) return true;
    if (c.isLetter()) return false;
  }
  return false;
}

int DateTimeWriter::ampm(const QString& s, int i) {
  const QString rest = s.mid(i);
  const int hour = P.time.hour();
  if (rest.startsWith(QLatin1String("ampm"), Qt::CaseInsensitive)) {
    out += hour < 12 ? L.TimeAMString : L.TimePMString;
    return 4;
  }
  if (rest.startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)) {
    const QString t = hour < 12 ? rest.left(2) : rest.mid(3, 2);
    out += t;
    return 5;
  }
  if (rest.startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)) {
    out += hour < 12 ? rest[0] : rest[2];
    return 3;
  }
  out += s[i];
  return 1;
}

int DateTimeWriter::directive(const QString& s, int i, int nesting) {
  const QChar c = s[i].toLower();
  const int n = run(s, i, c);
  const bool wasAfterHour = afterHour;
  afterHour = false;
  switch (c.unicode()) {
    case 'c':
      write(L.ShortDateFormat, nesting + 1);
      if (P.time.msecsSinceStartOfDay() != 0) {
        out += QLatin1Char(' ');
        write(L.LongTimeFormat, nesting + 1);
      }
      return 1;
    case 'd':
      if (n == 1) out += QString::number(P.date.day());
      else if (n == 2) out += two(P.date.day());
      else if (n == 3) out += L.ShortDayNames.value(P.date.dayOfWeek() % 7);
      else if (n == 4) out += L.LongDayNames.value(P.date.dayOfWeek() % 7);
      else if (n == 5) write(L.ShortDateFormat, nesting + 1);
      else write(L.LongDateFormat, nesting + 1);
      return std::min(n, 6);
    case 'y':
    case 'e':
      if (n <= 2) out += two(P.date.year() % 100);
      else out += QString::number(P.date.year()).rightJustified(4, QLatin1Char('0'));
      return n;
    case 'm':
      afterHour = false;
      if (minutesFollow(s, i) || wasAfterHour) {
        out += n >= 2 ? two(P.time.minute()) : QString::number(P.time.minute());
        return std::min(n, 2);
      }
      if (n == 1) out += QString::number(P.date.month());
      else if (n == 2) out += two(P.date.month());
      else if (n == 3) out += L.ShortMonthNames.value(P.date.month() - 1);
      else out += L.LongMonthNames.value(P.date.month() - 1);
      return std::min(n, 4);
    case 'h': {
      int hour = P.time.hour();
      if (clock12) hour = hour % 12 == 0 ? 12 : hour % 12;
      out += n >= 2 ? two(hour) : QString::number(hour);
      afterHour = true;
      return std::min(n, 2);
    }
    case 'n':
      out += n >= 2 ? two(P.time.minute()) : QString::number(P.time.minute());
      return std::min(n, 2);
    case 's':
      out += n >= 2 ? two(P.time.second()) : QString::number(P.time.second());
      return std::min(n, 2);
    case 'z':
      out += n >= 3 ? QString::number(P.time.msec()).rightJustified(3, QLatin1Char('0'))
                    : QString::number(P.time.msec());
      return n >= 3 ? 3 : 1;
    case 't':
      write(n >= 2 ? L.LongTimeFormat : L.ShortTimeFormat, nesting + 1);
      return std::min(n, 2);
    case 'a':
      return ampm(s, i);
    default:
      out += s[i];
      return 1;
  }
}

// Whether the picture has an AM/PM directive, which turns hours into a 12-hour clock.
bool hasAmPm(const QString& s) {
  return s.contains(QLatin1String("ampm"), Qt::CaseInsensitive) ||
         s.contains(QLatin1String("am/pm"), Qt::CaseInsensitive) ||
         s.contains(QLatin1String("a/p"), Qt::CaseInsensitive);
}

void DateTimeWriter::write(const QString& s, int nesting) {
  if (nesting > kMaxNesting) throw ScriptError(QStringLiteral("The date-time picture refers to itself"));
  const bool was12 = clock12;
  clock12 = hasAmPm(s);
  for (int i = 0; i < s.size();) {
    const QChar c = s[i];
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      const int end = int(s.indexOf(c, i + 1));
      const int stop = end < 0 ? int(s.size()) : end;
      out += s.mid(i + 1, stop - i - 1);
      i = stop + 1;
    } else if (c == QLatin1Char('/')) {
      out += L.DateSeparator;
      ++i;
    } else if (c == QLatin1Char(':')) {
      out += L.TimeSeparator;
      ++i;
    } else if (c.isLetter() && c.unicode() < 128) {
      i += directive(s, i, nesting);
    } else {
      out += c;
      ++i;
    }
  }
  clock12 = was12;
}

}  // namespace

QString scFormatDateTime(const QString& picture, double dateTime, const TscLocaleFormat& locale) {
  if (!std::isfinite(dateTime)) throw ScriptError(QStringLiteral("Invalid date-time value"));
  DateParts parts{DayNumber::ToDate(dateTime), DayNumber::ToTime(dateTime)};
  if (!parts.date.isValid()) throw ScriptError(QStringLiteral("The date is out of the years 1 to 9999"));
  DateTimeWriter w(parts, locale);
  w.write(picture.isEmpty() ? QStringLiteral("c") : picture, 0);
  return w.out;
}
