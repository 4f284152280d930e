// The interpreter's short paths give the same results as the general ones: names looked up
// without upper-casing a copy, CallFunction's remembered lookup, direct calls and the frames of
// recursive calls, line hooks remembered per script, values copied and moved inline, text
// appended from where it is stored.
#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <memory>

#include "interp_builder.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/helpers.h"

using namespace build;

namespace {

// --- name lookup ---

struct LookupCase {
  const char* stored;
  const char* asked;
};

class CaseInsensitiveLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(CaseInsensitiveLookup, FindsTheEntryWhateverTheCase) {
  TscScript script;
  // Neighbours whose order differs between upper- and lower-cased comparison ("_" lies
  // between the two alphabets), so a lookup that compared the wrong way would miss.
  for (const char* name : {"a_b", "aB", "A1", "zeta", "Größe", "_x"})
    script.Add(QString::fromUtf8(name), TscScript::CreateVariable(QString::fromUtf8(name), fvtInt,
                                                                 QString()));
  TscCustomVariable* wanted = script.FindLocal(QString::fromUtf8(GetParam().stored));
  ASSERT_NE(wanted, nullptr);
  EXPECT_EQ(script.FindLocal(QString::fromUtf8(GetParam().asked)), wanted);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CaseInsensitiveLookup,
    ::testing::Values(LookupCase{"a_b", "A_B"}, LookupCase{"aB", "ab"}, LookupCase{"A1", "a1"},
                      LookupCase{"zeta", "ZeTa"}, LookupCase{"_x", "_X"},
                      LookupCase{"Größe", "GRÖßE"}, LookupCase{"Größe", "größe"}));

TEST(NameLookup, AMissingNameOrAPrefixIsNotFound) {
  TscScript script;
  Var(script, "Total", fvtInt, 0);
  EXPECT_EQ(script.FindLocal("Tota"), nullptr);
  EXPECT_EQ(script.FindLocal("Totals"), nullptr);
  EXPECT_EQ(script.FindLocal(""), nullptr);
}

// --- CallFunction ---

TscProcVariable* constantFunction(TscScript& script, const char* name, int value) {
  TscProcVariable* f = Function(script, name, fvtInt, {});
  Assign(*f->Program()->Statement(), *f->Program(), "Result", {c(value)});
  return f;
}

TEST(CallFunction, ALaterFunctionOfTheSameNameIsCalledAfterwards) {
  TscScript script;
  constantFunction(script, "F", 1);
  EXPECT_EQ(script.CallFunction("F", ScriptValue()), ScriptValue(1));
  constantFunction(script, "f", 2);
  EXPECT_EQ(script.CallFunction("F", ScriptValue()), ScriptValue(2));
}

TEST(CallFunction, ARemovedFunctionIsNoLongerCalled) {
  TscScript script;
  TscProcVariable* f = constantFunction(script, "F", 1);
  EXPECT_EQ(script.CallFunction("F", ScriptValue()), ScriptValue(1));
  script.Remove(f);
  delete f;
  EXPECT_TRUE(script.CallFunction("F", ScriptValue()).IsNull());
}

TEST(CallFunction, NamesOtherThanFunctionsGiveNull) {
  TscScript script;
  Var(script, "x", fvtInt, 5);
  EXPECT_TRUE(script.CallFunction("x", ScriptValue()).IsNull());
  EXPECT_TRUE(script.CallFunction("nothing", ScriptValue()).IsNull());
}

TEST(CallFunction, AlternatingNamesEachCallTheirOwnFunction) {
  TscScript script;
  constantFunction(script, "One", 1);
  constantFunction(script, "Two", 2);
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(script.CallFunction("one", ScriptValue()), ScriptValue(1));
    EXPECT_EQ(script.CallFunction("TWO", ScriptValue()), ScriptValue(2));
  }
}

TEST(CallFunction, ASingleArgumentAndAnArrayOfArgumentsAreBothPassed) {
  TscScript script;
  TscProcVariable* twice = Function(script, "Twice", fvtInt, {"n"});
  Assign(*twice->Program()->Statement(), *twice->Program(), "Result", {v("n"), op("*"), c(2)});
  EXPECT_EQ(script.CallFunction("Twice", ScriptValue(21)), ScriptValue(42));
  EXPECT_EQ(script.CallFunction("Twice", ScriptValue::ArrayOf({4})), ScriptValue(8));
}

