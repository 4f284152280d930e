// The locale record of the system functions.
#include "script_engine/modules/system_locale.h"

#include <QLocale>

namespace {

QStringList names(const char* const* list, int count) {
  QStringList result;
  for (int i = 0; i < count; ++i) result << QString::fromLatin1(list[i]);
  return result;
}

// A Qt date-time picture in the script's picture letters: minutes are "n", "M" months are "m",
// "ap" is "ampm". Quoted parts are kept.
QString fromQtPicture(const QString& qt) {
  QString out;
  bool quoted = false;
  for (int i = 0; i < qt.size(); ++i) {
    const QChar c = qt[i];
    if (c == QLatin1Char('\'')) { quoted = !quoted; out += QLatin1Char('"'); continue; }
    if (quoted) { out += c; continue; }
    if (c == QLatin1Char('M')) out += QLatin1Char('m');
    else if (c == QLatin1Char('m')) out += QLatin1Char('n');
    else if (c == QLatin1Char('H')) out += QLatin1Char('h');
    else if (c.toLower() == QLatin1Char('a') && i + 1 < qt.size() && qt[i + 1].toLower() == QLatin1Char('p')) {
      out += QStringLiteral("ampm");
      ++i;
    } else if (c == QLatin1Char('t')) continue;  // time zone: not part of script pictures
    else out += c;
  }
  return out.trimmed();
}

QChar firstNonLetter(const QString& picture, QChar fallback) {
  for (QChar c : picture)
    if (!c.isLetter() && c != QLatin1Char('\'') && c != QLatin1Char(' ')) return c;
  return fallback;
}

TscLocaleFormat& current() {
  static TscLocaleFormat format = TscLocaleFormat::FromQLocale(QLocale::system());
  return format;
}

}  // namespace

TscLocaleFormat TscLocaleFormat::Invariant() {
  static const char* const shortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  static const char* const longMonths[] = {"January", "February", "March",     "April",
                                           "May",     "June",     "July",      "August",
                                           "September", "October", "November", "December"};
  static const char* const shortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const longDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
  TscLocaleFormat f;
  f.ShortMonthNames = names(shortMonths, 12);
  f.LongMonthNames = names(longMonths, 12);
  f.ShortDayNames = names(shortDays, 7);
  f.LongDayNames = names(longDays, 7);
  return f;
}

TscLocaleFormat TscLocaleFormat::FromQLocale(const QLocale& locale) {
  TscLocaleFormat f = Invariant();
  f.DecimalSeparator = locale.decimalPoint().at(0);
  f.ThousandSeparator = locale.groupSeparator().isEmpty() ? QChar() : locale.groupSeparator().at(0);
  f.ShortDateFormat = fromQtPicture(locale.dateFormat(QLocale::ShortFormat));
  f.LongDateFormat = fromQtPicture(locale.dateFormat(QLocale::LongFormat));
  f.ShortTimeFormat = fromQtPicture(locale.timeFormat(QLocale::ShortFormat));
  f.LongTimeFormat = fromQtPicture(locale.timeFormat(QLocale::LongFormat));
  f.DateSeparator = firstNonLetter(f.ShortDateFormat, QLatin1Char('/'));
  f.TimeSeparator = firstNonLetter(f.ShortTimeFormat, QLatin1Char(':'));
  if (!locale.amText().isEmpty()) f.TimeAMString = locale.amText();
  if (!locale.pmText().isEmpty()) f.TimePMString = locale.pmText();
  f.CurrencyString = locale.currencySymbol();
  for (int m = 1; m <= 12; ++m) {
    f.ShortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat);
    f.LongMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat);
  }
  for (int d = 0; d < 7; ++d) {
    const int qtDay = d == 0 ? 7 : d;  // Qt counts Monday as 1, Sunday as 7
    f.ShortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat);
    f.LongDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat);
  }
  return f;
}

const TscLocaleFormat& scLocaleFormat() { return current(); }
void scSetLocaleFormat(const TscLocaleFormat& format) { current() = format; }
