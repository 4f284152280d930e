// Script values: kinds, conversions, arithmetic, comparison, arrays, objects and dates.
#include <gtest/gtest.h>

#include <QLocale>
#include <QPoint>

#include <cmath>
#include <cstdint>
#include <limits>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/interpreter/value.h"
#include "script_engine/interpreter/value_ops.h"
#include "script_engine/interpreter/value_qvariant.h"

namespace {

using V = ScriptValue;

std::string Show(const ScriptValue& v) {
  if (v.IsNull() || v.IsEmpty() || v.IsObject() || v.IsArray()) return v.KindName().toStdString();
  return (v.KindName() + QLatin1Char(' ') + v.ToString()).toStdString();
}

class TestObject : public ScriptObject {};

// --- representation ---

TEST(ValueRepresentation, NumbersAreInlineAndCompact) {
  EXPECT_LE(sizeof(ScriptValue), 32u);
  static_assert(std::is_nothrow_move_constructible_v<ScriptValue>);
}

TEST(ValueRepresentation, KindsAndTypeCodes) {
  TestObject o;
  const struct { ScriptValue v; ValueKind kind; int varType; } cases[] = {
      {V(), ValueKind::Empty, VarTypeCode::varEmpty},
      {V::Null(), ValueKind::Null, VarTypeCode::varNull},
      {V(true), ValueKind::Boolean, VarTypeCode::varBoolean},
      {V(7), ValueKind::Integer, VarTypeCode::varInteger},
      {V(std::int64_t(7)), ValueKind::Int64, VarTypeCode::varInt64},
      {V(7.5), ValueKind::Double, VarTypeCode::varDouble},
      {V::DateTime(1), ValueKind::Date, VarTypeCode::varDate},
      {V("s"), ValueKind::String, VarTypeCode::varString},
      {V(&o), ValueKind::Object, VarTypeCode::varUnknown},
      {V::ArrayOf({V(1)}), ValueKind::Array, VarTypeCode::varArray | VarTypeCode::varVariant},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.v.Kind(), c.kind) << Show(c.v);
    EXPECT_EQ(c.v.VarType(), c.varType) << Show(c.v);
  }
}

TEST(ValueRepresentation, CopiesAndMovesKeepContent) {
  ScriptValue s("text");
  ScriptValue copy = s;
  ScriptValue moved = std::move(copy);
  EXPECT_EQ(moved, V("text"));
  EXPECT_TRUE(copy.IsEmpty());
  moved = V(3);
  EXPECT_EQ(moved, V(3));
  moved = s;
  EXPECT_EQ(moved.ToString(), QStringLiteral("text"));
}

// --- conversions ---

struct ConversionCase {
  ScriptValue v;
  bool toBool;
  int toInt;
  double toDouble;
  const char* toString;
};

