// Date and time functions of the system module, over the pinned locale record.
#include <gtest/gtest.h>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"
#include "sysmodule_support.h"

namespace {

class SystemDates : public ::testing::Test {
 protected:
  void SetUp() override { PinSystemModuleEnvironment(); }
};

TEST_F(SystemDates, CalendarFunctions) {
  ExpectAll(kPascal, {
      {"DaysInMonth(2024, 2)", "29"},  {"DaysInMonth(2023, 2)", "28"},
      {"DaysInMonth(1900, 2)", "28"},  {"DaysInMonth(2000, 2)", "29"},
      {"DaysInMonth(2023, 1)", "31"},  {"DaysInMonth(2023, 4)", "30"},
      {"DaysInMonth(2023, 12)", "31"}, {"IsLeapYear(2024)", "True"},
      {"IsLeapYear(2100)", "False"},   {"IsLeapYear(2000)", "True"},
      {"DayOfWeek(EncodeDate(2024, 1, 7))", "1"},
      {"DayOfWeek(EncodeDate(2024, 1, 13))", "7"},
      {"DayOfWeek(EncodeDate(2024, 3, 5))", "3"},
  });
}

TEST_F(SystemDates, DaysInMonthRefusesAMonthOutsideTheYear) {
  for (const char* call : {"DaysInMonth(2024, 0)", "DaysInMonth(2024, 13)", "DaysInMonth(2024, -1)"})
    EXPECT_THROW(EvaluateIn(kPascal, QString::fromLatin1(call)), ScriptError) << call;
}

TEST_F(SystemDates, EncodeGivesDayNumbers) {
  EXPECT_DOUBLE_EQ(EvaluateIn(kPascal, QStringLiteral("EncodeDate(2024, 2, 29)")).ToDouble(),
                   DayNumber::FromDate(QDate(2024, 2, 29)));
  EXPECT_DOUBLE_EQ(EvaluateIn(kPascal, QStringLiteral("EncodeDate(1899, 12, 30)")).ToDouble(), 0.0);
  EXPECT_DOUBLE_EQ(EvaluateIn(kPascal, QStringLiteral("EncodeTime(18, 0, 0, 0)")).ToDouble(), 0.75);
}

TEST_F(SystemDates, EncodeRefusesInvalidParts) {
  for (const char* call : {"EncodeDate(2023, 2, 29)", "EncodeDate(2023, 13, 1)", "EncodeDate(0, 1, 1)",
                           "EncodeTime(24, 0, 0, 0)", "EncodeTime(1, 60, 0, 0)", "EncodeTime(1, 0, 0, 1000)"})
    EXPECT_THROW(EvaluateIn(kPascal, QString::fromLatin1(call)), ScriptError) << call;
}

TEST_F(SystemDates, DecodeWritesTheParts) {
  auto s = RunProgram(kPascal, {"var y, m, d, h, n, sec, ms: Word;",
                                "begin DecodeDate(EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45), y, m, d);",
                                "DecodeTime(EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45), h, n, sec, ms); end."});
  const char* names[] = {"y", "m", "d", "h", "n", "sec", "ms"};
  const int values[] = {2024, 3, 5, 14, 7, 9, 45};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(s->Variable(QString::fromLatin1(names[i])).ToInt32(), values[i]) << names[i];
}

TEST_F(SystemDates, DateTextsFollowTheLocaleRecord) {
  ExpectAll(kPascal, {
      {"DateToStr(EncodeDate(2024, 3, 5))", "05.03.2024"},
      {"TimeToStr(EncodeTime(13, 5, 9, 0))", "13:05:09"},
      {"DateTimeToStr(EncodeDate(2024, 3, 5) + EncodeTime(13, 5, 9, 0))", "05.03.2024 13:05:09"},
      {"DateTimeToStr(EncodeDate(2024, 3, 5))", "05.03.2024"},
      {"VarToStr(EncodeDate(2024, 3, 5))", "05.03.2024"},
      {"StrToDate('05.03.2024') = EncodeDate(2024, 3, 5)", "True"},
      {"StrToDate('5.3.24') = EncodeDate(2024, 3, 5)", "True"},
      {"StrToTime('13:05') = EncodeTime(13, 5, 0, 0)", "True"},
      {"StrToTime('1:05:30 PM') = EncodeTime(13, 5, 30, 0)", "True"},
      {"StrToTime('12:00 AM') = 0", "True"},
      {"StrToDateTime('05.03.2024 13:05:09') = EncodeDate(2024, 3, 5) + EncodeTime(13, 5, 9, 0)", "True"},
  });
}

TEST_F(SystemDates, InvalidDateAndTimeTextsAreErrors) {
  for (const char* call : {"StrToDate('2024-03-05')", "StrToDate('32.01.2024')", "StrToTime('25:00')",
                           "StrToTime('noon')", "StrToDateTime('05.03.2024 xx')"})
    EXPECT_THROW(EvaluateIn(kPascal, QString::fromLatin1(call)), ScriptError) << call;
}

TEST_F(SystemDates, ClockFunctionsAgree) {
  ExpectAll(kPascal, {{"(Now >= Date) and (Now - Date < 1)", "True"},
                      {"(Time >= 0) and (Time < 1)", "True"},
                      {"Date = Trunc(Date)", "True"}});
}

TEST_F(SystemDates, OtherSyntaxes) {
  ExpectAll(kCpp, {{"DaysInMonth(2024, 2)", "29"}, {"DateToStr(EncodeDate(2001, 12, 31))", "31.12.2001"}});
  ExpectAll(kBasic, {{"IsLeapYear(1996)", "True"}});
  ExpectAll(kJScript, {{"DayOfWeek(EncodeDate(2024, 1, 7))", "1"}});
}

}  // namespace