// --- direct calls ---

TEST(DirectCall, AFunctionResultIsReturnedOnceAndClearedForTheNextCall) {
  // function Next: Integer; begin if flag then Result := 7 end;
  // The second call leaves Result unassigned: it must not see the first call's value.
  TscScript script;
  TscCustomVariable* flag = Var(script, "flag", fvtBool, true);
  TscProcVariable* next = Function(script, "Next", fvtVariant, {});
  TscScript& local = *next->Program();
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("flag")}));
  Assign(*test, local, "Result", {c(7)});
  EXPECT_EQ(script.CallFunction("Next", ScriptValue()), ScriptValue(7));
  flag->SetValue(false);
  EXPECT_TRUE(script.CallFunction("Next", ScriptValue()).IsEmpty());
}

TEST(DirectCall, NestedCallsAsArgumentsGetTheirOwnValues) {
  // Add(Add(1, 2), Add(3, 4)) through designators the way the compiler builds them.
  TscScript script;
  TscProcVariable* add = Function(script, "Add", fvtInt, {"a", "b"});
  Assign(*add->Program()->Statement(), *add->Program(), "Result", {v("a"), op("+"), v("b")});
  TscDesignator* outer = Call(
      script, add,
      {Expr(script, {d(Call(script, add, {Expr(script, {c(1)}), Expr(script, {c(2)})}))}),
       Expr(script, {d(Call(script, add, {Expr(script, {c(3)}), Expr(script, {c(4)})}))})});
  EXPECT_EQ(outer->FKind, dkCall);
  EXPECT_EQ(outer->GetValue(), ScriptValue(10));
  delete outer;
}

TEST(DirectCall, ARecursiveCallWithoutAnArgumentUsesTheDefaultAndKeepsTheCallersValue) {
  // function Depth(n: Integer; k: Integer = 5): Integer;
  // begin if n > 0 then Result := Depth(n - 1) + k else Result := k end;
  // Depth(1, 100): the inner level sees k = 5, the outer its own 100 again: 105.
  TscScript script;
  TscProcVariable* depth = Function(script, "Depth", fvtInt, {"n"});
  depth->AddParameter("k", fvtInt, QString(), false, true, ScriptValue(5));
  TscScript& local = *depth->Program();
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("n"), op(">"), c(0)}));
  Assign(*test, local, "Result",
         {d(Call(local, depth, {Expr(local, {v("n"), op("-"), c(1)})})), op("+"), v("k")});
  Assign(*test->FElseStmt, local, "Result", {v("k")});
  EXPECT_EQ(script.CallFunction("Depth", ScriptValue::ArrayOf({1, 100})), ScriptValue(105));
  EXPECT_EQ(script.CallFunction("Depth", ScriptValue::ArrayOf({2})), ScriptValue(15));
}

TEST(DirectCall, ARecursiveCallWithMoreArgumentsThanParametersLeavesResultUnassigned) {
  // function Extra(n: Integer): Variant; begin if n > 0 then Result := Extra(n - 1, 99) end;
  // The surplus argument is dropped: the inner level returns nothing.
  TscScript script;
  TscProcVariable* extra = Function(script, "Extra", fvtVariant, {"n"});
  TscScript& local = *extra->Program();
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("n"), op(">"), c(0)}));
  Assign(*test, local, "Result",
         {d(Call(local, extra, {Expr(local, {v("n"), op("-"), c(1)}), Expr(local, {c(99)})}))});
  EXPECT_TRUE(script.CallFunction("Extra", ScriptValue::ArrayOf({1})).IsEmpty());
}

TEST(DirectCall, TheCallersResultSurvivesARecursiveCall) {
  // function Keep(n: Integer): Integer; begin Result := n; if n > 0 then Keep(n - 1) end;
  TscScript script;
  TscProcVariable* keep = Function(script, "Keep", fvtInt, {"n"});
  TscScript& local = *keep->Program();
  Assign(*local.Statement(), local, "Result", {v("n")});
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("n"), op(">"), c(0)}));
  CallStmt(*test, local, Call(local, keep, {Expr(local, {v("n"), op("-"), c(1)})}));
  EXPECT_EQ(script.CallFunction("Keep", ScriptValue::ArrayOf({3})), ScriptValue(3));
}

