// Statements: loops, branches, try parts, jumps and the run flags.
#include <gtest/gtest.h>

#include "interp_builder.h"
#include "script_engine/front/script_error.h"

using namespace build;

namespace {

class StatementTest : public ::testing::Test {
 protected:
  TscStatement& body() { return *script.Statement(); }
  ScriptValue value(const char* name) { return script.Variable(QString::fromLatin1(name)); }
  TscExpression* e(std::initializer_list<Tok> stream) { return Expr(script, stream); }
  TscForStmt* forLoop(TscStatement& list, const char* var, int from, int to, bool down = false) {
    auto* f = Add(list, new TscForStmt(&script));
    f->FVariable = script.Find(QString::fromLatin1(var));
    f->FBeginValue.reset(e({c(from)}));
    f->FEndValue.reset(e({c(to)}));
    f->FDown = down;
    return f;
  }
  TscScript script;
};

TEST_F(StatementTest, ForLoopCountsFromStartToEndAndKeepsTheLastValue) {
  Var(script, "i", fvtInt, 0);
  Var(script, "s", fvtInt, 0);
  TscForStmt* f = forLoop(body(), "i", 1, 5);
  Assign(*f, script, "s", {v("s"), op("+"), v("i")});
  script.Execute();
  EXPECT_EQ(value("s"), ScriptValue(15));
  EXPECT_EQ(value("i"), ScriptValue(5));
}

TEST_F(StatementTest, ForLoopWhoseEndIsBelowItsStartDoesNotRun) {
  Var(script, "i", fvtInt, 7);
  Var(script, "s", fvtInt, 0);
  Assign(*forLoop(body(), "i", 5, 1), script, "s", {c(1)});
  script.Execute();
  EXPECT_EQ(value("s"), ScriptValue(0));
  EXPECT_EQ(value("i"), ScriptValue(7));
}

TEST_F(StatementTest, DowntoCountsDown) {
  Var(script, "i", fvtInt, 0);
  Var(script, "s", fvtInt, 0);
  Assign(*forLoop(body(), "i", 3, 1, true), script, "s",
         {v("s"), op("*"), c(10), op("+"), v("i")});
  script.Execute();
  EXPECT_EQ(value("s"), ScriptValue(321));
  EXPECT_EQ(value("i"), ScriptValue(1));
}

TEST_F(StatementTest, ChangingTheLoopVariableDoesNotChangeTheCount) {
  Var(script, "i", fvtInt, 0);
  Var(script, "n", fvtInt, 0);
  TscForStmt* f = forLoop(body(), "i", 1, 3);
  Assign(*f, script, "n", {v("n"), op("+"), c(1)});
  Assign(*f, script, "i", {c(100)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(3));
}

TEST_F(StatementTest, ForLoopUpToTheLargestIntegerEnds) {
  Var(script, "i", fvtInt, 0);
  Var(script, "n", fvtInt, 0);
  Assign(*forLoop(body(), "i", INT32_MAX - 2, INT32_MAX), script, "n", {v("n"), op("+"), c(1)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(3));
  EXPECT_EQ(value("i"), ScriptValue(INT32_MAX));
}

TEST_F(StatementTest, Int64LoopVariableCountsBeyondThirtyTwoBits) {
  Var(script, "i", fvtInt64, std::int64_t(0));
  Var(script, "n", fvtInt, 0);
  auto* f = Add(body(), new TscForStmt(&script));
  f->FVariable = script.Find("i");
  f->FBeginValue.reset(e({c(std::int64_t(1) << 40)}));
  f->FEndValue.reset(e({c((std::int64_t(1) << 40) + 2)}));
  Assign(*f, script, "n", {v("n"), op("+"), c(1)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(3));
  EXPECT_EQ(value("i"), ScriptValue((std::int64_t(1) << 40) + 2));
}

TEST_F(StatementTest, BreakLeavesTheLoopAndContinueOnlyTheRound) {
  Var(script, "i", fvtInt, 0);
  Var(script, "s", fvtInt, 0);
  TscForStmt* f = forLoop(body(), "i", 1, 10);
  auto* skipEven = Add(*f, new TscIfStmt(&script));
  skipEven->FCondition.reset(e({v("i"), op("mod"), c(2), op("="), c(0)}));
  Add(*skipEven, new TscContinueStmt(&script));
  auto* stop = Add(*f, new TscIfStmt(&script));
  stop->FCondition.reset(e({v("i"), op(">"), c(7)}));
  Add(*stop, new TscBreakStmt(&script));
  Assign(*f, script, "s", {v("s"), op("+"), v("i")});
  Assign(body(), script, "i", {v("i"), op("*"), c(100)});  // runs: break does not leak out
  script.Execute();
  EXPECT_EQ(value("s"), ScriptValue(1 + 3 + 5 + 7));
  EXPECT_EQ(value("i"), ScriptValue(900));
}

TEST_F(StatementTest, WhileLoopTestsBeforeEachRound) {
  Var(script, "n", fvtInt, 1);
  auto* w = Add(body(), new TscWhileStmt(&script));
  w->FCondition.reset(e({v("n"), op("<"), c(100)}));
  Assign(*w, script, "n", {v("n"), op("*"), c(3)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(243));
}

TEST_F(StatementTest, RepeatRunsOnceAndStopsWhenTheConditionHolds) {
  Var(script, "n", fvtInt, 50);
  auto* r = Add(body(), new TscRepeatStmt(&script));
  r->FCondition.reset(e({v("n"), op(">"), c(10)}));
  Assign(*r, script, "n", {v("n"), op("+"), c(1)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(51));
}

TEST_F(StatementTest, InverseRepeatContinuesWhileTheConditionHolds) {
  Var(script, "n", fvtInt, 0);
  auto* r = Add(body(), new TscRepeatStmt(&script));
  r->FInverseCondition = true;
  r->FCondition.reset(e({v("n"), op("<"), c(5)}));
  Assign(*r, script, "n", {v("n"), op("+"), c(1)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(5));
}

struct VbForCase {
  const char* name;
  ScriptValue from, to, step;
  int rounds;
};
void PrintTo(const VbForCase& c, std::ostream* os) { *os << c.name; }


class VbForTest : public StatementTest, public ::testing::WithParamInterface<VbForCase> {};

TEST_P(VbForTest, CountsByItsStep) {
  const VbForCase& t = GetParam();
  Var(script, "x", fvtVariant, 0);
  Var(script, "n", fvtInt, 0);
  auto* f = Add(body(), new TscVbForStmt(&script));
  f->FVariable = script.Find("x");
  f->FBeginValue.reset(e({c(t.from)}));
  f->FEndValue.reset(e({c(t.to)}));
  f->FStep.reset(e({c(t.step)}));
  Assign(*f, script, "n", {v("n"), op("+"), c(1)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(t.rounds));
}

INSTANTIATE_TEST_SUITE_P(
    Table, VbForTest,
    ::testing::Values(VbForCase{"ByTwo", 1, 10, 2, 5}, VbForCase{"Down", 10, 1, -3, 4},
                      VbForCase{"Fraction", 0, 1.0, 0.25, 5}, VbForCase{"Empty", 5, 1, 1, 0},
                      VbForCase{"UpToLargest", INT32_MAX - 1, INT32_MAX, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatementTest, BasicStepZeroIsARunTimeError) {
  Var(script, "x", fvtVariant, 0);
  auto* f = Add(body(), new TscVbForStmt(&script));
  f->FVariable = script.Find("x");
  f->FBeginValue.reset(e({c(1)}));
  f->FEndValue.reset(e({c(10)}));
  f->FStep.reset(e({c(0)}));
  try {
    script.Execute();
    FAIL() << "no error";
  } catch (const ScriptError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("For loop step must not be zero"));
  }
  EXPECT_FALSE(script.FIsRunning);
}

TEST_F(StatementTest, CForRunsInitConditionBodyAndStep) {
  Var(script, "i", fvtInt, 0);
  Var(script, "s", fvtInt, 0);
  auto* f = Add(body(), new TscCppForStmt(&script));
  Assign(*f->FFirstStmt, script, "i", {c(0)});
  f->FExpression.reset(e({v("i"), op("<"), c(4)}));
  Assign(*f->FSecondStmt, script, "i", {v("i"), op("+"), c(1)});
  Assign(*f, script, "s", {v("s"), op("+"), v("i")});
  script.Execute();
  EXPECT_EQ(value("s"), ScriptValue(6));
}

TEST_F(StatementTest, CaseRunsTheFirstMatchingBranchOrElse) {
  Var(script, "x", fvtInt, 0);
  Var(script, "r", fvtString, "");
  auto* cs = Add(body(), new TscCaseStmt(&script));
  cs->FCondition.reset(e({v("x")}));
  auto branch = [&](std::initializer_list<ScriptValue> set, const char* text) {
    auto* b = Add(*cs, new TscCaseSelector(&script));
    b->FSetExpression.reset(SetOf(set));
    Assign(*b, script, "r", {c(text)});
  };
  branch({1, 2}, "small");
  branch({3, ScriptValue::Null(), 9}, "middle");
  branch({5}, "never");  // 5 is already in the range above
  Assign(*cs->FElseStmt, script, "r", {c("other")});
  const std::pair<int, const char*> cases[] = {
      {1, "small"}, {2, "small"}, {3, "middle"}, {5, "middle"}, {9, "middle"}, {10, "other"}};
  for (auto [x, expected] : cases) {
    script.Find("x")->SetValue(ScriptValue(x));
    script.Execute();
    EXPECT_EQ(value("r"), ScriptValue(expected)) << x;
  }
}

TEST_F(StatementTest, TryExceptCatchesScriptErrorsAndRecordsTheMessage) {
  Var(script, "r", fvtVariant, 0);
  Var(script, "after", fvtInt, 0);
  auto* t = Add(body(), new TscTryStmt(&script));
  t->FIsExcept = true;
  Assign(*t, script, "r", {c(1), op("/"), c(0)});
  Assign(*t, script, "after", {c(-1)});  // never reached
  Assign(*t->FExceptStmt, script, "r", {c("handled")});
  Assign(body(), script, "after", {c(1)});
  script.Execute();
  EXPECT_EQ(value("r"), ScriptValue("handled"));
  EXPECT_EQ(value("after"), ScriptValue(1));
  EXPECT_EQ(value("ExceptionMessage"), ScriptValue("Floating point division by zero"));
  EXPECT_EQ(value("ExceptionClassName"), ScriptValue("Exception"));
}

TEST_F(StatementTest, TryFinallyRunsTheFinallyPartWhenAnErrorPasses) {
  Var(script, "cleaned", fvtBool, false);
  auto* t = Add(body(), new TscTryStmt(&script));
  Assign(*t, script, "cleaned", {c(7), op("div"), c(0)});
  Assign(*t->FExceptStmt, script, "cleaned", {c(true)});
  EXPECT_THROW(script.Execute(), ScriptError);
  EXPECT_EQ(value("cleaned"), ScriptValue(true));
  EXPECT_FALSE(script.FIsRunning);
  EXPECT_FALSE(script.FTerminated);
}

TEST_F(StatementTest, ExitInsideTryFinallyRunsTheFinallyPartThenExits) {
  Var(script, "trace", fvtString, "");
  TscProcVariable* p = Function(script, "P", fvtInt, {}, false);
  TscScript& local = *p->Program();
  auto* t = Add(*local.Statement(), new TscTryStmt(&local));
  Assign(*t, local, "trace", {v("trace"), op("+"), c("a")});
  Add(*t, new TscExitStmt(&local));
  Assign(*t, local, "trace", {v("trace"), op("+"), c("X")});
  Assign(*t->FExceptStmt, local, "trace", {v("trace"), op("+"), c("f")});
  Assign(*local.Statement(), local, "trace", {v("trace"), op("+"), c("Y")});
  CallStmt(body(), script, Call(script, p));
  Assign(body(), script, "trace", {v("trace"), op("+"), c("m")});
  script.Execute();
  EXPECT_EQ(value("trace"), ScriptValue("afm"));
}

TEST_F(StatementTest, BreakPendingInAFinallyPartDoesNotStopItsOwnLoops) {
  Var(script, "i", fvtInt, 0);
  Var(script, "j", fvtInt, 0);
  Var(script, "inner", fvtInt, 0);
  TscForStmt* outer = forLoop(body(), "i", 1, 5);
  auto* t = Add(*outer, new TscTryStmt(&script));
  Add(*t, new TscBreakStmt(&script));
  TscForStmt* innerLoop = forLoop(*t->FExceptStmt, "j", 1, 3);
  Assign(*innerLoop, script, "inner", {v("inner"), op("+"), c(1)});
  script.Execute();
  EXPECT_EQ(value("inner"), ScriptValue(3));  // the finally part ran its whole loop
  EXPECT_EQ(value("i"), ScriptValue(1));      // and the break then ended the outer loop
}

TEST_F(StatementTest, ExitInAProcedureDoesNotLeakIntoItsCaller) {
  Var(script, "n", fvtInt, 0);
  TscProcVariable* p = Function(script, "P", fvtInt, {}, false);
  Add(*p->Program()->Statement(), new TscExitStmt(p->Program()));
  CallStmt(body(), script, Call(script, p));
  Assign(body(), script, "n", {c(42)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(42));
  EXPECT_FALSE(p->Program()->FExitCalled);
}

TEST_F(StatementTest, ExitEndsTheMainProgram) {
  Var(script, "n", fvtInt, 0);
  Add(body(), new TscExitStmt(&script));
  Assign(body(), script, "n", {c(1)});
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(0));
  EXPECT_FALSE(script.FExitCalled);
}

TEST_F(StatementTest, IncrementAndDecrementCalls) {
  Var(script, "n", fvtInt, 5);
  CallStmt(body(), script, Ref(script, "n"), "+");
  CallStmt(body(), script, Ref(script, "n"), "+");
  CallStmt(body(), script, Ref(script, "n"), "-");
  script.Execute();
  EXPECT_EQ(value("n"), ScriptValue(6));
}

TEST_F(StatementTest, CompoundAssignmentsConvertToTheTargetType) {
  Var(script, "f", fvtFloat, 10);
  Var(script, "t", fvtString, "ab");
  Assign(body(), script, "f", {v("f"), op("/"), c(4)});
  Assign(body(), script, "t", {v("t"), op("+"), c("c")});
  EXPECT_NE(dynamic_cast<TscAssignDivStmt*>(body().Statement(0)), nullptr);
  EXPECT_NE(dynamic_cast<TscAssignPlusStmt*>(body().Statement(1)), nullptr);
  script.Execute();
  EXPECT_EQ(value("f"), ScriptValue(2.5));
  EXPECT_EQ(value("t"), ScriptValue("abc"));
}

TEST_F(StatementTest, CompoundRealDivisionByZeroIsAnError) {
  Var(script, "f", fvtFloat, 1);
  Assign(body(), script, "f", {v("f"), op("/"), c(0)});
  try {
    script.Execute();
    FAIL() << "no error";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Floating point division by zero"));
  }
  EXPECT_EQ(value("f"), ScriptValue(1.0));
}

TEST_F(StatementTest, IntegerVariableRefusesARealOutOfItsRange) {
  Var(script, "i", fvtInt, 3);
  Var(script, "big", fvtVariant, 1e10);
  Assign(body(), script, "i", {v("big")});
  try {
    script.Execute();
    FAIL() << "no error";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Value out of range for Integer"));
  }
  EXPECT_EQ(value("i"), ScriptValue(3));
}

TEST_F(StatementTest, WithEntryStoresTheDesignatorValue) {
  Var(script, "source", fvtVariant, 17);
  TscCustomVariable* hidden = Var(script, "_WithList_1", fvtVariant);
  auto* w = Add(body(), new TscWithStmt(&script));
  w->FDesignator.reset(Ref(script, "source"));
  w->FVariable = hidden;
  script.Execute();
  EXPECT_EQ(hidden->GetValue(), ScriptValue(17));
}

}  // namespace
