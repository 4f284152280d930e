#pragma once
// The locale record the system functions format and parse with: separators, date and time
// pictures, month and day names. Scripts never see the machine's C locale; the record is read
// from QLocale once at start-up (or pinned by a host or a test).
#include <QString>
#include <QStringList>

struct TscLocaleFormat {
  QChar DecimalSeparator = QLatin1Char('.');
  QChar ThousandSeparator = QLatin1Char(',');
  QChar DateSeparator = QLatin1Char('/');
  QChar TimeSeparator = QLatin1Char(':');
  QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
  QString LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
  QString ShortTimeFormat = QStringLiteral("hh:nn");
  QString LongTimeFormat = QStringLiteral("hh:nn:ss");
  QString TimeAMString = QStringLiteral("AM");
  QString TimePMString = QStringLiteral("PM");
  QString CurrencyString = QStringLiteral("$");
  int CurrencyDecimals = 2;
  QStringList ShortMonthNames, LongMonthNames;  // 12 each, January first
  QStringList ShortDayNames, LongDayNames;      // 7 each, Sunday first

  // English names, the separators and pictures above.
  static TscLocaleFormat Invariant();
  // The record of a Qt locale, pictures translated into the script's picture letters.
  static TscLocaleFormat FromQLocale(const class QLocale& locale);
};

// The record in use: the machine's locale until a host or a test pins another.
const TscLocaleFormat& scLocaleFormat();
void scSetLocaleFormat(const TscLocaleFormat& format);
