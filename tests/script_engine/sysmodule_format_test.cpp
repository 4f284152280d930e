// Format, the number and date-time pictures and edit masks, over the pinned locale record.
#include <gtest/gtest.h>

#include "script_engine/front/script_error.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"
#include "sysmodule_support.h"

namespace {

class SystemFormat : public ::testing::Test {
 protected:
  void SetUp() override { PinSystemModuleEnvironment(); }
};

TEST_F(SystemFormat, DateTimePictures) {
  const QString when = QStringLiteral("EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45)");
  const ExpressionCase cases[] = {
      {"yyyy-mm-dd hh:nn:ss.zzz", "2024-03-05 14:07:09.045"},
      {"d/m/yy", "5.3.24"},
      {"dddd, mmmm d", "Tuesday, March 5"},
      {"ddd mmm", "Tue Mar"},
      {"hh:mm", "14:07"},
      {"mm:ss", "07:09"},
      {"h:nn ampm", "2:07 PM"},
      {"h:nn a/p", "2:07 p"},
      {"h:nn am/pm", "2:07 pm"},
      {"c", "05.03.2024 14:07:09"},
      {"ddddd", "05.03.2024"},
      {"dddddd", "Tuesday, 5 March 2024"},
      {"t", "14:07"},
      {"tt", "14:07:09"},
      {"\"Day\" d", "Day 5"},
      {"z", "45"},
  };
  for (const ExpressionCase& c : cases)
    EXPECT_EQ(EvaluateIn(kPascal, QStringLiteral("FormatDateTime('%1', %2)")
                                      .arg(QString::fromLatin1(c.expression).replace(QLatin1Char('\''), QLatin1String("''")), when))
                  .ToText(),
              QString::fromUtf8(c.expected))
        << c.expression;
}

TEST_F(SystemFormat, NumberPictures) {
  ExpectAll(kPascal, {
      {"FormatFloat('0.00', 3.14159)", "3.14"},
      {"FormatFloat('#,##0.00', 1234567.891)", "1,234,567.89"},
      {"FormatFloat('0.###', 2.5)", "2.5"},
      {"FormatFloat('000', 7)", "007"},
      {"FormatFloat('0.00;(0.00)', -5.5)", "(5.50)"},
      {"FormatFloat('0.00', -5.5)", "-5.50"},
      {"FormatFloat('0;-0;\"zero\"', 0)", "zero"},
      {"FormatFloat('0.00E+00', 12345)", "1.23E+04"},
      {"FormatFloat('0.0E-0', 0.00125)", "1.3E-3"},
      {"FormatFloat('0.0', -0.04)", "0.0"},
      {"FormatFloat('$#,##0.00', 1234.5)", "$1,234.50"},
      {"FormatFloat('#.##', 0.5)", ".5"},
      {"FormatFloat('', 2.5)", "2.5"},
      {"FormatFloat('00-00', 1234)", "12-34"},
      {"FormatFloat('0-0', 12345)", "1234-5"},
      {"FormatFloat('#-##', 5)", "-5"},
      {"FormatFloat('0.0 \"kg\"', 2.25 * 2)", "4.5 kg"},
      // Twenty decimals are shown as asked, not cut at the seventeen digits a double holds.
      {"FormatFloat('0.00000000000000000000', 0.0000000000000000001)", "0.00000000000000000010"},
  });
}

TEST_F(SystemFormat, FormatDirectives) {
  ExpectAll(kPascal, {
      {"Format('%d items', [5])", "5 items"},
      {"Format('%5d|%-5d|', [42, 42])", "   42|42   |"},
      {"Format('%.3d', [7])", "007"},
      {"Format('%d', [-7])", "-7"},
      {"Format('%x', [255])", "FF"},
      {"Format('%.2f', [3.14159])", "3.14"},
      {"Format('%f', [2])", "2.00"},
      {"Format('%n', [1234567.891])", "1,234,567.89"},
      {"Format('%m', [1234.5])", "$1,234.50"},
      {"Format('%e', [12345.678])", "1.23456780000000E+004"},
      {"Format('%.3e', [0.00012])", "1.20E-004"},
      {"Format('%g', [0.5])", "0.5"},
      {"Format('%s and %s', ['a', 'b'])", "a and b"},
      {"Format('%1:s %0:s %s', ['a', 'b'])", "b a b"},
      {"Format('%.2s', ['abcdef'])", "ab"},
      {"Format('%s', [EncodeDate(2024, 3, 5)])", "05.03.2024"},
      {"Format('%s', [2.5])", "2.5"},
      {"Format('%*d', [4, 7])", "   7"},
      {"Format('100%%', [0])", "100%"},
  });
}

// Indexes and "*" are read in the order written: an index moves the argument a "*" takes next.
TEST_F(SystemFormat, IndexesAndArgumentCounts) {
  ExpectAll(kPascal, {
      {"Format('%-*d|', [4, 7])", "7   |"},
      {"Format('%.*f', [1, 2.26])", "2.3"},
      {"Format('%*d|', [-3, 7])", "7|"},
      {"Format('%1:-3s|%0:s', ['a', 'b'])", "b  |a"},
      {"Format('%:s', ['a'])", "a"},
      {"Format('%2:*d', [0, 0, 3, 5])", "  5"},
      {"Format('%\u0663d', [7])", "  7"},  // any decimal digit counts
  });
}

TEST_F(SystemFormat, BadDirectivesAreErrors) {
  for (const char* call : {"Format('%d', ['x'])", "Format('%d %d', [1])", "Format('%q', [1])",
                           "Format('%', [1])", "Format('%99999999d', [1])", "Format('%5', [1])",
                           "Format('%*d', [2000000, 1])", "Format('%.1048577f', [1])", "Format('%3:d', [1])"})
    EXPECT_THROW(EvaluateIn(kPascal, QString::fromLatin1(call)), ScriptError) << call;
}

TEST_F(SystemFormat, ScriptTextNeverReachesACFormatter) {
  // Texts that a C formatter would read as directives are plain characters here.
  ExpectAll(kPascal, {{"Format('%s', ['%n%s%x'])", "%n%s%x"},
                      {"FormatFloat('\"%s\"0', 3)", "%s3"}});
}

TEST_F(SystemFormat, EditMasks) {
  ExpectAll(kPascal, {
      {"FormatMaskText('(000) 000-0000;0;_', '5551234567')", "(555) 123-4567"},
      {"FormatMaskText('>LL-00;0;_', 'ab12')", "AB-12"},
      {"FormatMaskText('000-000;1;_', '123-4')", "123-4__"},
      {"FormatMaskText('', 'as is')", "as is"},
  });
}

TEST_F(SystemFormat, AnotherLocaleRecordChangesSeparatorsAndNames) {
  TscLocaleFormat f = scLocaleFormat();
  f.DecimalSeparator = QLatin1Char(',');
  f.ThousandSeparator = QLatin1Char('.');
  f.LongMonthNames[2] = QStringLiteral("März");
  scSetLocaleFormat(f);
  ExpectAll(kPascal, {
      {"FloatToStr(2.5)", "2,5"},
      {"StrToFloat('2,5') = 2.5", "True"},
      {"ValidFloat('2.5')", "False"},
      {"FormatFloat('#,##0.00', 1234.5)", "1.234,50"},
      {"Format('%.1f', [2.26])", "2,3"},
      {"FormatDateTime('mmmm', EncodeDate(2024, 3, 1))", "März"},
  });
}

TEST_F(SystemFormat, OtherSyntaxes) {
  ExpectAll(kCpp, {{"FormatFloat(\"0.0\", 2.25 * 2)", "4.5"}});
  ExpectAll(kBasic, {{"FormatDateTime(\"yyyy\", EncodeDate(1999, 1, 1))", "1999"}});
  ExpectAll(kJScript, {{"FormatFloat(\"000\", 42)", "042"}});
  ExpectAll(kCpp, {{"Format(\"%d-%s\", [5, \"x\"])", "5-x"}});
  ExpectAll(kJScript, {{"Format(\"%d-%s\", [5, \"x\"])", "5-x"}});
  ExpectAll(kBasic, {{"Format(\"%d-%s\", [5, \"x\"])", "5-x"}});
}

}  // namespace
