#include "report/model/date_time_format.h"

#include <QLocale>

#include <array>
#include <functional>

namespace {

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString dateSeparator() {
  for (QChar c : QLocale::system().dateFormat(QLocale::ShortFormat))
    if (!c.isLetter()) return QString(c);
  return QStringLiteral("/");
}

QString timeSeparator() {
  for (QChar c : QLocale::system().timeFormat(QLocale::LongFormat))
    if (!c.isLetter()) return QString(c);
  return QStringLiteral(":");
}

QString shortDate(const QDate& d) { return QLocale::system().toString(d, QLocale::ShortFormat); }
QString longDate(const QDate& d) { return QLocale::system().toString(d, QLocale::LongFormat); }
QString shortTime(const QTime& t) { return QLocale::system().toString(t, QLocale::ShortFormat); }
QString longTime(const QTime& t) { return t.toString(QStringLiteral("HH")) + timeSeparator() + t.toString(QStringLiteral("mm")) + timeSeparator() + t.toString(QStringLiteral("ss")); }

struct State {
  const QDateTime& value;
  bool twelveHour;       // the picture holds an am/pm marker
  bool lastWasHour = false;
};

// One specifier: its text (lower case), and what it writes. Longer ones come first, so the
// first match is the longest.
struct Specifier {
  const char* text;
  std::function<QString(State&)> write;
};

int hourOf(const State& s) {
  const int h = s.value.time().hour();
  if (!s.twelveHour) return h;
  return h % 12 == 0 ? 12 : h % 12;
}

const std::array<Specifier, 25>& specifiers() {
  static const std::array<Specifier, 25> table{{
      {"dddddd", [](State& s) { return longDate(s.value.date()); }},
      {"ddddd", [](State& s) { return shortDate(s.value.date()); }},
      {"dddd", [](State& s) { return QLocale::system().dayName(s.value.date().dayOfWeek(), QLocale::LongFormat); }},
      {"ddd", [](State& s) { return QLocale::system().dayName(s.value.date().dayOfWeek(), QLocale::ShortFormat); }},
      {"dd", [](State& s) { return twoDigits(s.value.date().day()); }},
      {"d", [](State& s) { return QString::number(s.value.date().day()); }},
      {"mmmm", [](State& s) { return QLocale::system().monthName(s.value.date().month(), QLocale::LongFormat); }},
      {"mmm", [](State& s) { return QLocale::system().monthName(s.value.date().month(), QLocale::ShortFormat); }},
      {"mm", [](State& s) { return s.lastWasHour ? twoDigits(s.value.time().minute()) : twoDigits(s.value.date().month()); }},
      {"m", [](State& s) { return QString::number(s.lastWasHour ? s.value.time().minute() : s.value.date().month()); }},
      {"yyyy", [](State& s) { return QStringLiteral("%1").arg(s.value.date().year(), 4, 10, QLatin1Char('0')); }},
      {"yy", [](State& s) { return twoDigits(s.value.date().year() % 100); }},
      {"hh", [](State& s) { return twoDigits(hourOf(s)); }},
      {"h", [](State& s) { return QString::number(hourOf(s)); }},
      {"nn", [](State& s) { return twoDigits(s.value.time().minute()); }},
      {"n", [](State& s) { return QString::number(s.value.time().minute()); }},
      {"ss", [](State& s) { return twoDigits(s.value.time().second()); }},
      {"s", [](State& s) { return QString::number(s.value.time().second()); }},
      {"zzz", [](State& s) { return QStringLiteral("%1").arg(s.value.time().msec(), 3, 10, QLatin1Char('0')); }},
      {"z", [](State& s) { return QString::number(s.value.time().msec()); }},
      {"tt", [](State& s) { return longTime(s.value.time()); }},
      {"t", [](State& s) { return shortTime(s.value.time()); }},
      {"am/pm", [](State& s) { return s.value.time().hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"); }},
      {"a/p", [](State& s) { return s.value.time().hour() < 12 ? QStringLiteral("a") : QStringLiteral("p"); }},
      {"ampm", [](State& s) { return s.value.time().hour() < 12 ? QLocale::system().amText() : QLocale::system().pmText(); }},
  }};
  return table;
}

bool matchesAt(const QString& picture, qsizetype i, const char* text) {
  return QStringView(picture).sliced(i).startsWith(QLatin1String(text), Qt::CaseInsensitive);
}

}  // namespace

QString rpFormatDateTime(const QString& picture, const QDateTime& value) {
  const QString pic = picture.isEmpty() ? QStringLiteral("c") : picture;
  const QString lower = pic.toLower();
  State state{value, lower.contains(QLatin1String("am/pm")) || lower.contains(QLatin1String("a/p")) ||
                         lower.contains(QLatin1String("ampm"))};
  QString out;
  for (qsizetype i = 0; i < pic.size();) {
    const QChar c = pic[i];
    if (c == u'\'' || c == u'"') {
      const qsizetype end = pic.indexOf(c, i + 1);
      out += pic.mid(i + 1, (end < 0 ? pic.size() : end) - i - 1);
      i = end < 0 ? pic.size() : end + 1;
      continue;
    }
    if (c == u'/') { out += dateSeparator(); ++i; continue; }
    if (c == u':') { out += timeSeparator(); ++i; continue; }
    if (c == u'c' || c == u'C') {
      out += shortDate(value.date());
      if (value.time() != QTime(0, 0)) out += u' ' + longTime(value.time());
      ++i;
      continue;
    }
    bool matched = false;
    for (const Specifier& specifier : specifiers()) {
      if (!matchesAt(pic, i, specifier.text)) continue;
      out += specifier.write(state);
      const QString text = QLatin1String(specifier.text);
      state.lastWasHour = text.startsWith(u'h');
      i += text.size();
      matched = true;
      break;
    }
    if (!matched) out += pic[i++];
  }
  return out;
}
