// The locale record read from Qt locales: separators, pictures in script letters, names.
#include <gtest/gtest.h>

#include <QLocale>

#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"
#include "sysmodule_support.h"

namespace {

TEST(SystemLocale, GermanRecordUsesCommaPointAndGermanNames) {
  const TscLocaleFormat f = TscLocaleFormat::FromQLocale(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(f.DecimalSeparator, QLatin1Char(','));
  EXPECT_EQ(f.ThousandSeparator, QLatin1Char('.'));
  EXPECT_EQ(f.DateSeparator, QLatin1Char('.'));
  EXPECT_EQ(f.LongMonthNames.value(2), QStringLiteral("März"));
  EXPECT_EQ(f.LongDayNames.value(0), QStringLiteral("Sonntag"));
  EXPECT_FALSE(f.ShortDateFormat.contains(QLatin1Char('M'))) << f.ShortDateFormat.toStdString();
  EXPECT_EQ(scFormatFloat(QStringLiteral("#,##0.00"), 1234.5, f), QStringLiteral("1.234,50"));
}

TEST(SystemLocale, AmericanRecordHasATwelveHourClockInScriptLetters) {
  const TscLocaleFormat f = TscLocaleFormat::FromQLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(f.DecimalSeparator, QLatin1Char('.'));
  EXPECT_EQ(f.DateSeparator, QLatin1Char('/'));
  EXPECT_TRUE(f.ShortTimeFormat.contains(QLatin1String("nn"))) << f.ShortTimeFormat.toStdString();
  EXPECT_TRUE(f.ShortTimeFormat.contains(QLatin1String("ampm"))) << f.ShortTimeFormat.toStdString();
  // 14:07 on the short time picture of this record.
  EXPECT_TRUE(scFormatDateTime(f.ShortTimeFormat, 14.0 / 24 + 7.0 / 1440, f).startsWith(QLatin1String("2:07")));
  EXPECT_EQ(f.ShortDayNames.value(0), QStringLiteral("Sun"));
}

}  // namespace
