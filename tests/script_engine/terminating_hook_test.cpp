// A line hook that terminates the program before a statement keeps that statement from running,
// whatever its kind, in the main program and in a procedure; the statements before it have run
// and none after it runs. Every program sets r to 1, reaches the statement on the stop line
// (each kind would change r) and would add 100 afterwards.
#include <gtest/gtest.h>

#include "compiler_support.h"

namespace {

struct StopCase {
  const char* name;
  QString syntax;
  QStringList lines;
  int stopLine;  // 1-based: the hook terminates the program when it hears this line
};

std::string caseName(const testing::TestParamInfo<StopCase>& info) { return info.param.name; }
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

// A Pascal program whose line 8 is the statement; the procedure P adds 1000 to r.
StopCase pascal(const char* name, const char* statement, int stopLine = 8) {
  return {name,
          kPascal,
          {"var r, i: Integer;", "procedure P;", "begin", "  r := r + 1000", "end;", "begin",
           "  r := 1;", QString::fromLatin1(statement), "  r := r + 100", "end."},
          stopLine};
}

class TerminatingHook : public testing::TestWithParam<StopCase> {};

TEST_P(TerminatingHook, StopsTheProgramBeforeTheStatement) {
  const StopCase& c = GetParam();
  CompiledScript compiled = CompileScript(c.syntax, c.lines);
  ASSERT_TRUE(compiled.ok) << compiled.script->FErrorMsg.toStdString() << " at "
                           << compiled.script->FErrorPos.toStdString();
  TscScript& script = *compiled.script;
  int heard = 0;
  script.FOnRunLine = [&](TscScript& s, const QString&, const QString& position) {
    if (position.section(QLatin1Char(':'), 0, 0).toInt() != c.stopLine) return;
    ++heard;
    s.Terminate();
  };
  script.Execute();
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(script.Variable(QStringLiteral("r")), ScriptValue(1));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, TerminatingHook,
    testing::Values(
        pascal("Assignment", "  r := 2;"), pascal("SumAssignment", "  r := r + 2;"),
        pascal("DifferenceAssignment", "  r := r - 2;"),
        pascal("ProductAssignment", "  r := r * 3;"), pascal("Call", "  P;"),
        pascal("If", "  if r = 1 then r := 2;"), pascal("Case", "  case r of 1: r := 2; end;"),
        pascal("For", "  for i := 1 to 3 do r := r + 1;"),
        pascal("While", "  while r < 5 do r := r + 1;"),
        pascal("Repeat", "  repeat r := r + 1 until r > 3;"),
        pascal("TryFinally", "  try r := 2 finally r := r + 3 end;"),
        pascal("TryExcept", "  try r := 2 except r := 3 end;"),
        // The statement of the procedure's body; the program does not go on after the call.
        pascal("InsideAProcedure", "  P;", 4),
        StopCase{"CppFor",
                 kCpp,
                 {"int r, i;", "{", "  r = 1;", "  for (i = 0; i < 3; i++) r = r + 1;",
                  "  r = r + 100;", "}"},
                 4},
        StopCase{"BasicFor",
                 kBasic,
                 {"r = 1", "For i = 1 To 3", "  r = r + 1", "Next", "r = r + 100"},
                 2}),
    caseName);

}  // namespace
