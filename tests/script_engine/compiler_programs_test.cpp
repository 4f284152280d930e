// Compiled programs in the four syntaxes against the values their variables hold after running.
#include <gtest/gtest.h>

#include "compiler_support.h"
#include "script_engine/interpreter/value_ops.h"

namespace {

struct ProgramCase {
  const char* name;
  QString syntax;
  QStringList lines;
  const char* variable;
  ScriptValue expected;
};

std::string caseName(const testing::TestParamInfo<ProgramCase>& info) { return info.param.name; }
void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }

class CompiledProgram : public testing::TestWithParam<ProgramCase> {};

TEST_P(CompiledProgram, LeavesTheExpectedValue) {
  const ProgramCase& c = GetParam();
  CompiledScript compiled = CompileScript(c.syntax, c.lines);
  ASSERT_TRUE(compiled.ok) << compiled.script->FErrorMsg.toStdString() << " at "
                           << compiled.script->FErrorPos.toStdString();
  compiled.script->Execute();
  ScriptValue v = compiled.script->Variable(QString::fromLatin1(c.variable));
  EXPECT_EQ(v.KindName().toStdString(), c.expected.KindName().toStdString());
  EXPECT_EQ(v.ToText().toStdString(), c.expected.ToText().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pascal, CompiledProgram, testing::Values(
    ProgramCase{"Precedence", kPascal,
                {"var x: Integer;", "begin x := 2 + 3 * 4 - (1 + 1) end."}, "x", ScriptValue(12)},
    ProgramCase{"RecursionKeepsLocals", kPascal,
                {"var r: Integer;", "function Fact(n: Integer): Integer;", "var local: Integer;",
                 "begin", "  local := n;", "  if n <= 1 then Result := 1",
                 "  else Result := Fact(n - 1) * local;", "end;", "begin r := Fact(6) end."},
                "r", ScriptValue(720)},
    ProgramCase{"CallBeforeDeclaration", kPascal,
                {"var r: Integer;", "procedure A; begin B(3) end;",
                 "procedure B(n: Integer); begin r := n * 2 end;", "begin A end."},
                "r", ScriptValue(6)},
    ProgramCase{"ForToAndDownto", kPascal,
                {"var i, s: Integer;", "begin", "  for i := 1 to 10 do s := s + i;",
                 "  for i := 3 downto 1 do s := s * 10 + i", "end."},
                "s", ScriptValue(55321)},
    ProgramCase{"ForBelowStartDoesNotRun", kPascal,
                {"var i, s: Integer;", "begin s := 7; for i := 5 to 1 do s := 0 end."}, "s",
                ScriptValue(7)},
    ProgramCase{"WhileAndRepeatWithBreak", kPascal,
                {"var i, n: Integer;", "begin", "  while i < 5 do i := i + 1;",
                 "  repeat n := n + 1; if n = 3 then break until n > 10;", "  i := i * 10 + n",
                 "end."},
                "i", ScriptValue(53)},
    ProgramCase{"CaseWithRangeAndElse", kPascal,
                {"var i: Integer; s: String;", "begin", "  for i := 1 to 6 do",
                 "    case i of", "      1: s := s + 'a';", "      2, 3..4: s := s + 'b';",
                 "    else s := s + 'c';", "    end;", "end."},
                "s", ScriptValue("abbbcc")},
    ProgramCase{"TryExceptCatchesDivisionByZero", kPascal,
                {"var i, r: Integer; m: String;", "begin", "  try r := 1 div i; r := 5",
                 "  except m := ExceptionMessage; r := -1 end", "end."},
                "r", ScriptValue(-1)},
    ProgramCase{"TryFinallyRunsAfterExit", kPascal,
                {"var r: Integer;", "procedure P;", "begin", "  try exit; r := 1",
                 "  finally r := r + 10 end;", "  r := 100", "end;", "begin P end."},
                "r", ScriptValue(10)},
    ProgramCase{"StringIndexing", kPascal,
                {"var s: String; c: String;", "begin s := 'abc'; s[2] := 'X'; c := s[3] + s end."},
                "c", ScriptValue("caXc")},
    ProgramCase{"ArraysOfOneAndTwoDimensions", kPascal,
                {"var a: array[1..3] of Integer; b: array[0..1, 0..1] of Integer; i, s: Integer;",
                 "begin", "  for i := 1 to 3 do a[i] := i * i;", "  b[1, 0] := 100;",
                 "  s := a[1] + a[2] + a[3] + b[1, 0]", "end."},
                "s", ScriptValue(114)},
    ProgramCase{"FourDimensionalArrayReadsWhatItWrites", kPascal,
                {"var a: array[0..1, 0..1, 0..1, 0..1] of Integer; r: Integer;",
                 "begin a[1, 0, 1, 1] := 9; r := a[1, 0, 1, 1] end."},
                "r", ScriptValue(9)},
    ProgramCase{"ByReferenceParameter", kPascal,
                {"var x: Integer;", "procedure Twice(var v: Integer); begin v := v * 2 end;",
                 "begin x := 21; Twice(x) end."},
                "x", ScriptValue(42)},
    ProgramCase{"OptionalParameterTakesItsDefault", kPascal,
                {"var x: Integer;", "function F(a: Integer; b: Integer = 10): Integer;",
                 "begin Result := a + b end;", "begin x := F(1) * 100 + F(1, 2) end."},
                "x", ScriptValue(1103)},
    ProgramCase{"ConstantsAndInitialValues", kPascal,
                {"const c = 5; t = 'x';", "var a: Integer = c * 2; s: String = t;",
                 "begin a := a + c end."},
                "a", ScriptValue(15)},
    ProgramCase{"ExitLeavesTheFunction", kPascal,
                {"var r: Integer;", "function F: Integer; begin Result := 1; exit; Result := 2 end;",
                 "begin r := F end."},
                "r", ScriptValue(1)},
    ProgramCase{"FloatsAndInt64Constants", kPascal,
                {"var f: Extended; b: Int64;", "begin f := 1.5E+1 / 2; b := 3000000000 + $10 end."},
                "b", ScriptValue(std::int64_t(3000000016))},
    ProgramCase{"AddressOfProcedureIsItsName", kPascal,
                {"var s: String;", "procedure Handler; begin end;", "begin s := @Handler end."},
                "s", ScriptValue("Handler")},
    ProgramCase{"NestedProcedureSeesOuterLocals", kPascal,
                {"var r: Integer;", "procedure Outer;", "var k: Integer;",
                 "  procedure Inner; begin k := k + 5 end;", "begin k := 1; Inner; r := k end;",
                 "begin Outer end."},
                "r", ScriptValue(6)}
), caseName);

INSTANTIATE_TEST_SUITE_P(Cpp, CompiledProgram, testing::Values(
    ProgramCase{"Precedence", kCpp, {"int x;", "{ x = 2 + 3 * 4 - (1 + 1); }"}, "x",
                ScriptValue(12)},
    ProgramCase{"RecursionKeepsLocals", kCpp,
                {"int r;", "int Fact(int n) {", "  int local = n;", "  if (n <= 1) return 1;",
                 "  return Fact(n - 1) * local;", "}", "{ r = Fact(6); }"},
                "r", ScriptValue(720)},
    ProgramCase{"ForWithIncrementAndCompoundAssignment", kCpp,
                {"int i, s;", "{ for (i = 0; i < 5; i++) s += i; s *= 10; s--; }"}, "s",
                ScriptValue(99)},
    ProgramCase{"WhileAndDoWhile", kCpp,
                {"int x = 3, n;", "{ while (x != 0) { x--; n++; } do n = n + 10; while (n < 20); }"},
                "n", ScriptValue(23)},
    ProgramCase{"SwitchWithDefault", kCpp,
                {"int i; string s;",
                 "{ for (i = 1; i <= 4; i++) switch (i) { case 1: s = s + \"a\"; case 2..3: "
                 "s = s + \"b\"; default: s = s + \"c\"; } }"},
                "s", ScriptValue("abbc")},
    ProgramCase{"TryFinally", kCpp,
                {"int r;", "{ try { r = 1; } finally { r = r + 1; } }"}, "r", ScriptValue(2)},
    ProgramCase{"StringIndexingAndTwoDimensionalArray", kCpp,
                {"string s = \"abc\"; int a[2][3]; int t;",
                 "{ a[1][2] = 7; s[1] = \"z\"; t = a[1][2]; }"},
                "t", ScriptValue(7)},
    ProgramCase{"DefineAndVoidFunction", kCpp,
                {"#define C 4", "int r;", "void set(int v) { r = v * C; }", "{ set(3); }"}, "r",
                ScriptValue(12)},
    ProgramCase{"ByReferenceParameter", kCpp,
                {"int x;", "void twice(int &v) { v = v * 2; }", "{ x = 4; twice(x); }"}, "x",
                ScriptValue(8)}
), caseName);

INSTANTIATE_TEST_SUITE_P(Basic, CompiledProgram, testing::Values(
    ProgramCase{"Precedence", kBasic, {"dim x as integer", "x = 2 + 3 * 4 - (1 + 1)"}, "x",
                ScriptValue(12)},
    ProgramCase{"RecursionKeepsLocals", kBasic,
                {"Function Fact(n)", "  dim local", "  local = n", "  If n <= 1 Then",
                 "    Return 1", "  End If", "  Return Fact(n - 1) * local", "End Function",
                 "r = Fact(6)"},
                "r", ScriptValue(720)},
    ProgramCase{"ForWithStepAndWhile", kBasic,
                {"s = 0", "For i = 1 To 10 Step 3", "  s = s + i", "Next", "While s < 30",
                 "  s = s + 1", "Wend"},
                "s", ScriptValue(30)},
    ProgramCase{"DoLoopUntil", kBasic, {"n = 0", "Do", "  n = n + 2", "Loop Until n >= 7"}, "n",
                ScriptValue(8)},
    ProgramCase{"SelectCase", kBasic,
                {"s = \"\"", "For i = 1 To 3", "Select Case i", "Case 1: s = s & \"a\"",
                 "Case 2, 3: s = s & \"b\"", "End Select", "Next"},
                "s", ScriptValue("abb")},
    ProgramCase{"TryCatch", kBasic,
                {"r = 0", "Try", "  r = 1 \\ 0", "Catch", "  r = -1", "End Try"}, "r",
                ScriptValue(-1)},
    ProgramCase{"SubWithByRefParameter", kBasic,
                {"Sub Twice(ByRef v)", "  v = v * 2", "End Sub", "x = 5", "Twice(x)"}, "x",
                ScriptValue(10)},
    ProgramCase{"StringIndexing", kBasic,
                {"dim s as string = \"abc\"", "s[3] = \"Z\"", "c = s[1] & s"}, "c",
                ScriptValue("aabZ")}
), caseName);

INSTANTIATE_TEST_SUITE_P(JScript, CompiledProgram, testing::Values(
    ProgramCase{"Precedence", kJScript, {"var x;", "x = 2 + 3 * 4 - (1 + 1);"}, "x",
                ScriptValue(12)},
    ProgramCase{"RecursionKeepsLocals", kJScript,
                {"function fact(n) {", "  var local = n;", "  if (n <= 1) return 1;",
                 "  return fact(n - 1) * local;", "}", "var r = fact(6);"},
                "r", ScriptValue(720)},
    ProgramCase{"ForWhileAndDo", kJScript,
                {"var s = 0;", "for (i = 0; i < 4; i++) s += i;", "while (s < 10) s++;",
                 "do s = s + 5; while (s < 20);"},
                "s", ScriptValue(20)},
    ProgramCase{"SwitchAndTry", kJScript,
                {"var s = \"\";", "switch (2) { case 1: s = \"one\"; case 2: s = \"two\"; }",
                 "try { s = s + 1 / 0; } except { s = s + \"!\"; }"},
                "s", ScriptValue("two!")},
    ProgramCase{"ArrayAndStringIndex", kJScript,
                {"var a[3], t = \"xyz\";", "a[0] = 4; a[2] = 6;", "r = t[2] + t[a[2] - a[0] - 1];"},
                "r", ScriptValue("yx")},
    ProgramCase{"UndeclaredNameBecomesVariant", kJScript, {"y = 3; y = y * 4;"}, "y",
                ScriptValue(12)}
), caseName);

// --- Evaluate ---

class Evaluation : public testing::TestWithParam<QString> {};

TEST_P(Evaluation, ComputesTheExpressionInTheScriptsSyntax) {
  TscScript script;
  script.AddRTTI();
  script.SetSyntaxType(GetParam());
  ScriptValue v = script.Evaluate(QStringLiteral("2 * (3 + 4)"));
  EXPECT_FALSE(script.FEvaluteRiseError) << v.ToText().toStdString();
  EXPECT_EQ(v.ToText(), QStringLiteral("14"));
}

INSTANTIATE_TEST_SUITE_P(EverySyntax, Evaluation,
                         testing::Values(kPascal, kCpp, kBasic, kJScript),
                         [](const testing::TestParamInfo<QString>& info) {
                           return info.param == QLatin1String("C++Script")
                                      ? std::string("CppScript")
                                      : info.param.toStdString();
                         });

TEST(Evaluation, SeesTheRunningProceduresLocals) {
  CompiledScript c = CompileScript(kPascal, {"var r: Variant;",
                                            "procedure P; var k: Integer;",
                                            "begin k := 20; r := Probe end;", "begin P end."});
  // Probe is a host function that evaluates an expression naming the procedure's local.
  ASSERT_FALSE(c.ok);  // Probe is not registered yet
  c.script->Clear();
  TscScript* script = c.script.get();
  script->AddMethod(QStringLiteral("function Probe: Variant"),
                    [script](TscHostObject*, const TscHostClass*, const QString&,
                             std::vector<ScriptValue>&) {
                      return script->Evaluate(QStringLiteral("k + 1"));
                    });
  ASSERT_TRUE(script->Compile()) << script->FErrorMsg.toStdString();
  script->Execute();
  EXPECT_EQ(script->Variable(QStringLiteral("r")).ToText(), QStringLiteral("21"));
}

TEST(Evaluation, ReturnsTheCompileErrorAsText) {
  TscScript script;
  script.AddRTTI();
  ScriptValue v = script.Evaluate(QStringLiteral("nothing + 1"));
  EXPECT_TRUE(script.FEvaluteRiseError);
  EXPECT_EQ(v.ToText(), QStringLiteral("Undeclared identifier: 'nothing'"));
}

}  // namespace