TEST(ValueConversion, ScalarConversions) {
  const ConversionCase cases[] = {
      {V(), false, 0, 0, ""},
      {V(true), true, -1, -1, "True"},
      {V(false), false, 0, 0, "False"},
      {V(42), true, 42, 42, "42"},
      {V(std::int64_t(-5)), true, -5, -5, "-5"},
      {V(2.5), true, 2, 2.5, "2.5"},      // to integer: halves to even
      {V(3.5), true, 4, 3.5, "3.5"},
      {V(-2.5), true, -2, -2.5, "-2.5"},
      {V("12"), true, 12, 12, "12"},
      {V(" 1.5 "), true, 2, 1.5, " 1.5 "},
      {V("$FF"), true, 255, 255, "$FF"},
      {V("0"), false, 0, 0, "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.v.ToBool(), c.toBool) << Show(c.v);
    EXPECT_EQ(c.v.ToInt32(), c.toInt) << Show(c.v);
    EXPECT_DOUBLE_EQ(c.v.ToDouble(), c.toDouble) << Show(c.v);
    EXPECT_EQ(c.v.ToString(), QString::fromUtf8(c.toString)) << Show(c.v);
  }
}

TEST(ValueConversion, BooleanTextsConvert) {
  EXPECT_TRUE(V("True").ToBool());
  EXPECT_TRUE(V(" TRUE ").ToBool());
  EXPECT_FALSE(V("false").ToBool());
}

TEST(ValueConversion, FailuresRaise) {
  TestObject o;
  const ScriptValue notNumbers[] = {V::Null(), V("abc"), V(""), V("inf"), V(&o), V::ArrayOf({})};
  for (const ScriptValue& v : notNumbers) {
    EXPECT_THROW(v.ToInt32(), ScriptError) << Show(v);
    EXPECT_THROW(v.ToDouble(), ScriptError) << Show(v);
    EXPECT_THROW(v.ToBool(), ScriptError) << Show(v);
  }
  EXPECT_THROW(V::Null().ToString(), ScriptError);
  EXPECT_THROW(V(&o).ToString(), ScriptError);
  EXPECT_THROW(V(1e10).ToInt32(), ScriptError);
  EXPECT_THROW(V(std::int64_t(1) << 40).ToInt32(), ScriptError);
  EXPECT_THROW(V(1e300).ToInt64(), ScriptError);
}

TEST(ValueConversion, NullReadsAsEmptyText) {
  EXPECT_EQ(V::Null().ToText(), QString());
  EXPECT_EQ(V(5).ToText(), QStringLiteral("5"));
}

TEST(ValueConversion, ObjectsAreOnlyMadeFromObjects) {
  TestObject o;
  EXPECT_EQ(V(&o).ToObject(), &o);
  EXPECT_THROW(V(0).ToObject(), ScriptError);
  EXPECT_THROW(V(std::int64_t(reinterpret_cast<std::intptr_t>(&o))).ToObject(), ScriptError);
  EXPECT_THROW(V(&o).ToInt64(), ScriptError);
}

TEST(ValueConversion, ConvertedToTypedKinds) {
  EXPECT_EQ(V(2.5).ConvertedTo(ValueKind::Integer), V(2));
  EXPECT_EQ(V("7").ConvertedTo(ValueKind::Int64), V(std::int64_t(7)));
  EXPECT_EQ(V(7).ConvertedTo(ValueKind::Double), V(7.0));
  EXPECT_EQ(V(7).ConvertedTo(ValueKind::String), V("7"));
  EXPECT_EQ(V(1).ConvertedTo(ValueKind::Boolean), V(true));
  EXPECT_EQ(V(3.25).ConvertedTo(ValueKind::Date), V::DateTime(3.25));
}

TEST(ValueConversion, FloatText) {
  const struct { double d; const char* text; } cases[] = {
      {0, "0"}, {3, "3"}, {0.1, "0.1"}, {-2.5, "-2.5"}, {1e20, "1E20"}, {1.5e-7, "1.5E-7"},
      {1.0 / 3, "0.333333333333333"}, {123456789012345.0, "123456789012345"},
      {58714921084078.25, "58714921084078.3"}, {1e15, "1E15"}, {0.0001, "0.0001"}, {1.5e-5, "1.5E-5"}};
  for (const auto& c : cases) EXPECT_EQ(FloatToText(c.d), QLatin1String(c.text)) << c.d;
}

// Numbers of every magnitude read as printf's %.15g writes them, the exponent shortened.
TEST(ValueConversion, FloatTextIsFifteenSignificantDigits) {
  const auto expected = [](double d) {
    QString s = QString::number(d, 'g', 15);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e < 0) return s;
    QString exponent = s.mid(e + 1);
    const bool negative = exponent.startsWith(QLatin1Char('-'));
    if (negative || exponent.startsWith(QLatin1Char('+'))) exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) exponent.remove(0, 1);
    return s.left(e) + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
  };
  std::uint64_t state = 88172645463325252ull;
  for (int i = 0; i < 20000; ++i) {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    const double mantissa = double(state >> 11) / double(1ull << 53);
    const double d = (i % 2 ? -1 : 1) * std::ldexp(mantissa, int(state % 200) - 100) * (i % 3 ? 1 : 1e6);
    const double rounded = i % 4 == 0 ? std::round(d * 100) / 100 : d;  // amounts of cents
    ASSERT_EQ(FloatToText(rounded), expected(rounded)) << rounded;
  }
}

