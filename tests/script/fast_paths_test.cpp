// The interpreter's short paths give the same results as the general ones: names looked up
// without upper-casing a copy, CallFunction's remembered lookup, direct calls, values copied
// and moved inline, text appended from where it is stored.
#include <gtest/gtest.h>

#include "interp_builder.h"
#include "script/script_error.h"

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
