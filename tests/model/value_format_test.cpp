// Values shown through display formats: number pictures, printf-like formats, date-times,
// Booleans, the format's own separators, inline formats, and the fall-back to plain text.
#include "report/memo/memo_inline_format.h"
#include "report/memo/memo_value_format.h"

#include <QDateTime>

#include <memory>

#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "script_engine/compiler/compiler.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/interpreter/script.h"

namespace {

// Formats are persistent objects (not copied); each call makes one that lives for the statement.
std::unique_ptr<TrpFormat> makeFormat(TrpFormatKind kind, const char* text, const char* decimal = "",
                                      const char* thousand = "") {
  auto f = std::make_unique<TrpFormat>();
  f->SetKind(kind);
  f->SetFormatStr(QString::fromUtf8(text));
  f->SetDecimalSeparator(QString::fromUtf8(decimal));
  f->SetThousandSeparator(QString::fromUtf8(thousand));
  return f;
}

struct NumberCase {
  const char* format;
  double value;
  const char* shown;
};

class NumericFormat : public ::testing::TestWithParam<NumberCase> {
 protected:
  void SetUp() override {
    // The cases are written with the C locale's separators.
    if (rpSystemDecimalSeparator() != u'.' || rpSystemThousandSeparator() != u',')
      GTEST_SKIP() << "system separators are not '.' and ','";
  }
};

TEST_P(NumericFormat, ShowsTheNumberAsThePictureSays) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(rpFormatValue(ScriptValue(c.value), *makeFormat(fkNumeric, c.format)), QString::fromUtf8(c.shown))
      << c.format;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, NumericFormat,
    ::testing::Values(NumberCase{"#,##0.00", 1234.5, "1,234.50"}, NumberCase{"0.00", 3.14159, "3.14"},
                      NumberCase{"0.##", 5, "5"}, NumberCase{"0.##", 2.5, "2.5"}, NumberCase{"000", 7, "007"},
                      NumberCase{"#,##0", 1234567, "1,234,567"}, NumberCase{"0.00", -1.25, "-1.25"},
                      NumberCase{"0.00;(0.00)", -2.5, "(2.50)"}, NumberCase{"0.00;(0.00);'nil'", 0, "nil"},
                      NumberCase{"0.0E+00", 12345, "1.2E+04"}, NumberCase{"'Total: '#0.0", 3, "Total: 3.0"}, NumberCase{"'Total: '0.0", 3, "3"} /* no picture: not "#", not a leading "0" */,
                      NumberCase{"00-00", 1234, "12-34"}, NumberCase{"#.00", 0.5, ".50"}));

INSTANTIATE_TEST_SUITE_P(
    Printf, NumericFormat,
    ::testing::Values(NumberCase{"%2.2f", 3.14159, "3.14"}, NumberCase{"%5d", 42, "   42"},
                      NumberCase{"%-5d|", 42, "42   |"}, NumberCase{"%.3d", 7, "007"},
                      NumberCase{"%d", 2.5, "2"},  // integers round halves to even
                      NumberCase{"%.2e", 12345, "1.2E+004"}, NumberCase{"%e", 0.5, "5.00000000000000E-001"}, NumberCase{"%n", 1234567.891, "1,234,567.89"},
                      NumberCase{"%g", 0.5, "0.5"}, NumberCase{"Total: %d%%", 5, "Total: 5%"},
                      NumberCase{"%8.3f", -3.5, "  -3.500"}));

// A format that does not fit its value shows the value's plain text, never garbage or an error.
INSTANTIATE_TEST_SUITE_P(
    Mismatches, NumericFormat,
    ::testing::Values(NumberCase{"%d and %d", 5, "5"}, NumberCase{"no conversion", 5, "5"},
                      NumberCase{"%s", 5, "5"}, NumberCase{"%x", 1.5, "1.5"}, NumberCase{"%u", -3, "-3"},
                      NumberCase{"%999999999d", 5, "5"}, NumberCase{"%.9999f", 1.5, "1.5"},
                      NumberCase{"%n%n%n%n", 1, "1"}, NumberCase{"%", 1, "1"},
                      // One value: no argument index and no "*"; bounded widths and precisions.
                      NumberCase{"%0:d", 5, "5"}, NumberCase{"%*d", 5, "5"}, NumberCase{"%.*f", 1.5, "1.5"},
                      NumberCase{"%1025d", 5, "5"}, NumberCase{"%.65f", 1.5, "1.5"},
                      NumberCase{"%\u0663d", 5, "5"}, NumberCase{"%5", 5, "5"}));

