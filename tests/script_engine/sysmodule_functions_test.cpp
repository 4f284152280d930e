// String, conversion, mathematical and other system functions, table-driven in PascalScript with
// a few cases in the other syntaxes.
#include <gtest/gtest.h>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/helpers.h"
#include "sysmodule_support.h"

namespace {

class SystemFunctions : public ::testing::Test {
 protected:
  void SetUp() override { PinSystemModuleEnvironment(); }
};

TEST_F(SystemFunctions, StringFunctions) {
  ExpectAll(kPascal, {
      {"Length('hello')", "5"},          {"Length(123)", "3"},
      {"Length('')", "0"},               {"Copy('abcdef', 2, 3)", "bcd"},
      {"Copy('abcdef', 5, 10)", "ef"},   {"Copy('abcdef', 0, 2)", "ab"},
      {"Copy('abcdef', 9, 2)", ""},      {"Copy('abcdef', 2, -1)", ""},
      {"Pos('cd', 'abcdcd')", "3"},      {"Pos('x', 'abc')", "0"},
      {"Pos('', 'abc')", "0"},
      {"Uppercase('aBc ä')", "ABC Ä"},   {"Lowercase('AbC')", "abc"},
      {"Trim('  a b'#9)", "a b"},        {"Trim('')", ""},
      {"NameCase('the quick fox')", "The Quick Fox"},
      {"NameCase('ONE  TWO')", "One  Two"},
      {"NameCase(' lead')", " lead"},
      {"CompareText('abc', 'ABC')", "0"}, {"CompareText('abc', 'abd')", "-1"},
      {"CompareText('b', 'A')", "1"},
      {"Chr(65)", "A"},                  {"Ord('A')", "65"},
      {"Ord('')", "0"},                  {"Ord('€')", "8364"},
  });
}

TEST_F(SystemFunctions, ConversionFunctions) {
  ExpectAll(kPascal, {
      {"IntToStr(-42)", "-42"},             {"FloatToStr(2.5)", "2.5"},
      {"FloatToStr(1/3)", "0.333333333333333"},
      {"BoolToStr(True)", "-1"},            {"BoolToStr(False)", "0"},
      {"StrToBool('True')", "True"},        {"StrToBool('0')", "False"},
      {"VarToStr(Null)", ""},               {"VarToStr(12)", "12"},
      {"VarToStr(1.25)", "1.25"},           {"StrToInt(' 12 ')", "12"},
      {"StrToInt('$1F')", "31"},            {"StrToInt('-7')", "-7"},
      {"StrToInt64('5000000000')", "5000000000"},
      {"StrToFloat('2.75')", "2.75"},       {"StrToFloat('1e3')", "1000"},
      {"ValidInt('12')", "True"},           {"ValidInt('1.5')", "False"},
      {"ValidInt('99999999999')", "False"}, {"ValidFloat('1.5')", "True"},
      {"ValidFloat('1,5')", "False"},       {"ValidDate('29.02.2024')", "True"},
      {"ValidDate('29.02.2023')", "False"}, {"ValidDate('x')", "False"},
  });
}

TEST_F(SystemFunctions, TextThatIsNoNumberIsAnError) {
  for (const char* call : {"StrToInt('12a')", "StrToInt('')", "StrToInt('99999999999')",
                           "StrToFloat('abc')", "StrToDate('31.02.2024')"})
    EXPECT_THROW(EvaluateIn(kPascal, QString::fromLatin1(call)), ScriptError) << call;
}

TEST_F(SystemFunctions, MathFunctions) {
  ExpectAll(kPascal, {
      {"Round(2.5)", "2"},     {"Round(3.5)", "4"},      {"Round(-2.5)", "-2"},
      {"Round(2.6)", "3"},     {"Trunc(-2.7)", "-2"},    {"Trunc(2.7)", "2"},
      {"Int(2.7)", "2"},       {"Frac(2.75)", "0.75"},   {"Frac(-2.75)", "-0.75"},
      {"Sqrt(16)", "4"},       {"Abs(-3.5)", "3.5"},     {"Abs(-3)", "3"},
      {"Sin(0)", "0"},         {"Cos(0)", "1"},          {"ArcTan(1) * 4 = Pi", "True"},
      {"Exp(0)", "1"},         {"Ln(Exp(2))", "2"},      {"Tan(0)", "0"},
      {"Round(Pi * 1000)", "3142"},
  });
}

TEST_F(SystemFunctions, InvalidFloatingPointOperationsAreErrors) {
  for (const char* call : {"Sqrt(-1)", "Ln(0)", "Ln(-1)", "Exp(1000)", "Round(1e30)"})
    EXPECT_THROW(EvaluateIn(kPascal, QString::fromLatin1(call)), ScriptError) << call;
}

TEST_F(SystemFunctions, OtherSyntaxesCallTheSameFunctions) {
  ExpectAll(kCpp, {{"Copy(\"abcdef\", 2, 3)", "bcd"}, {"Round(3.5)", "4"}, {"IntToStr(7) + \"x\"", "7x"}});
  ExpectAll(kBasic, {{"Uppercase(\"abc\")", "ABC"}, {"Pos(\"b\", \"abc\")", "2"}});
  ExpectAll(kJScript, {{"Trunc(-2.7)", "-2"}, {"NameCase(\"a b\")", "A B"}});
}

TEST_F(SystemFunctions, ByReferenceProcedures) {
  auto s = RunProgram(kPascal, {"var s, t: String; i, j: Integer;",
                                "begin s := 'abcdef'; Delete(s, 2, 3); t := 'ad'; Insert('bc', t, 2);",
                                "i := 5; Inc(i); Inc(i, 10); j := 5; Dec(j); Dec(j, 3); end."});
  EXPECT_EQ(s->Variable(QStringLiteral("s")).ToText(), QStringLiteral("aef"));
  EXPECT_EQ(s->Variable(QStringLiteral("t")).ToText(), QStringLiteral("abcd"));
  EXPECT_EQ(s->Variable(QStringLiteral("i")).ToInt32(), 16);
  EXPECT_EQ(s->Variable(QStringLiteral("j")).ToInt32(), 1);
}

TEST_F(SystemFunctions, DeleteStrAndOutOfRangePositionsAreClamped) {
  auto s = RunProgram(kPascal, {"var a, b, c: String;",
                                "begin a := 'abc'; DeleteStr(a, 2, 100); b := 'abc'; Delete(b, 9, 1);",
                                "c := 'abc'; Insert('X', c, 99); end."});
  EXPECT_EQ(s->Variable(QStringLiteral("a")).ToText(), QStringLiteral("a"));
  EXPECT_EQ(s->Variable(QStringLiteral("b")).ToText(), QStringLiteral("abc"));
  EXPECT_EQ(s->Variable(QStringLiteral("c")).ToText(), QStringLiteral("abcX"));
}

TEST_F(SystemFunctions, SetLengthCutsAndLengthensStringsAndArrays) {
  auto s = RunProgram(kPascal, {"var a, b: String; v, e: Variant; n, m: Integer;",
                                "begin a := 'abcdef'; SetLength(a, 2); b := 'ab'; SetLength(b, 4);",
                                "v := VarArrayCreate([0, 9], varVariant); SetLength(v, 3); n := Length(v);",
                                "SetLength(e, 4); m := Length(e); end."});
  EXPECT_EQ(s->Variable(QStringLiteral("a")).ToText(), QStringLiteral("ab"));
  EXPECT_EQ(s->Variable(QStringLiteral("b")).ToText(), QStringLiteral("ab  "));
  EXPECT_EQ(s->Variable(QStringLiteral("n")).ToInt32(), 3);
  EXPECT_EQ(s->Variable(QStringLiteral("m")).ToInt32(), 4);
}

struct ErrorCase {
  const char* statement;
  const char* messageStart;
};

TEST_F(SystemFunctions, SizesAreChecked) {
  const ErrorCase cases[] = {
      {"s := 'ab'; SetLength(s, -1);", "SetLength: negative length"},
      {"s := 'ab'; SetLength(s, 2000000000);", "SetLength: length 2000000000 is too large"},
      {"v := VarArrayCreate([0, 3], varVariant); SetLength(v, 2000000000);", "SetLength: length"},
      {"v := 5; SetLength(v, 2);", "SetLength: the value is neither"},
      {"v := VarArrayCreate([0, 2000000000], varVariant);", "VarArrayCreate: the array is too large"},
      {"v := VarArrayCreate([1, 16777217], varVariant);", "VarArrayCreate: the array is too large"},
      {"SetLength(v, 16777217);", "SetLength: length 16777217 is too large"},
      {"v := VarArrayCreate([0, 100000, 0, 100000], varVariant);", "VarArrayCreate: the array is too large"},
      {"v := VarArrayCreate([5, 3], varVariant);", "VarArrayCreate: high bound 3 is below"},
      {"v := VarArrayCreate([1, 2, 3], varVariant);", "VarArrayCreate: the bounds must be"},
      {"v := 5; v := VarArrayCreate(v, varVariant);", "VarArrayCreate: the bounds must be"},
      {"v := VarArrayCreate([0, 1], -1);", "VarArrayCreate: invalid element type"},
      {"v := 9223372036854775807; Inc(v);", "Inc: integer overflow"},
      {"v := -9223372036854775807; Dec(v, 2);", "Dec: integer overflow"},
      {"v := 1; Dec(v, -9223372036854775807 - 1);", "Dec: integer overflow"},
  };
  for (const ErrorCase& c : cases) {
    const QString message = RuntimeError(
        kPascal, {"var s: String; v: Variant;", QStringLiteral("begin %1 end.").arg(QLatin1String(c.statement))});
    EXPECT_TRUE(message.startsWith(QLatin1String(c.messageStart))) << c.statement << " -> " << message.toStdString();
  }
}

TEST_F(SystemFunctions, LengthOfADeclaredArrayCountsItsElements) {
  auto s = RunProgram(kPascal, {"var a: array[1..10] of Integer; n: Integer;", "begin n := Length(a); end."});
  EXPECT_EQ(s->Variable(QStringLiteral("n")).ToInt32(), 10);
}

TEST_F(SystemFunctions, VarArraysAndVarType) {
  auto s = RunProgram(kPascal, {"var v: Variant; t1, t2, t3, t4, lo, hi: Integer;",
                                "begin v := VarArrayCreate([2, 4, 0, 1], varInteger); v[3, 1] := 7;",
                                "t1 := VarType(v); t2 := VarType(v[3, 1]); t3 := VarType('s'); t4 := VarType(Null);",
                                "lo := Length(v); end."});
  EXPECT_EQ(s->Variable(QStringLiteral("t1")).ToInt32(), 8192 + 3);
  EXPECT_EQ(s->Variable(QStringLiteral("t2")).ToInt32(), 3);
  EXPECT_EQ(s->Variable(QStringLiteral("t3")).ToInt32(), 256);
  EXPECT_EQ(s->Variable(QStringLiteral("t4")).ToInt32(), 1);
  EXPECT_EQ(s->Variable(QStringLiteral("lo")).ToInt32(), 3);
}

TEST_F(SystemFunctions, ShowMessageGoesThroughTheInstalledDialogs) {
  RunProgram(kPascal, {"begin ShowMessage('hello'); ShowMessage(42); end."});
  EXPECT_EQ(TakeShownMessages(), (QStringList{"hello", "42"}));
}

TEST_F(SystemFunctions, RaiseExceptionRaisesItsMessage) {
  EXPECT_EQ(RuntimeError(kPascal, {"begin RaiseException('stop here'); end."}), QStringLiteral("stop here"));
}

TEST_F(SystemFunctions, CreateOleObjectIsAClearError) {
  EXPECT_EQ(RuntimeError(kPascal, {"var o: Variant; begin o := CreateOleObject('Word.Application'); end."}),
            scNoAutomationMessage(QStringLiteral("Word.Application")));
}

TEST_F(SystemFunctions, RandomStaysInTheUnitInterval) {
  auto s = RunProgram(kPascal, {"var i, bad: Integer; x: Extended;",
                                "begin Randomize; bad := 0; for i := 1 to 1000 do begin x := Random;",
                                "if (x < 0) or (x >= 1) then Inc(bad); end; end."});
  EXPECT_EQ(s->Variable(QStringLiteral("bad")).ToInt32(), 0);
}

TEST_F(SystemFunctions, ExtractFilePathKeepsTheLastSeparator) {
  ExpectAll(kPascal, {{"ExtractFilePath('/home/user/report.srp')", "/home/user/"},
                      {"ExtractFilePath('report.srp')", ""}});
}

}  // namespace
