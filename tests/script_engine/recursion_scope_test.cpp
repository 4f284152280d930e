// Evaluate, called by a host function from inside recursive calls, sees the locals of the call
// it runs in: for each way a call recurs (from the function's own body, through a nested
// function, through another function), returning or raising, in the four syntaxes. Every
// function keeps its level in a local "Tag" that shadows the main program's; the host function
// Probe evaluates "Tag" in the running script and gives it in brackets.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "compiler_support.h"

namespace {

struct ScopeCase {
  const char* name;
  QString syntax;
  QStringList lines;
  const char* expected;  // the main program's r
};

std::string caseName(const testing::TestParamInfo<ScopeCase>& info) { return info.param.name; }
void PrintTo(const ScopeCase& c, std::ostream* os) { *os << c.name; }

class RecursionScope : public testing::TestWithParam<ScopeCase> {};

TEST_P(RecursionScope, EvaluateSeesTheRunningCallsLocals) {
  const ScopeCase& c = GetParam();
  auto script = std::make_unique<TscScript>();
  script->AddRTTI();
  TscScript* main = script.get();
  script->AddMethod(QStringLiteral("function Probe: Variant"),
                    [main](TscHostObject*, const TscHostClass*, const QString&,
                           std::vector<ScriptValue>&) {
                      const ScriptValue tag = main->Evaluate(QStringLiteral("Tag"));
                      return ScriptValue(QLatin1Char('[') + tag.ToText() + QLatin1Char(']'));
                    });
  script->SetSyntaxType(c.syntax);
  script->SetLines(c.lines);
  ASSERT_TRUE(script->Compile()) << script->FErrorMsg.toStdString() << " at "
                                 << script->FErrorPos.toStdString();
  script->Execute();
  EXPECT_EQ(script->Variable(QStringLiteral("r")).ToText().toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, RecursionScope,
    testing::Values(
        ScopeCase{"PascalFromItsOwnBody", kPascal,
                  {"var r: String; Tag: Integer;", "function F(n: Integer): String;",
                   "var Tag: Integer;", "begin", "  Tag := n;",
                   "  if n = 0 then Result := Probe else Result := F(n - 1) + Probe;", "end;",
                   "begin Tag := -1; r := F(2) + Probe end."},
                  "[0][1][2][-1]"},
        // The innermost call raises; the next one out catches it and probes, as does every
        // level after its inner call.
        ScopeCase{"PascalFromItsOwnBodyRaising", kPascal,
                  {"var r: String; Tag, z: Integer;", "function F(n: Integer): String;",
                   "var Tag, k: Integer;", "begin", "  Tag := n;", "  if n = 0 then k := 1 div z",
                   "  else try Result := F(n - 1) except Result := Probe end;",
                   "  Result := Result + Probe;", "end;",
                   "begin Tag := -1; r := F(2) + Probe end."},
                  "[1][1][2][-1]"},
        ScopeCase{"PascalThroughANestedFunction", kPascal,
                  {"var r: String; Tag: Integer;", "function F(n: Integer): String;",
                   "var Tag: Integer;", "  function G(k: Integer): String;",
                   "  var Tag: Integer;", "  begin", "    Tag := 100 + k;",
                   "    Result := F(k) + Probe;", "  end;", "begin", "  Tag := n;",
                   "  if n = 0 then Result := Probe else Result := G(n - 1) + Probe;", "end;",
                   "begin Tag := -1; r := F(1) + Probe end."},
                  "[0][100][1][-1]"},
        ScopeCase{"PascalThroughAnotherFunction", kPascal,
                  {"var r: String; Tag: Integer;", "function A(n: Integer): String;",
                   "var Tag: Integer;", "begin", "  Tag := n;",
                   "  if n = 0 then Result := Probe else Result := B(n - 1) + Probe;", "end;",
                   "function B(n: Integer): String;", "var Tag: Integer;", "begin",
                   "  Tag := 100 + n;", "  Result := A(n) + Probe;", "end;",
                   "begin Tag := -1; r := A(1) + Probe end."},
                  "[0][100][1][-1]"},
        ScopeCase{"CppFromItsOwnBody", kCpp,
                  {"string r; int Tag;", "string F(int n) {", "  int Tag = n;",
                   "  if (n == 0) return Probe();", "  return F(n - 1) + Probe();", "}",
                   "{ Tag = -1; r = F(2) + Probe(); }"},
                  "[0][1][2][-1]"},
        ScopeCase{"CppThroughAnotherFunction", kCpp,
                  {"string r; int Tag;", "string A(int n) {", "  int Tag = n;",
                   "  if (n == 0) return Probe();", "  return B(n - 1) + Probe();", "}",
                   "string B(int n) {", "  int Tag = 100 + n;", "  return A(n) + Probe();", "}",
                   "{ Tag = -1; r = A(1) + Probe(); }"},
                  "[0][100][1][-1]"},
        ScopeCase{"BasicFromItsOwnBody", kBasic,
                  {"Function F(n)", "  dim Tag", "  Tag = n", "  If n = 0 Then",
                   "    Return Probe()", "  End If", "  Return F(n - 1) & Probe()",
                   "End Function", "Tag = -1", "r = F(2) & Probe()"},
                  "[0][1][2][-1]"},
        ScopeCase{"JScriptFromItsOwnBody", kJScript,
                  {"var r, Tag;", "function f(n) {", "  var Tag = n;",
                   "  if (n == 0) return Probe();", "  return f(n - 1) + Probe();", "}",
                   "Tag = -1;", "r = f(2) + Probe();"},
                  "[0][1][2][-1]"},
        ScopeCase{"JScriptThroughAnotherFunction", kJScript,
                  {"var r, Tag;", "function a(n) {", "  var Tag = n;",
                   "  if (n == 0) return Probe();", "  return b(n - 1) + Probe();", "}",
                   "function b(n) {", "  var Tag = 100 + n;", "  return a(n) + Probe();", "}",
                   "Tag = -1;", "r = a(1) + Probe();"},
                  "[0][100][1][-1]"}),
    caseName);

}  // namespace
