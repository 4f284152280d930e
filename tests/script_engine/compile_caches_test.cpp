// What compiling keeps between scripts: grammars built once and shared, and method syntax
// texts read once unless a default names a constant of the script. Results are as if nothing
// were kept.
#include <gtest/gtest.h>

#include <thread>

#include "script_engine/front/grammar.h"
#include "script_engine/front/grammar_cache.h"
#include "script_engine/front/languages.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/helpers.h"
#include "script_engine/interpreter/method_syntax.h"
#include "sysmodule_support.h"

namespace {

TEST(GrammarCache, OneGrammarTextIsBuiltOnceAndShared) {
  const QString text = scGetLanguage(kPascal);
  std::shared_ptr<const TscGrammar> first = scSharedGrammar(text);
  EXPECT_EQ(scSharedGrammar(text), first);
  EXPECT_NE(scSharedGrammar(scGetLanguage(kBasic)), first);
}

TEST(GrammarCache, AMalformedGrammarRaisesEveryTime) {
  const QString broken = QStringLiteral("<language><unclosed");
  EXPECT_THROW(scSharedGrammar(broken), ScriptError);
  EXPECT_THROW(scSharedGrammar(broken), ScriptError);
}

TEST(GrammarCache, ScriptsCompiledOnTwoThreadsAtOnceBothRun) {
  PinSystemModuleEnvironment();
  auto sum = [](int limit, ScriptValue* out) {
    std::unique_ptr<TscScript> s = RunProgram(
        kPascal, {"var i, s: Integer;", "begin", QStringLiteral("  for i := 1 to %1 do s := s + i;").arg(limit),
                  "end."});
    *out = s->Variable(QStringLiteral("s"));
  };
  ScriptValue a, b;
  std::thread one(sum, 100, &a), two(sum, 200, &b);
  one.join();
  two.join();
  EXPECT_EQ(a, ScriptValue(5050));
  EXPECT_EQ(b, ScriptValue(20100));
}

TEST(MethodSyntaxCache, ADefaultNamingAConstantFollowsEachScript) {
  const QString syntax = QStringLiteral("function F(x: Integer = Limit): Integer");
  TscScript one, two;
  one.AddConst(QStringLiteral("Limit"), QStringLiteral("Integer"), ScriptValue(1));
  two.AddConst(QStringLiteral("Limit"), QStringLiteral("Integer"), ScriptValue(2));
  std::unique_ptr<TscMethodHelper> a(scCreateMethodHelper(syntax, &one));
  std::unique_ptr<TscMethodHelper> b(scCreateMethodHelper(syntax, &two));
  EXPECT_EQ(a->Param(0)->FDefValue, ScriptValue(1));
  EXPECT_EQ(b->Param(0)->FDefValue, ScriptValue(2));
}

TEST(MethodSyntaxCache, ATextReadAgainGivesTheSameSyntax) {
  const QString syntax = QStringLiteral("procedure P(var s: String; n: Integer = -3)");
  TscMethodSyntax fresh = scParseMethodSyntax(syntax, nullptr);
  for (int round = 0; round < 2; ++round) {
    TscMethodSyntax kept = scCachedMethodSyntax(syntax, nullptr);
    EXPECT_EQ(kept.name, fresh.name);
    ASSERT_EQ(kept.params.size(), 2u);
    EXPECT_TRUE(kept.params[0].isVar);
    EXPECT_EQ(kept.params[1].defValue, ScriptValue(-3));
    EXPECT_TRUE(kept.params[1].isOptional);
  }
}

TEST(MethodSyntaxCache, AnInvalidTextRaisesEveryTime) {
  EXPECT_THROW(scCachedMethodSyntax(QStringLiteral("function (x"), nullptr), ScriptError);
  EXPECT_THROW(scCachedMethodSyntax(QStringLiteral("function (x"), nullptr), ScriptError);
}

TEST(ThrowAwayEvaluate, AScriptWithoutModulesGetsWorkingSystemFunctionsEveryTime) {
  PinSystemModuleEnvironment();
  TscScript script;
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(script.Evaluate(QStringLiteral("Length('abc') + 2 * (3 + 4)")), ScriptValue(17));
    EXPECT_FALSE(script.FEvaluteRiseError);
  }
}

// s := s + x appends x from where it is stored when x is a constant or a plain variable.
struct AppendCase {
  const char* name;
  QStringList lines;
  const char* expected;
};

class AppendFromStorage : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendFromStorage, GivesTheJoinedText) {
  PinSystemModuleEnvironment();
  std::unique_ptr<TscScript> s = RunProgram(kPascal, GetParam().lines);
  EXPECT_EQ(s->Variable(QStringLiteral("s")).ToString(), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Programs, AppendFromStorage,
    ::testing::Values(
        AppendCase{"variable", {"var s, t: String; i: Integer;", "begin", "  t := 'xy';",
                                "  for i := 1 to 3 do s := s + t;", "end."},
                   "xyxyxy"},
        AppendCase{"itself", {"var s: String; i: Integer;", "begin", "  s := 'a';",
                              "  for i := 1 to 3 do s := s + s;", "end."},
                   "aaaaaaaa"},
        AppendCase{"copyKept", {"var s, t: String;", "begin", "  s := 'ab';", "  t := s;",
                                "  s := s + 'c';", "  s := s + t;", "end."},
                   "abcab"},
        AppendCase{"charVariable", {"var s: String; c: Char;", "begin", "  c := 'z';",
                                    "  s := 'a';", "  s := s + c;", "end."},
                   "az"},
        AppendCase{"variantText", {"var s: String; v: Variant;", "begin", "  v := 'vw';",
                                   "  s := 'n';", "  s := s + v;", "end."},
                   "nvw"}));

}  // namespace