TEST(NumericSeparators, TheFormatsSeparatorsReplaceTheSystems) {
  if (rpSystemDecimalSeparator() != u'.' || rpSystemThousandSeparator() != u',') GTEST_SKIP();
  EXPECT_EQ(rpFormatValue(ScriptValue(3.14159), *makeFormat(fkNumeric, "%2.2f", ",")), QStringLiteral("3,14"));
  EXPECT_EQ(rpFormatValue(ScriptValue(1234.5), *makeFormat(fkNumeric, "#,##0.00", ",", ".")), QStringLiteral("1.234,50"));
  EXPECT_EQ(rpFormatValue(ScriptValue(1234.5), *makeFormat(fkNumeric, "#,##0.00", "", " ")), QStringLiteral("1 234.50"));
  // Separators of more than one character change nothing.
  EXPECT_EQ(rpFormatValue(ScriptValue(1.5), *makeFormat(fkNumeric, "0.0", "::")), QStringLiteral("1.5"));
}

TEST(NumericFormatOfText, ShowsTheTextAsItIs) {
  EXPECT_EQ(rpFormatValue(ScriptValue("abc"), *makeFormat(fkNumeric, "0.00")), QStringLiteral("abc"));
}

TEST(AnyFormat, ANullValueShowsNothing) {
  for (TrpFormatKind kind : {fkText, fkNumeric, fkDateTime, fkBoolean})
    EXPECT_EQ(rpFormatValue(ScriptValue::Null(), *makeFormat(kind, "0.00")), QString()) << kind;
}

TEST(TextFormat, ShowsTheValuesText) {
  EXPECT_EQ(rpFormatValue(ScriptValue(1.5), *makeFormat(fkText, "")), QStringLiteral("1.5"));
  EXPECT_EQ(rpFormatValue(ScriptValue(true), *makeFormat(fkText, "")), QStringLiteral("True"));
}

struct DateCase {
  const char* format;
  const char* shown;
};

class DateTimeFormat : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTimeFormat, ShowsTheMomentAsThePictureSays) {
  const double day = DayNumber::FromDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 45)));
  EXPECT_EQ(rpFormatValue(ScriptValue::DateTime(day), *makeFormat(fkDateTime, GetParam().format)),
            QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, DateTimeFormat,
    ::testing::Values(DateCase{"dd.mm.yyyy", "05.03.2024"}, DateCase{"d.m.yy", "5.3.24"},
                      DateCase{"hh.nn.ss", "14.07.09"}, DateCase{"h.mm", "14.07"},  // m after h: minutes
                      DateCase{"yyyy-mm-dd 'at' hh", "2024-03-05 at 14"}, DateCase{"h am/pm", "2 pm"},
                      DateCase{"HH.NN.zzz", "14.07.045"}, DateCase{"\"day\" d", "day 5"}));

TEST(DateTimeFormatOfText, ShowsTheTextAsItIs) {
  EXPECT_EQ(rpFormatValue(ScriptValue("soon"), *makeFormat(fkDateTime, "dd.mm.yyyy")), QStringLiteral("soon"));
}

TEST(BooleanFormat, ShowsThePartBeforeOrAfterTheComma) {
  EXPECT_EQ(rpFormatValue(ScriptValue(true), *makeFormat(fkBoolean, "Yes,No")), QStringLiteral("Yes"));
  EXPECT_EQ(rpFormatValue(ScriptValue(false), *makeFormat(fkBoolean, "Yes,No")), QStringLiteral("No"));
  EXPECT_EQ(rpFormatValue(ScriptValue(0), *makeFormat(fkBoolean, "Yes,No,Maybe")), QStringLiteral("No,Maybe"));
}

TEST(BooleanFormat, WithoutACommaShowsThePlainValue) {
  EXPECT_EQ(rpFormatValue(ScriptValue(true), *makeFormat(fkBoolean, "Yes")), QStringLiteral("True"));
}

