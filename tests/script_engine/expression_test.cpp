// Expressions: building by priorities, static types, evaluation rules and arithmetic faults.
#include <gtest/gtest.h>

#include <memory>

#include "interp_builder.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/type_compat.h"

using namespace build;

namespace {

class ExpressionTest : public ::testing::Test {
 protected:
  ScriptValue eval(std::initializer_list<Tok> stream) {
    std::unique_ptr<TscExpression> e(Expr(script, stream));
    return e->GetValue();
  }
  QString misfit(std::initializer_list<Tok> stream) {
    QString error;
    std::unique_ptr<TscExpression> e(Expr(script, stream, &error));
    return error;
  }
  QString failure(std::initializer_list<Tok> stream) {
    std::unique_ptr<TscExpression> e(Expr(script, stream));
    try {
      e->GetValue();
    } catch (const ScriptError& error) {
      return error.Message();
    }
    return QStringLiteral("(no error)");
  }
  TscScript script;
};

TEST_F(ExpressionTest, MultiplicationBindsTighterThanAddition) {
  EXPECT_EQ(eval({c(1), op("+"), c(2), op("*"), c(3)}), ScriptValue(7));
}

TEST_F(ExpressionTest, EqualPrioritiesAssociateToTheLeft) {
  EXPECT_EQ(eval({c(10), op("-"), c(4), op("-"), c(3)}), ScriptValue(3));
  EXPECT_EQ(eval({c(100), op("div"), c(10), op("div"), c(5)}), ScriptValue(2));
}

TEST_F(ExpressionTest, BracketsGroupFirst) {
  EXPECT_EQ(eval({op("("), c(1), op("+"), c(2), op(")"), op("*"), c(3)}), ScriptValue(9));
  EXPECT_EQ(eval({c(2), op("*"), op("("), c(10), op("-"), op("("), c(4), op("-"), c(3), op(")"),
                  op(")")}),
            ScriptValue(18));
}

TEST_F(ExpressionTest, UnaryOperatorsApplyToTheNextOperand) {
  EXPECT_EQ(eval({op("unminus"), c(2), op("*"), c(3)}), ScriptValue(-6));
  EXPECT_EQ(eval({c(5), op("-"), op("unminus"), c(2)}), ScriptValue(7));
  EXPECT_EQ(eval({op("not"), c(false), op("and"), c(true)}), ScriptValue(true));
}

TEST_F(ExpressionTest, RealDivisionIsExtendedIntegerDivisionIsNot) {
  std::unique_ptr<TscExpression> e(Expr(script, {c(7), op("/"), c(2)}));
  EXPECT_EQ(e->FTyp, fvtFloat);
  EXPECT_EQ(e->GetValue(), ScriptValue(3.5));
  std::unique_ptr<TscExpression> div(Expr(script, {c(7), op("div"), c(2)}));
  EXPECT_EQ(div->FTyp, fvtInt);
  EXPECT_EQ(div->GetValue(), ScriptValue(3));
  EXPECT_EQ(eval({c(7), op("mod"), c(2)}), ScriptValue(1));
}

struct TypeCase {
  const char* name;
  ScriptValue left;
  const char* spelling;
  ScriptValue right;
  TscVarType type;
};
void PrintTo(const TypeCase& c, std::ostream* os) { *os << c.name; }


class ResultTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(ResultTypeTest, FollowsTheOperandsAndTheOperator) {
  TscScript script;
  const TypeCase& t = GetParam();
  std::unique_ptr<TscExpression> e(Expr(script, {c(t.left), op(t.spelling), c(t.right)}));
  EXPECT_EQ(e->FTyp, t.type);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResultTypeTest,
    ::testing::Values(TypeCase{"IntPlusInt", 1, "+", 2, fvtInt},
                      TypeCase{"IntPlusFloat", 1, "+", 2.5, fvtFloat},
                      TypeCase{"FloatPlusInt", 2.5, "+", 1, fvtFloat},
                      TypeCase{"Int64PlusFloat", std::int64_t(1) << 40, "*", 2.5, fvtFloat},
                      TypeCase{"IntOverIntIsFloat", 1, "/", 2, fvtFloat},
                      TypeCase{"Int64OverIntIsFloat", std::int64_t(1) << 40, "/", 2, fvtFloat},
                      TypeCase{"ComparisonIsBoolean", 1, "<", 2, fvtBool},
                      TypeCase{"StringsJoin", "a", "+", "b", fvtString},
                      TypeCase{"BooleansAnd", true, "and", false, fvtBool}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExpressionTest, StringPlusNumberDoesNotFit) {
  EXPECT_EQ(misfit({c("a"), op("+"), c(1)}), QStringLiteral("1:2"));
  EXPECT_EQ(eval({c("a"), op("+"), c("1")}), ScriptValue("a1"));
}

TEST_F(ExpressionTest, AndBindsTighterThanComparisonSoUnbracketedTestsDoNotFit) {
  Var(script, "a", fvtInt, 1);
  Var(script, "b", fvtInt, 2);
  // a = 1 and b = 2  groups as  ((a = (1 and b)) = 2): a Boolean compared with an Integer.
  EXPECT_FALSE(misfit({v("a"), op("="), c(1), op("and"), v("b"), op("="), c(2)}).isEmpty());
  EXPECT_EQ(eval({op("("), v("a"), op("="), c(1), op(")"), op("and"), op("("), v("b"), op("="),
                  c(2), op(")")}),
            ScriptValue(true));
}

struct OperatorRuleCase {
  const char* name;
  ScriptValue left;
  const char* spelling;
  ScriptValue right;
  bool fits;
};
void PrintTo(const OperatorRuleCase& c, std::ostream* os) { *os << c.name; }


class OperatorRuleTest : public ::testing::TestWithParam<OperatorRuleCase> {};

TEST_P(OperatorRuleTest, LeftTypeDecidesTheOperatorsAllowed) {
  TscScript script;
  const OperatorRuleCase& t = GetParam();
  QString error;
  std::unique_ptr<TscExpression> e(Expr(script, {c(t.left), op(t.spelling), c(t.right)}, &error));
  EXPECT_EQ(error.isEmpty(), t.fits);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OperatorRuleTest,
    ::testing::Values(OperatorRuleCase{"BooleanXor", true, "xor", false, true},
                      OperatorRuleCase{"BooleanPlus", true, "+", false, false},
                      OperatorRuleCase{"BooleanLess", true, "<", false, false},
                      OperatorRuleCase{"StringTimes", "a", "*", "b", false},
                      OperatorRuleCase{"StringLess", "a", "<", "b", true},
                      OperatorRuleCase{"IntegerAndBoolean", 1, "and", true, false},
                      OperatorRuleCase{"FloatShlInt", 1.5, "shl", 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A function that counts its calls and returns its argument, to see which sides run.
class ShortCircuitTest : public ExpressionTest {
 protected:
  void SetUp() override {
    calls = Var(script, "calls", fvtInt, 0);
    // Probe counts its calls and returns "answer".
    probe = Function(script, "Probe", fvtBool, {});
    Var(script, "answer", fvtVariant, true);
    Assign(*probe->Program()->Statement(), *probe->Program(), "calls",
           {v("calls"), op("+"), c(1)});
    Assign(*probe->Program()->Statement(), *probe->Program(), "Result", {v("answer")});
  }
  Tok callProbe() { return d(Call(script, probe)); }
  TscCustomVariable* calls = nullptr;
  TscProcVariable* probe = nullptr;
};

TEST_F(ShortCircuitTest, BooleanAndSkipsTheRightSideWhenTheLeftIsFalse) {
  EXPECT_EQ(eval({c(false), op("and"), callProbe()}), ScriptValue(false));
  EXPECT_EQ(calls->GetValue(), ScriptValue(0));
  EXPECT_EQ(eval({c(true), op("and"), callProbe()}), ScriptValue(true));
  EXPECT_EQ(calls->GetValue(), ScriptValue(1));
}

TEST_F(ShortCircuitTest, BooleanOrSkipsTheRightSideWhenTheLeftIsTrue) {
  EXPECT_EQ(eval({c(true), op("or"), callProbe()}), ScriptValue(true));
  EXPECT_EQ(calls->GetValue(), ScriptValue(0));
}

TEST_F(ShortCircuitTest, WithoutTwoStaticBooleansBothSidesRun) {
  // A Variant on the left makes the pair not statically Boolean.
  Var(script, "no", fvtVariant, false);
  EXPECT_EQ(eval({v("no"), op("and"), callProbe()}), ScriptValue(false));
  EXPECT_EQ(calls->GetValue(), ScriptValue(1));
}

TEST_F(ExpressionTest, StringJoinConcatenatesAfterAStringAndAddsOtherwise) {
  Var(script, "x", fvtVariant, "a");
  EXPECT_EQ(eval({v("x"), op("strcat"), c(1)}), ScriptValue("a1"));
  script.Find("x")->SetValue(ScriptValue(1));
  EXPECT_EQ(eval({v("x"), op("strcat"), c(2)}), ScriptValue(3));
}

TEST_F(ExpressionTest, InTestsSetElementsAndRanges) {
  Var(script, "x", fvtInt, 0);
  for (int value : {1, 2, 3, 4, 5, 6}) {
    script.Find("x")->SetValue(ScriptValue(value));
    bool expected = value == 1 || (value >= 3 && value <= 5);
    EXPECT_EQ(eval({v("x"), op("in"), s(SetOf({1, 3, ScriptValue::Null(), 5}))}),
              ScriptValue(expected))
        << value;
  }
}

TEST_F(ExpressionTest, InTestsAnArrayValueWithNullMarkingARange) {
  Var(script, "arr", fvtVariant,
      ScriptValue::ArrayOf({ScriptValue("a"), ScriptValue("c"), ScriptValue::Null(),
                            ScriptValue("e")}));
  EXPECT_EQ(eval({c("d"), op("in"), v("arr")}), ScriptValue(true));
  EXPECT_EQ(eval({c("b"), op("in"), v("arr")}), ScriptValue(false));
  Var(script, "notArray", fvtVariant, 5);
  EXPECT_EQ(failure({c(5), op("in"), v("notArray")}),
            QStringLiteral("The right side of \"in\" must be a set or an array"));
}

TEST_F(ExpressionTest, SetConstructorValueIsAnArrayWithNullForRanges) {
  ScriptValue value = eval({s(SetOf({1, 3, ScriptValue::Null(), 5}))});
  ASSERT_TRUE(value.IsArray());
  EXPECT_EQ(value.ArrayLength(), 4);
  EXPECT_TRUE(value.ArrayGet({2}).IsNull());
}

struct FaultCase {
  const char* name;
  ScriptValue left;
  const char* spelling;
  ScriptValue right;
  const char* message;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }


class ArithmeticFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ArithmeticFaultTest, RaisesAScriptErrorInsteadOfCrashing) {
  TscScript script;
  const FaultCase& t = GetParam();
  std::unique_ptr<TscExpression> e(Expr(script, {c(t.left), op(t.spelling), c(t.right)}));
  try {
    e->GetValue();
    FAIL() << "no error";
  } catch (const ScriptError& error) {
    EXPECT_EQ(error.Message(), QString::fromLatin1(t.message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArithmeticFaultTest,
    ::testing::Values(
        FaultCase{"RealByZero", 1.5, "/", 0.0, "Floating point division by zero"},
        FaultCase{"IntegerOverZero", 1, "/", 0, "Floating point division by zero"},
        FaultCase{"DivByZero", 7, "div", 0, "Division by zero"},
        FaultCase{"ModByZero", 7, "mod", 0, "Division by zero"},
        FaultCase{"Int64DivByZero", std::int64_t(1) << 40, "div", std::int64_t(0),
                  "Division by zero"},
        FaultCase{"LowestDivMinusOne", std::int64_t(INT64_MIN), "div", std::int64_t(-1),
                  "Integer overflow"},
        FaultCase{"ShlPastWidth", 1, "shl", 32, "Shift count 32 is out of range"},
        FaultCase{"ShrNegative", 1, "shr", -1, "Shift count -1 is out of range"},
        FaultCase{"Int64ShlPastWidth", std::int64_t(1), "shl", 64,
                  "Shift count 64 is out of range"},
        FaultCase{"HugeRealDiv", 1e300, "div", 1, "Value out of range for Int64"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExpressionTest, LowestIntegerDividedByMinusOneWidens) {
  EXPECT_EQ(eval({c(INT32_MIN), op("div"), c(-1)}), ScriptValue(std::int64_t(2147483648LL)));
  EXPECT_EQ(eval({c(1), op("shl"), c(31)}), ScriptValue(INT32_MIN));
  EXPECT_EQ(eval({c(std::int64_t(1)), op("shl"), c(40)}), ScriptValue(std::int64_t(1) << 40));
}

TEST_F(ExpressionTest, IntegerResultsWidenInsteadOfWrapping) {
  EXPECT_EQ(eval({c(INT32_MAX), op("+"), c(1)}), ScriptValue(std::int64_t(2147483648LL)));
  EXPECT_EQ(eval({c(65536), op("*"), c(65536)}), ScriptValue(std::int64_t(1) << 32));
  EXPECT_EQ(eval({op("unminus"), c(INT32_MIN)}), ScriptValue(std::int64_t(2147483648LL)));
}

// Sums, differences and products of two 32-bit integers at the edges of the range: an Integer
// while the result fits, an Int64 beyond. Each is computed with both operands stored (read in
// place), with a computed left operand, and as the compound assignment x := x op b.
struct IntegerEdgeCase {
  const char* name;
  int a;
  const char* spelling;
  int b;
  ScriptValue expected;
};
void PrintTo(const IntegerEdgeCase& c, std::ostream* os) { *os << c.name; }

class IntegerEdgeTest : public ::testing::TestWithParam<IntegerEdgeCase> {};

TEST_P(IntegerEdgeTest, FitsOrWidensAlikeOnEveryPath) {
  const IntegerEdgeCase& t = GetParam();
  TscScript script;
  std::unique_ptr<TscExpression> stored(Expr(script, {c(t.a), op(t.spelling), c(t.b)}));
  EXPECT_EQ(stored->GetValue(), t.expected);
  std::unique_ptr<TscExpression> computed(Expr(
      script, {op("("), c(t.a), op("+"), c(0), op(")"), op(t.spelling), c(t.b)}));
  EXPECT_EQ(computed->GetValue(), t.expected);
  Var(script, "x", fvtVariant, t.a);
  Assign(*script.Statement(), script, "x", {v("x"), op(t.spelling), c(t.b)});
  script.Execute();
  EXPECT_EQ(script.Variable(QStringLiteral("x")), t.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerEdgeTest,
    ::testing::Values(
        IntegerEdgeCase{"LargestPlusZero", INT32_MAX, "+", 0, ScriptValue(INT32_MAX)},
        IntegerEdgeCase{"LargestPlusOne", INT32_MAX, "+", 1, ScriptValue(std::int64_t(1) << 31)},
        IntegerEdgeCase{"LowestPlusMinusOne", INT32_MIN, "+", -1,
                        ScriptValue(-(std::int64_t(1) << 31) - 1)},
        IntegerEdgeCase{"LowestPlusLargest", INT32_MIN, "+", INT32_MAX, ScriptValue(-1)},
        IntegerEdgeCase{"LowestMinusZero", INT32_MIN, "-", 0, ScriptValue(INT32_MIN)},
        IntegerEdgeCase{"LowestMinusOne", INT32_MIN, "-", 1,
                        ScriptValue(-(std::int64_t(1) << 31) - 1)},
        IntegerEdgeCase{"LargestMinusMinusOne", INT32_MAX, "-", -1,
                        ScriptValue(std::int64_t(1) << 31)},
        IntegerEdgeCase{"ZeroMinusLowest", 0, "-", INT32_MIN, ScriptValue(std::int64_t(1) << 31)},
        IntegerEdgeCase{"MinusOneMinusLargest", -1, "-", INT32_MAX, ScriptValue(INT32_MIN)},
        IntegerEdgeCase{"SquareThatFits", 46340, "*", 46340, ScriptValue(2147395600)},
        IntegerEdgeCase{"SquareThatDoesNot", 46341, "*", 46341,
                        ScriptValue(std::int64_t(2147488281LL))},
        IntegerEdgeCase{"LowestTimesOne", INT32_MIN, "*", 1, ScriptValue(INT32_MIN)},
        IntegerEdgeCase{"LowestTimesMinusOne", INT32_MIN, "*", -1,
                        ScriptValue(std::int64_t(1) << 31)},
        IntegerEdgeCase{"NegativeProductThatDoesNotFit", -65536, "*", 32769,
                        ScriptValue(std::int64_t(-65536) * 32769)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExpressionTest, NestingDeeperThanTheLimitIsRefused) {
  auto e = std::make_unique<TscExpression>(&script);
  e->AddConst(ScriptValue(1));
  for (int i = 0; i < TscExpression::kMaxDepth + 10; ++i) {
    e->AddOperator(QStringLiteral("+"));
    e->AddConst(ScriptValue(1));
  }
  EXPECT_THROW(e->Finalize(), ScriptError);
}

TEST_F(ExpressionTest, SingleOperandExpressionsExposeTheirItem) {
  TscCustomVariable* a = Var(script, "a", fvtInt, 4);
  std::unique_ptr<TscExpression> ref(Expr(script, {v("a")}));
  EXPECT_EQ(ref->SingleItem(), a);
  EXPECT_FALSE(ref->FIsReadOnly);
  std::unique_ptr<TscExpression> sum(Expr(script, {v("a"), op("+"), c(1)}));
  EXPECT_EQ(sum->SingleItem(), nullptr);
  EXPECT_TRUE(sum->FIsReadOnly);
  sum->SetValue(ScriptValue(99));  // not a designator: nothing is written
  EXPECT_EQ(a->GetValue(), ScriptValue(4));
}

struct OptimizeCase {
  const char* name;
  TscVarType type;
  bool targetLeft;   // a := a op x  (else  a := x op a)
  const char* spelling;
  char modifier;     // 0: not optimised
};
void PrintTo(const OptimizeCase& c, std::ostream* os) { *os << c.name; }


class OptimizeTest : public ::testing::TestWithParam<OptimizeCase> {};

TEST_P(OptimizeTest, TurnsSelfAssignmentsIntoCompoundAssignments) {
  TscScript script;
  const OptimizeCase& t = GetParam();
  Var(script, "a", t.type, t.type == fvtString ? ScriptValue("s") : ScriptValue(6));
  const ScriptValue other = t.type == fvtString ? ScriptValue("t") : ScriptValue(2);
  std::unique_ptr<TscExpression> e(
      t.targetLeft ? Expr(script, {v("a"), op(t.spelling), c(other)})
                   : Expr(script, {c(other), op(t.spelling), v("a")}));
  std::unique_ptr<TscDesignator> target(Ref(script, "a"));
  QChar modifier = e->Optimize(target.get());
  EXPECT_EQ(modifier, t.modifier ? QChar(QLatin1Char(t.modifier)) : QChar());
  if (t.modifier) {
    EXPECT_EQ(e->GetValue(), ScriptValue(2));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OptimizeTest,
    ::testing::Values(OptimizeCase{"PlusLeft", fvtInt, true, "+", '+'},
                      OptimizeCase{"MinusLeft", fvtInt, true, "-", '-'},
                      OptimizeCase{"TimesLeft", fvtFloat, true, "*", '*'},
                      OptimizeCase{"DivideLeft", fvtFloat, true, "/", '/'},
                      OptimizeCase{"PlusRight", fvtInt, false, "+", '+'},
                      OptimizeCase{"TimesRight", fvtInt, false, "*", '*'},
                      OptimizeCase{"MinusRightIsNot", fvtInt, false, "-", 0},
                      OptimizeCase{"StringRightIsNot", fvtString, false, "+", 0},
                      OptimizeCase{"VariantRightIsNot", fvtVariant, false, "+", 0},
                      OptimizeCase{"JoinIsNot", fvtVariant, true, "strcat", 0},
                      OptimizeCase{"ComparisonIsNot", fvtInt, true, "<", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct CompatCase {
  TscVarType first, second;
  bool forOperators, forAssignment;
};

TEST(TypeCompatibilityTest, FollowsTheTable) {
  const CompatCase cases[] = {
      {fvtInt, fvtFloat, true, false},    {fvtFloat, fvtInt, true, true},
      {fvtInt, fvtEnum, true, true},      {fvtInt, fvtString, false, false},
      {fvtBool, fvtInt, false, false},    {fvtBool, fvtVariant, true, true},
      {fvtString, fvtChar, true, true},   {fvtChar, fvtInt, false, false},
      {fvtArray, fvtArray, true, true},   {fvtArray, fvtInt, false, false},
      {fvtVariant, fvtClass, true, true}, {fvtEnum, fvtInt64, true, true},
      {fvtEnum, fvtFloat, false, false},  {fvtInt64, fvtFloat, true, true},
      {fvtFloat, fvtInt64, false, false}, {fvtConstructor, fvtVariant, false, false},
  };
  for (const CompatCase& t : cases) {
    EXPECT_EQ(scTypesCompatible(t.first, {}, t.second, {}, nullptr), t.forOperators)
        << scTypeToString(t.first, {}).toStdString() << " / " << t.second;
    EXPECT_EQ(scAssignCompatible(t.first, {}, t.second, {}, nullptr), t.forAssignment)
        << scTypeToString(t.first, {}).toStdString() << " := " << t.second;
  }
  EXPECT_TRUE(scTypesCompatible(fvtEnum, "TAlign", fvtEnum, "talign", nullptr));
  EXPECT_FALSE(scTypesCompatible(fvtEnum, "TAlign", fvtEnum, "TAnchors", nullptr));
}

}  // namespace