TEST(DirectCall, ALocalScriptGainingVariablesDuringARecursionKeepsEveryLevel) {
  // function R(n: Integer): Integer;
  // begin if n = 1 then try Fail except end;
  //   if n > 0 then Result := R(n - 1) + n else Result := 0 end;
  // Without the system module the except part creates ExceptionClassName and ExceptionMessage
  // in R's own script at the third level, so the fourth level lays out a larger frame while the
  // levels above it still hold the smaller one.
  TscScript script;
  TscMethodHelper* fail = script.AddMethod(
      QStringLiteral("procedure Fail"),
      TscCallMethod([](TscHostObject*, const TscHostClass*, const QString&,
                       std::vector<ScriptValue>&) -> ScriptValue {
        throw ScriptError(QStringLiteral("failed"));
      }));
  TscProcVariable* r = Function(script, "R", fvtInt, {"n"});
  TscScript& local = *r->Program();
  auto* once = Add(*local.Statement(), new TscIfStmt(&local));
  once->FCondition.reset(Expr(local, {v("n"), op("="), c(1)}));
  auto* guarded = Add(*once, new TscTryStmt(&local));
  guarded->FIsExcept = true;
  CallStmt(*guarded, local, Call(local, fail));
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("n"), op(">"), c(0)}));
  Assign(*test, local, "Result",
         {d(Call(local, r, {Expr(local, {v("n"), op("-"), c(1)})})), op("+"), v("n")});
  Assign(*test->FElseStmt, local, "Result", {c(0)});
  EXPECT_EQ(script.CallFunction("R", ScriptValue::ArrayOf({3})), ScriptValue(6));
  EXPECT_EQ(local.Variable("ExceptionMessage"), ScriptValue("failed"));
  EXPECT_EQ(script.CallFunction("R", ScriptValue::ArrayOf({4})), ScriptValue(10));
}

TEST(DirectCall, AVariableRemovedAndFreedDuringARecursionGetsNoValueAfterwards) {
  // procedure P(n: Integer); var x: Integer;
  // begin x := n; if n > 0 then P(n - 1) else Drop end;
  // At the innermost level Drop takes x out of P's script and frees it; the test then makes a
  // variable of the same class, which the allocator places where x was. The levels above put
  // their saved x back when they end: never into that variable.
  TscScript script;
  TscProcVariable* p = Function(script, "P", fvtInt, {"n"}, false);
  TscScript& local = *p->Program();
  TscCustomVariable* x = Var(local, "x", fvtInt, 0);
  std::unique_ptr<TscVariable> later;
  TscMethodHelper* drop = script.AddMethod(
      QStringLiteral("procedure Drop"),
      TscCallMethod([&](TscHostObject*, const TscHostClass*, const QString&,
                        std::vector<ScriptValue>&) {
        local.Remove(x);
        delete x;
        later = std::make_unique<TscVariable>(QStringLiteral("later"), fvtInt, QString());
        later->SetValue(ScriptValue(4242));
        return ScriptValue();
      }));
  Assign(*local.Statement(), local, "x", {v("n")});
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("n"), op(">"), c(0)}));
  CallStmt(*test, local, Call(local, p, {Expr(local, {v("n"), op("-"), c(1)})}));
  CallStmt(*test->FElseStmt, local, Call(local, drop));
  script.CallFunction("P", ScriptValue::ArrayOf({3}));
  ASSERT_TRUE(later);
  EXPECT_EQ(later->StoredValue(), ScriptValue(4242));
  EXPECT_EQ(local.FindLocal(QStringLiteral("x")), nullptr);
}

// --- line hooks ---

// A procedure P whose statements are at the positions 1:1, 2:1, ... in order.
class LineHookTest : public ::testing::Test {
 protected:
  LineHookTest() {
    Var(script, "x", fvtInt, 0);
    proc = Function(script, "P", fvtInt, {}, false);
    CallStmt(*script.Statement(), script, Call(script, proc));
  }
  // Appends a statement to P at the next position.
  template <class S>
  S* positioned(S* statement) {
    statement->FSourcePos = QStringLiteral("%1:1").arg(++lines);
    return statement;
  }
  void assignInP(int value) {
    positioned(Assign(*proc->Program()->Statement(), *proc->Program(), "x", {c(value)}));
  }
  // P calls a host procedure that runs `action`.
  void hostCallInP(std::function<void()> action) {
    TscMethodHelper* method = script.AddMethod(
        QStringLiteral("procedure Host%1").arg(lines),
        TscCallMethod([action](TscHostObject*, const TscHostClass*, const QString&,
                               std::vector<ScriptValue>&) {
          action();
          return ScriptValue();
        }));
    positioned(CallStmt(*proc->Program()->Statement(), *proc->Program(),
                        Call(*proc->Program(), method)));
  }
  void recordLines() {
    script.FOnRunLine = [this](TscScript&, const QString&, const QString& position) {
      seen << position;
    };
  }