struct InlineCase {
  const char* expression;
  const char* rest;
  std::optional<TrpFormatKind> kind;
  const char* formatStr;
  const char* decimal;
};

class InlineFormat : public ::testing::TestWithParam<InlineCase> {};

TEST_P(InlineFormat, SplitsExpressionAndFormat) {
  const InlineCase& c = GetParam();
  const TrpInlineFormat f = rpSplitInlineFormat(QString::fromUtf8(c.expression));
  EXPECT_EQ(f.Expression, QString::fromUtf8(c.rest));
  EXPECT_EQ(f.Kind, c.kind);
  EXPECT_EQ(f.FormatStr, QString::fromUtf8(c.formatStr));
  EXPECT_EQ(f.DecimalSeparator, QString::fromUtf8(c.decimal));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InlineFormat,
    ::testing::Values(InlineCase{"x #n%2.2f", "x", fkNumeric, "%2.2f", "."},
                      InlineCase{"x #n%2,2f", "x", fkNumeric, "%2.2f", ","},
                      InlineCase{"x #N0-00", "x", fkNumeric, "0.00", "-"},
                      InlineCase{"d #ddd.mm.yyyy", "d", fkDateTime, "dd.mm.yyyy", ""},
                      InlineCase{"t #Thh:nn", "t", fkDateTime, "hh:nn", ""},
                      InlineCase{"b #bYes,No", "b", fkBoolean, "Yes,No", ""},
                      InlineCase{"f(x #1)", "f(x #1)", std::nullopt, "", ""},  // ")" after " #": no split
                      InlineCase{"x#n0.0", "x#n0.0", std::nullopt, "", ""}));  // no blank before "#"

}  // namespace

namespace {

TEST(NumericFormat, AHugePictureIsBoundedNotOverrun) {
  if (rpSystemDecimalSeparator() != u'.') GTEST_SKIP();
  const QString picture = QStringLiteral("0.") + QString(500, u'0');
  const QString shown = rpFormatValue(ScriptValue(1e300), *makeFormat(fkNumeric, picture.toUtf8().constData()));
  EXPECT_TRUE(shown.startsWith(QLatin1String("1000000000")));
  EXPECT_EQ(shown.size() - shown.indexOf(u'.') - 1, 64);
}

}  // namespace

// Text objects' number pictures and the script's FormatFloat are one formatter: over a table of
// pictures and values, a display format shows what FormatFloat returns in a script.
TEST(NumberPictures, ADisplayFormatShowsWhatTheScriptsFormatFloatReturns) {
  if (rpSystemDecimalSeparator() != u'.' || rpSystemThousandSeparator() != u',')
    GTEST_SKIP() << "system separators are not '.' and ','";
  scInstallCompiler();
  // Pictures as display formats take them: holding "#" or starting with "0" (other format texts
  // are printf-like there, so "\"No.\" 0" is a picture only to FormatFloat).
  const char* const pictures[] = {"0", "0.00", "#,##0.00", "#.###", "000", "0.0E+00", "0.00e-00",
                                  "#,##0;(#,##0)", "0.00;(0.00);'zero'", "'$'#,##0.00", "#%", "0\"kg\""};
  const double values[] = {0, 1, -1, 0.5, -0.5, 1234.5678, -1234.5678, 0.000123, 1e12, 99.995, 2.5e-7};
  TscScript script;
  script.SetSyntaxType(QStringLiteral("PascalScript"));
  for (const char* picture : pictures) {
    for (double value : values) {
      const QString text = QString::fromUtf8(picture);
      // Written as a float literal: the script takes an integer literal as Int64, which its
      // FormatFloat does not accept.
      QString literal = QString::number(value, 'g', 17);
      if (!literal.contains(u'.') && !literal.contains(u'e')) literal += QStringLiteral(".0");
      const QString call = QStringLiteral("FormatFloat('%1', %2)")
                               .arg(QString(text).replace(u'\'', QStringLiteral("''")), literal);
      const ScriptValue byScript = script.Evaluate(call);
      ASSERT_FALSE(script.FEvaluteRiseError) << qPrintable(call) << ": " << qPrintable(byScript.ToText());
      EXPECT_EQ(rpFormatValue(ScriptValue(value), *makeFormat(fkNumeric, picture)), byScript.ToText())
          << qPrintable(call);
    }
  }
}
