#include "report/xml/xml_value.h"

#include "script_engine/interpreter/day_number.h"
#include "script_engine/interpreter/value.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(XmlValue, ValuesBecomeAttributeText) {
  EXPECT_EQ(rpValueToXML(ScriptValue(42)), QStringLiteral("42"));
  EXPECT_EQ(rpValueToXML(ScriptValue(std::int64_t(1) << 40)), QStringLiteral("1099511627776"));
  EXPECT_EQ(rpValueToXML(ScriptValue(true)), QStringLiteral("1"));
  EXPECT_EQ(rpValueToXML(ScriptValue(false)), QStringLiteral("0"));
  EXPECT_EQ(rpValueToXML(ScriptValue(QStringLiteral("a\"b<"))), QStringLiteral("a&#34;b&#60;"));
  EXPECT_EQ(rpValueToXML(ScriptValue()), QString());
  EXPECT_EQ(rpValueToXML(ScriptValue::Null()), QString());
}

TEST(XmlValue, FloatsUseTheLocaleDecimalSeparator) {
  const QString text = rpValueToXML(ScriptValue(2.5));
  EXPECT_EQ(text, QStringLiteral("2") + QLocale::system().decimalPoint() + QStringLiteral("5"));
}

TEST(XmlValue, DatesUseTheLocaleShortDate) {
  const QDate date(2026, 12, 9);
  EXPECT_EQ(rpValueToXML(ScriptValue::DateTime(DayNumber::FromDate(date))),
            QLocale::system().toString(date, QLocale::ShortFormat));
}

}  // namespace