  TscScript script;
  TscProcVariable* proc = nullptr;
  int lines = 0;
  QStringList seen;
};

TEST_F(LineHookTest, AHookSetWhileAProcedureRunsHearsItsFollowingStatements) {
  assignInP(1);
  hostCallInP([this] { recordLines(); });
  assignInP(2);
  assignInP(3);
  script.Execute();
  EXPECT_EQ(seen, (QStringList{"3:1", "4:1"}));
}

TEST_F(LineHookTest, AHookRemovedWhileAProcedureRunsIsNoLongerCalled) {
  recordLines();
  assignInP(1);
  hostCallInP([this] { script.FOnRunLine = nullptr; });
  assignInP(2);
  script.Execute();
  EXPECT_EQ(seen, (QStringList{"", "1:1", "2:1"}));  // the main program's call of P first
}

TEST(LineHooks, AScriptGivenAnotherParentReportsToThatParentsHook) {
  TscScript silent, listening;
  QStringList seen;
  listening.FOnRunLine = [&seen](TscScript&, const QString&, const QString& position) {
    seen << position;
  };
  TscScript child(&silent);
  Var(child, "x", fvtInt, 0);
  Assign(*child.Statement(), child, "x", {c(1)})->FSourcePos = QStringLiteral("7:3");
  child.Execute();
  EXPECT_TRUE(seen.isEmpty());
  child.SetParent(&listening);
  child.Execute();
  EXPECT_EQ(seen, QStringList{"7:3"});
  child.SetQuietLines(true);
  child.Execute();
  EXPECT_EQ(seen, QStringList{"7:3"});
}

// --- values ---

TEST(ValueMoves, MovingLeavesTheSourceEmptyAndKeepsEveryKind) {
  const ScriptValue samples[] = {ScriptValue(), ScriptValue::Null(), ScriptValue(true),
                                 ScriptValue(-5), ScriptValue(std::int64_t(1) << 40),
                                 ScriptValue(2.5), ScriptValue::DateTime(3.25),
                                 ScriptValue("text"), ScriptValue::ArrayOf({1, "a"})};
  for (const ScriptValue& sample : samples) {
    ScriptValue source = sample;
    ScriptValue target(std::move(source));
    EXPECT_EQ(target, sample);
    EXPECT_TRUE(source.IsEmpty());
    ScriptValue assigned("old text");
    assigned = std::move(target);
    EXPECT_EQ(assigned, sample);
    EXPECT_TRUE(target.IsEmpty());
  }
}

TEST(ValueMoves, AValueMovedOntoItselfKeepsItsContent) {
  ScriptValue text("keep");
  ScriptValue& same = text;
  text = std::move(same);
  EXPECT_EQ(text, ScriptValue("keep"));
  ScriptValue number(3);
  ScriptValue& alias = number;
  number = alias;
  EXPECT_EQ(number, ScriptValue(3));
}

TEST(ValueMoves, AnIntegerReadAfterAnotherKindReadsOnlyItsOwnBits) {
  ScriptValue v(-1.0);  // all of the payload's high bytes set
  v = ScriptValue(7);
  EXPECT_EQ(v.ToInt64(), 7);
  v = ScriptValue(true);
  EXPECT_EQ(v.ToInt32(), -1);
}

TEST(ValueAppend, AStringAppendedToItselfDoubles) {
  ScriptValue s("ab");
  s.AppendString(s);
  EXPECT_EQ(s, ScriptValue("abab"));
}

TEST(ValueAppend, AppendingOrAppendingToANonStringRaises) {
  ScriptValue s("ab");
  EXPECT_THROW(s.AppendString(ScriptValue(1)), ScriptError);
  ScriptValue n(1);
  EXPECT_THROW(n.AppendString(ScriptValue("x")), ScriptError);
}

}  // namespace
