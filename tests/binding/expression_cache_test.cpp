// The expression cache: one "rpf" function per distinct expression, in the report's language.
#include <gtest/gtest.h>

#include "report/binding/expression_cache.h"
#include "script_engine/compiler/compiler.h"
#include "script_engine/interpreter/script.h"

namespace {

struct FunctionTextCase {
  const char* Language;
  const char* Expected;
};

class FunctionTexts : public ::testing::TestWithParam<FunctionTextCase> {};

class ExpressionCache : public ::testing::Test {
 protected:
  void SetUp() override {
    scInstallCompiler();
    parent.AddRTTI();
    parent.AddVariable(QStringLiteral("X"), QStringLiteral("Integer"), ScriptValue(5));
  }
  ScriptValue calc(const QString& expression) {
    error.clear();
    return cache.Calc(expression, error, &parent);
  }

  TscScript parent;
  TrpExpressionCache cache{&parent};
  QString error;
};

}  // namespace

TEST_P(FunctionTexts, WrapTheExpressionAsFunctionRpfN) {
  EXPECT_EQ(TrpExpressionCache::FunctionText(QString::fromLatin1(GetParam().Language), 3, QStringLiteral("a + 1")),
            QString::fromLatin1(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, FunctionTexts,
    ::testing::Values(
        FunctionTextCase{"PascalScript", "function rpf3: Variant; begin Result := a + 1 end; begin end."},
        FunctionTextCase{"C++Script", "Variant rpf3() { return a + 1; } {}"},
        FunctionTextCase{"BasicScript", "function rpf3\r\nreturn a + 1\r\nend function"},
        FunctionTextCase{"JScript", "function rpf3() { return a + 1; }"}));

TEST_F(ExpressionCache, EvaluatesWithTheParentsNames) {
  EXPECT_EQ(calc(QStringLiteral("X * 2")), ScriptValue(10));
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST_F(ExpressionCache, SameExpressionCompilesOnce) {
  calc(QStringLiteral("X + 1"));
  parent.SetVariable(QStringLiteral("X"), ScriptValue(7));
  EXPECT_EQ(calc(QStringLiteral("X + 1")), ScriptValue(8));
  EXPECT_EQ(cache.Count(), 1);
  calc(QStringLiteral("x + 1"));
  EXPECT_EQ(cache.Count(), 1);
  calc(QStringLiteral("X+1"));
  EXPECT_EQ(cache.Count(), 2);
}

TEST_F(ExpressionCache, CaseSensitiveCacheTellsLetterCaseApart) {
  cache.SetCaseSensitive(true);
  calc(QStringLiteral("X + 1"));
  calc(QStringLiteral("x + 1"));
  EXPECT_EQ(cache.Count(), 2);
}

TEST_F(ExpressionCache, CompileFailureGivesErrorInExpressionAndNoFunction) {
  const ScriptValue value = calc(QStringLiteral("1 +"));
  EXPECT_TRUE(value.IsEmpty());
  EXPECT_TRUE(error.startsWith(QStringLiteral("Error in expression '1 +': "))) << error.toStdString();
  EXPECT_GT(error.size(), QStringLiteral("Error in expression '1 +': ").size());
  EXPECT_EQ(cache.Count(), 0);
  EXPECT_EQ(calc(QStringLiteral("2 + 2")), ScriptValue(4));
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST_F(ExpressionCache, RunTimeErrorGivesTheExceptionMessage) {
  calc(QStringLiteral("1 / 0"));
  EXPECT_EQ(error, QStringLiteral("Floating point division by zero"));
}

TEST_F(ExpressionCache, MainProgramIsInactiveOnlyWhileAFunctionRuns) {
  parent.FMainProg = true;
  calc(QStringLiteral("X"));
  EXPECT_TRUE(parent.FMainProg);
}

TEST_F(ExpressionCache, ClearForgetsTheFunctions) {
  calc(QStringLiteral("1"));
  cache.Clear();
  EXPECT_EQ(cache.Count(), 0);
  EXPECT_EQ(calc(QStringLiteral("X")), ScriptValue(5));
}

TEST_F(ExpressionCache, CompilesInEachLanguage) {
  for (const char* language : {"C++Script", "BasicScript", "JScript", "PascalScript"}) {
    cache.Clear();
    cache.SetScriptLanguage(QString::fromLatin1(language));
    EXPECT_EQ(calc(QStringLiteral("X * 3")), ScriptValue(15)) << language << ": " << error.toStdString();
  }
}