TEST(ValueConversion, TextToNumber) {
  const struct { const char* text; bool ok; ScriptValue v; } cases[] = {
      {"42", true, V(42)},
      {"-42", true, V(-42)},
      {"$ff", true, V(255)},
      {"3000000000", true, V(std::int64_t(3000000000LL))},
      {" 1.5 ", true, V(1.5)},
      {"1e3", true, V(1000.0)},
      {".5", true, V(0.5)},
      {"", false, V()},
      {"abc", false, V()},
      {"1.2.3", false, V()},
      {"nan", false, V()},
      {"$", false, V()},
  };
  for (const auto& c : cases) {
    ScriptValue v;
    EXPECT_EQ(TextToNumber(QString::fromLatin1(c.text), v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.v) << c.text << " gave " << Show(v);
    }
  }
}

// --- arithmetic ---

struct ArithmeticCase {
  const char* name;
  BinaryOp op;
  ScriptValue a, b, result;
};

class Arithmetic : public testing::TestWithParam<ArithmeticCase> {};

void PrintTo(const ArithmeticCase& c, std::ostream* os) { *os << c.name; }

TEST_P(Arithmetic, GivesValueOfExpectedKind) {
  const ArithmeticCase& c = GetParam();
  ScriptValue r = ValueOps::Apply(c.op, c.a, c.b);
  EXPECT_EQ(r, c.result) << Show(r) << " instead of " << Show(c.result);
}

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMaxInt64 = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(Numbers, Arithmetic, testing::Values(
    ArithmeticCase{"IntegerAdd", BinaryOp::Add, V(1), V(2), V(3)},
    ArithmeticCase{"IntegerOverflowWidens", BinaryOp::Add, V(kMaxInt), V(1),
                   V(std::int64_t(kMaxInt) + 1)},
    ArithmeticCase{"Int64OverflowBecomesDouble", BinaryOp::Add, V(kMaxInt64), V(1),
                   V(9223372036854775808.0)},
    ArithmeticCase{"Int64StaysInt64", BinaryOp::Subtract, V(std::int64_t(10)), V(3), V(std::int64_t(7))},
    ArithmeticCase{"MixedWithDouble", BinaryOp::Multiply, V(3), V(1.5), V(4.5)},
    ArithmeticCase{"DivisionIsReal", BinaryOp::Divide, V(7), V(2), V(3.5)},
    ArithmeticCase{"IntegerDivision", BinaryOp::IntDivide, V(7), V(2), V(3)},
    ArithmeticCase{"IntegerDivisionTruncates", BinaryOp::IntDivide, V(-7), V(2), V(-3)},
    ArithmeticCase{"Modulo", BinaryOp::Modulo, V(7), V(2), V(1)},
    ArithmeticCase{"ModuloOfLowestByMinusOne", BinaryOp::Modulo, V(std::numeric_limits<std::int64_t>::min()),
                   V(-1), V(std::int64_t(0))},
    ArithmeticCase{"EmptyCountsAsZero", BinaryOp::Add, V(), V(5), V(5)},
    ArithmeticCase{"BooleanCountsAsMinusOne", BinaryOp::Add, V(true), V(1), V(0)},
    ArithmeticCase{"DatePlusNumberIsDate", BinaryOp::Add, V::DateTime(10), V(1), V::DateTime(11)},
    ArithmeticCase{"DateMinusNumberIsDate", BinaryOp::Subtract, V::DateTime(10), V(0.5), V::DateTime(9.5)},
    ArithmeticCase{"DateMinusDateIsDays", BinaryOp::Subtract, V::DateTime(10), V::DateTime(4), V(6.0)}
), [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Strings, Arithmetic, testing::Values(
    ArithmeticCase{"StringsConcatenate", BinaryOp::Add, V("a"), V("1"), V("a1")},
    ArithmeticCase{"EmptyJoinsString", BinaryOp::Add, V(), V("a"), V("a")},
    ArithmeticCase{"NumericStringIsNumber", BinaryOp::Add, V("1"), V(2), V(3)},
    ArithmeticCase{"RealStringIsNumber", BinaryOp::Multiply, V("1.5"), V(2), V(3.0)},
    ArithmeticCase{"StrCatJoinsText", BinaryOp::StrCat, V("a"), V(1), V("a1")},
    ArithmeticCase{"StrCatOfNumbersAdds", BinaryOp::StrCat, V(1), V(2), V(3)},
    ArithmeticCase{"StrCatWithNull", BinaryOp::StrCat, V("a"), V::Null(), V("a")}
), [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Logic, Arithmetic, testing::Values(
    ArithmeticCase{"BooleanAnd", BinaryOp::And, V(true), V(false), V(false)},
    ArithmeticCase{"BooleanOr", BinaryOp::Or, V(true), V(false), V(true)},
    ArithmeticCase{"BooleanXor", BinaryOp::Xor, V(true), V(true), V(false)},
    ArithmeticCase{"BitwiseAnd", BinaryOp::And, V(6), V(3), V(2)},
    ArithmeticCase{"BitwiseOr", BinaryOp::Or, V(6), V(3), V(7)},
    ArithmeticCase{"BitwiseXor", BinaryOp::Xor, V(6), V(3), V(5)},
    ArithmeticCase{"ShiftLeft", BinaryOp::Shl, V(1), V(4), V(16)},
    ArithmeticCase{"ShiftRightIsLogical", BinaryOp::Shr, V(-1), V(28), V(15)},
    ArithmeticCase{"ShiftCountWrapsAt32", BinaryOp::Shl, V(1), V(33), V(2)}
), [](const auto& info) { return std::string(info.param.name); });

TEST(ValueArithmetic, InvalidOperandsRaise) {
  TestObject o;
  const struct { BinaryOp op; ScriptValue a, b; } cases[] = {
      {BinaryOp::Add, V::Null(), V(1)},
      {BinaryOp::Add, V(1), V::Null()},
      {BinaryOp::Add, V("a"), V(1)},
      {BinaryOp::Add, V(&o), V(1)},
      {BinaryOp::Add, V::ArrayOf({V(1)}), V(1)},
      {BinaryOp::Divide, V(1), V(0)},
      {BinaryOp::Divide, V(1.0), V(0.0)},
      {BinaryOp::IntDivide, V(1), V(0)},
      {BinaryOp::Modulo, V(1), V(0)},
  };
  for (const auto& c : cases)
    EXPECT_THROW(ValueOps::Apply(c.op, c.a, c.b), ScriptError) << Show(c.a) << " " << Show(c.b);
}

TEST(ValueArithmetic, DivisionByZeroMessage) {
  try {
    ValueOps::Divide(V(1), V(0));
    FAIL();
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Division by zero"));
  }
}

TEST(ValueArithmetic, UnaryOperators) {
  EXPECT_EQ(ValueOps::Not(V(true)), V(false));
  EXPECT_EQ(ValueOps::Not(V(0)), V(-1));
  EXPECT_EQ(ValueOps::Not(V("false")), V(true));
  EXPECT_EQ(ValueOps::Negate(V(5)), V(-5));
  EXPECT_EQ(ValueOps::Negate(V(std::numeric_limits<std::int32_t>::min())),
            V(-std::int64_t(std::numeric_limits<std::int32_t>::min())));
  EXPECT_EQ(ValueOps::Negate(V(2.5)), V(-2.5));
  EXPECT_THROW(ValueOps::Negate(V::Null()), ScriptError);
}

// --- comparison ---

TEST(ValueComparison, Ordering) {
  const struct { ScriptValue a, b; int order; } cases[] = {
      {V(1), V(2.5), -1},
      {V(std::int64_t(3)), V(3), 0},
      {V("a"), V("b"), -1},
      {V("B"), V("a"), -1},      // by character codes
      {V("10"), V(9), 1},        // numeric text compares as a number
      {V("abc"), V(1), 1},       // other text compares as text
      {V(false), V(true), -1},
      {V("True"), V(true), 0},
      {V::Null(), V(1), -1},
      {V::Null(), V::Null(), 0},
      {V(), V(0), 0},
      {V(), V(""), 0},
      {V::DateTime(2), V(1), 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValueOps::Compare(c.a, c.b), c.order) << Show(c.a) << " vs " << Show(c.b);
    EXPECT_EQ(ValueOps::Compare(c.b, c.a), -c.order) << Show(c.b) << " vs " << Show(c.a);
  }
}

TEST(ValueComparison, NullEqualsOnlyNull) {
  EXPECT_TRUE(ValueOps::Equals(V::Null(), V::Null()));
  EXPECT_FALSE(ValueOps::Equals(V::Null(), V(0)));
  EXPECT_FALSE(ValueOps::Equals(V(), V::Null()));
}

TEST(ValueComparison, ObjectReferences) {
  TestObject o, p;
  ScriptValue none(static_cast<ScriptObject*>(nullptr));
  EXPECT_TRUE(ValueOps::Equals(V(&o), V(&o)));
  EXPECT_FALSE(ValueOps::Equals(V(&o), V(&p)));
  EXPECT_TRUE(ValueOps::Equals(none, V(0)));   // nil
  EXPECT_TRUE(ValueOps::Equals(V(0), none));
  EXPECT_FALSE(ValueOps::Equals(V(&o), V(0)));
  EXPECT_FALSE(ValueOps::Equals(V(&o), V::Null()));
  EXPECT_THROW(ValueOps::Compare(V(&o), V(&o)), ScriptError);
}

TEST(ValueComparison, ArraysEqualElementByElement) {
  EXPECT_TRUE(ValueOps::Equals(V::ArrayOf({V(1), V("a")}), V::ArrayOf({V(1), V("a")})));
  EXPECT_FALSE(ValueOps::Equals(V::ArrayOf({V(1)}), V::ArrayOf({V(2)})));
  EXPECT_FALSE(ValueOps::Equals(V::ArrayOf({V(1)}), V(1)));
}

// --- arrays ---

TEST(ValueArrays, BoundsAndElements) {
  ScriptValue a = V::CreateArray({{1, 3}, {0, 1}});
  EXPECT_EQ(a.ArrayDimCount(), 2);
  EXPECT_EQ(a.ArrayBounds(0).low, 1);
  EXPECT_EQ(a.ArrayBounds(1).high, 1);
  EXPECT_TRUE(a.ArrayGet({2, 1}).IsEmpty());
  a.ArraySet({2, 1}, V("x"));
  a.ArraySet({3, 0}, V(5));
  EXPECT_EQ(a.ArrayGet({2, 1}), V("x"));
  EXPECT_EQ(a.ArrayGet({3, 0}), V(5));
  EXPECT_TRUE(a.ArrayGet({2, 0}).IsEmpty());
}

TEST(ValueArrays, OutsideBoundsRaises) {
  ScriptValue a = V::CreateArray({{0, 2}});
  EXPECT_THROW(a.ArrayGet({3}), ScriptError);
  EXPECT_THROW(a.ArrayGet({-1}), ScriptError);
  EXPECT_THROW(a.ArraySet({0, 0}, V(1)), ScriptError);
  EXPECT_THROW(V(1).ArrayGet({0}), ScriptError);
}

TEST(ValueArrays, CopyIsIndependent) {
  ScriptValue a = V::ArrayOf({V(1), V(2)});
  ScriptValue b = a;
  b.ArraySet({0}, V(9));
  EXPECT_EQ(a.ArrayGet({0}), V(1));
  EXPECT_EQ(b.ArrayGet({0}), V(9));
}

TEST(ValueArrays, ElementMayHoldItsOwnArray) {
  ScriptValue a = V::ArrayOf({V(1)});
  a.ArraySet({0}, a);
  EXPECT_EQ(a.ArrayGet({0}), V::ArrayOf({V(1)}));
}

TEST(ValueArrays, HighBoundChanges) {
  ScriptValue a = V::ArrayOf({V(1), V(2), V(3)});
  a.ArraySetHigh(0);
  EXPECT_EQ(a.ArrayLength(), 1);
  EXPECT_EQ(a.ArrayGet({0}), V(1));
  a.ArraySetHigh(4);
  EXPECT_EQ(a.ArrayLength(), 5);
  EXPECT_TRUE(a.ArrayGet({4}).IsEmpty());
  EXPECT_THROW(V::CreateArray({{0, 1}, {0, 1}}).ArraySetHigh(3), ScriptError);
}

TEST(ValueArrays, HugeArraysAreRefused) {
  EXPECT_THROW(V::CreateArray({{0, 1 << 30}, {0, 1 << 30}}), ScriptError);
  EXPECT_EQ(V::CreateArray({{5, 4}}).ArrayLength(), 0);
}

// --- dates ---

TEST(DayNumbers, CountFromThirtiethDecember1899) {
  EXPECT_EQ(DayNumber::FromDate(QDate(1899, 12, 30)), 0);
  EXPECT_EQ(DayNumber::FromDate(QDate(2000, 1, 1)), 36526);
  EXPECT_EQ(DayNumber::ToDate(36526.75), QDate(2000, 1, 1));
  EXPECT_EQ(DayNumber::ToTime(36526.75), QTime(18, 0));
  EXPECT_DOUBLE_EQ(DayNumber::FromDateTime(QDateTime(QDate(2000, 1, 1), QTime(6, 0))), 36526.25);
}

TEST(DayNumbers, NegativeNumbersKeepTimeRunningForward) {
  EXPECT_EQ(DayNumber::ToDate(-1.25), QDate(1899, 12, 29));
  EXPECT_EQ(DayNumber::ToTime(-1.25), QTime(6, 0));
  EXPECT_DOUBLE_EQ(DayNumber::FromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

TEST(DayNumbers, OutOfRangeIsInvalid) {
  EXPECT_FALSE(DayNumber::ToDate(1e12).isValid());
  EXPECT_FALSE(DayNumber::ToDate(std::numeric_limits<double>::quiet_NaN()).isValid());
}

TEST(DayNumbers, DateValueTextShowsDateAndTimeParts) {
  QString date = QLocale::system().toString(QDate(2000, 1, 1), QLocale::ShortFormat);
  EXPECT_EQ(V::DateTime(36526).ToString(), date);
  EXPECT_EQ(V::DateTime(36526.25).ToString(), date + QStringLiteral(" 06:00:00"));
  EXPECT_EQ(V::DateTime(0.75).ToString(), QStringLiteral("18:00:00"));
}

}  // namespace

// --- Qt values ---

namespace {

TEST(QtValues, ConvertToScriptKinds) {
  const struct { QVariant q; ScriptValue v; } cases[] = {
      {QVariant(), V()},
      {QVariant::fromValue(nullptr), V::Null()},
      {QVariant(true), V(true)},
      {QVariant(7), V(7)},
      {QVariant(7u), V(7)},
      {QVariant(qlonglong(1) << 40), V(std::int64_t(1) << 40)},
      {QVariant(qulonglong(18446744073709551615ULL)), V(18446744073709551615.0)},
      {QVariant(2.5), V(2.5)},
      {QVariant(QStringLiteral("字")), V(QStringLiteral("字"))},
      {QVariant(QByteArray("ab")), V("ab")},
      {QVariant(QDate(2000, 1, 1)), V::DateTime(36526)},
      {QVariant(QDateTime(QDate(2000, 1, 1), QTime(6, 0))), V::DateTime(36526.25)},
      {QVariant(QVariantList{1, QStringLiteral("a")}), V::ArrayOf({V(1), V("a")})},
  };
  for (const auto& c : cases) EXPECT_EQ(ScriptValueFromQVariant(c.q), c.v) << c.q.typeName();
}

TEST(QtValues, RoundTripThroughQVariant) {
  const ScriptValue values[] = {V(), V::Null(), V(true), V(-3), V(std::int64_t(1) << 40), V(0.5),
                                V("s"), V::DateTime(36526.25), V::ArrayOf({V(1), V::ArrayOf({V(2)})})};
  for (const ScriptValue& v : values)
    EXPECT_EQ(ScriptValueFromQVariant(ScriptValueToQVariant(v)), v) << Show(v);
}

TEST(QtValues, UnsupportedValuesRaise) {
  TestObject o;
  EXPECT_THROW(ScriptValueToQVariant(V(&o)), ScriptError);
  EXPECT_THROW(ScriptValueToQVariant(V::CreateArray({{0, 1}, {0, 1}})), ScriptError);
  EXPECT_THROW(ScriptValueFromQVariant(QVariant(QPoint(1, 2))), ScriptError);
}

}  // namespace
