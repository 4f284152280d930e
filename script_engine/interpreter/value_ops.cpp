// Arithmetic, logic and comparison of script values.
#include "script_engine/interpreter/value_ops.h"

#include <cmath>

#include "script_engine/front/script_error.h"

namespace {

// A value read as a number. rank: 0 = fits the Integer kind's rules, 1 = Int64, 2 = Double.
// Invariant: for rank < 2 the value is in i, for rank 2 in d.
struct Number {
  int rank = 0;
  std::int64_t i = 0;
  double d = 0;
  bool date = false;

  double real() const { return rank == 2 ? d : static_cast<double>(i); }
};

[[noreturn]] void invalidOperand(const ScriptValue& v) {
  if (v.IsNull()) throw ScriptError(QStringLiteral("Invalid operation on a Null value"));
  throw ScriptError(QStringLiteral("Invalid operation on a value of type %1").arg(v.KindName()));
}

Number numberOf(const ScriptValue& v) {
  Number n;
  switch (v.Kind()) {
    case ValueKind::Empty: break;
    case ValueKind::Boolean: n.i = v.ToBool() ? -1 : 0; break;
    case ValueKind::Integer: n.i = v.ToInt32(); break;
    case ValueKind::Int64: n.rank = 1; n.i = v.ToInt64(); break;
    case ValueKind::Double: n.rank = 2; n.d = v.ToDouble(); break;
    case ValueKind::Date: n.rank = 2; n.d = v.ToDouble(); n.date = true; break;
    case ValueKind::String: {
      ScriptValue parsed;
      if (!TextToNumber(v.ToString(), parsed))
        throw ScriptError(QStringLiteral("'%1' is not a valid number").arg(v.ToString()));
      return numberOf(parsed);
    }
    default: invalidOperand(v);
  }
  return n;
}

ScriptValue integerResult(std::int64_t v, int rank) {
  return rank == 0 ? ScriptValue::FromInteger(v) : ScriptValue(v);
}

ScriptValue realResult(double d, bool date) {
  return date ? ScriptValue::DateTime(d) : ScriptValue(d);
}

// +, -, *: exact integer arithmetic while it fits, then the next wider kind.
ScriptValue arithmetic(BinaryOp op, const Number& a, const Number& b) {
  int rank = std::max(a.rank, b.rank);
  bool date = (op == BinaryOp::Add && (a.date || b.date)) ||
              (op == BinaryOp::Subtract && a.date && !b.date);
  if (rank < 2) {
    std::int64_t r = 0;
    bool overflow = op == BinaryOp::Add        ? __builtin_add_overflow(a.i, b.i, &r)
                    : op == BinaryOp::Subtract ? __builtin_sub_overflow(a.i, b.i, &r)
                                               : __builtin_mul_overflow(a.i, b.i, &r);
    if (!overflow) return integerResult(r, rank);
  }
  double x = a.real(), y = b.real();
  double r = op == BinaryOp::Add ? x + y : op == BinaryOp::Subtract ? x - y : x * y;
  return realResult(r, date);
}

ScriptValue divide(const Number& a, const Number& b) {
  if (b.real() == 0) throw ScriptError(QStringLiteral("Division by zero"));
  return ScriptValue(a.real() / b.real());
}

std::int64_t asInteger(const Number& n) {
  return n.rank < 2 ? n.i : ScriptValue(n.d).ToInt64();
}

ScriptValue integerDivision(BinaryOp op, const Number& a, const Number& b) {
  std::int64_t x = asInteger(a), y = asInteger(b);
  if (y == 0) throw ScriptError(QStringLiteral("Division by zero"));
  int rank = std::max(a.rank, b.rank) == 0 ? 0 : 1;
  if (y == -1) {  // INT64_MIN / -1 does not fit; INT64_MIN % -1 is 0 but undefined in C++
    if (op == BinaryOp::Modulo) return integerResult(0, rank);
    if (x == INT64_MIN) return ScriptValue(-static_cast<double>(x));
    return integerResult(-x, rank);
  }
  return integerResult(op == BinaryOp::IntDivide ? x / y : x % y, rank);
}

ScriptValue bitwise(BinaryOp op, const ScriptValue& va, const ScriptValue& vb) {
  if (va.IsBoolean() && vb.IsBoolean()) {
    bool x = va.ToBool(), y = vb.ToBool();
    return ScriptValue(op == BinaryOp::And ? (x && y) : op == BinaryOp::Or ? (x || y) : (x != y));
  }
  Number a = numberOf(va), b = numberOf(vb);
  std::int64_t x = asInteger(a), y = asInteger(b);
  std::int64_t r = op == BinaryOp::And ? (x & y) : op == BinaryOp::Or ? (x | y) : (x ^ y);
  return integerResult(r, std::max(a.rank, b.rank) == 0 ? 0 : 1);
}

// Shifts are logical. A 32-bit left operand shifts within 32 bits by the count modulo 32.
ScriptValue shift(BinaryOp op, const Number& a, const Number& b) {
  std::int64_t count = asInteger(b);
  if (a.rank == 0) {
    auto x = static_cast<std::uint32_t>(a.i);
    unsigned c = static_cast<unsigned>(count & 31);
    std::uint32_t r = op == BinaryOp::Shl ? x << c : x >> c;
    return ScriptValue(static_cast<int>(r));
  }
  auto x = static_cast<std::uint64_t>(asInteger(a));
  unsigned c = static_cast<unsigned>(count & 63);
  std::uint64_t r = op == BinaryOp::Shl ? x << c : x >> c;
  return ScriptValue(static_cast<std::int64_t>(r));
}

bool isText(const ScriptValue& v) { return v.IsString() || v.IsEmpty(); }

int sign(double x, double y) { return x < y ? -1 : x > y ? 1 : 0; }

int compareNumbers(const Number& a, const Number& b) {
  if (a.rank < 2 && b.rank < 2) return a.i < b.i ? -1 : a.i > b.i ? 1 : 0;
  return sign(a.real(), b.real());
}

int compareTexts(const QString& a, const QString& b) {
  int c = QString::compare(a, b, Qt::CaseSensitive);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// A string against a number or Boolean: as a number when it is one ("True"/"False" read as
// Booleans), otherwise as text.
int compareStringWith(const ScriptValue& s, const ScriptValue& other, bool stringFirst) {
  QString t = s.ToString().trimmed();
  ScriptValue asValue;
  if (other.IsBoolean() && (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
                            t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)) {
    asValue = ScriptValue(t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
  } else if (!TextToNumber(t, asValue)) {
    int c = compareTexts(s.ToString(), other.ToString());
    return stringFirst ? c : -c;
  }
  int c = ValueOps::Compare(asValue, other);
  return stringFirst ? c : -c;
}

bool isNilInteger(const ScriptValue& v) { return v.IsInteger() && v.ToInt64() == 0; }

}  // namespace

namespace ValueOps {

ScriptValue Apply(BinaryOp op, const ScriptValue& a, const ScriptValue& b) {
  switch (op) {
    case BinaryOp::StrCat:
      if (a.IsString()) return ScriptValue(a.ToString() + b.ToText());
      return Apply(BinaryOp::Add, a, b);
    case BinaryOp::Add:
      if (isText(a) && isText(b) && (a.IsString() || b.IsString()))
        return ScriptValue(a.ToString() + b.ToString());
      [[fallthrough]];
    case BinaryOp::Subtract:
    case BinaryOp::Multiply:
      return arithmetic(op, numberOf(a), numberOf(b));
    case BinaryOp::Divide:
      return divide(numberOf(a), numberOf(b));
    case BinaryOp::IntDivide:
    case BinaryOp::Modulo:
      return integerDivision(op, numberOf(a), numberOf(b));
    case BinaryOp::And:
    case BinaryOp::Or:
    case BinaryOp::Xor:
      return bitwise(op, a, b);
    case BinaryOp::Shl:
    case BinaryOp::Shr:
      return shift(op, numberOf(a), numberOf(b));
  }
  return ScriptValue();
}

ScriptValue Not(const ScriptValue& a) {
  if (a.IsBoolean() || a.IsString()) return ScriptValue(!a.ToBool());
  Number n = numberOf(a);
  if (n.rank == 0) return ScriptValue(static_cast<int>(~n.i));
  return ScriptValue(~asInteger(n));
}

ScriptValue Negate(const ScriptValue& a) {
  Number n = numberOf(a);
  if (n.rank < 2 && n.i != INT64_MIN) return integerResult(-n.i, n.rank);
  return ScriptValue(-n.real());
}

bool Equals(const ScriptValue& a, const ScriptValue& b) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
  if (a.IsObject() || b.IsObject()) {
    if (a.IsObject() && b.IsObject()) return a.ToObject() == b.ToObject();
    const ScriptValue& obj = a.IsObject() ? a : b;
    const ScriptValue& other = a.IsObject() ? b : a;
    return obj.ToObject() == nullptr && isNilInteger(other);
  }
  if (a.IsArray() || b.IsArray()) return a == b;
  return Compare(a, b) == 0;
}

int Compare(const ScriptValue& a, const ScriptValue& b) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() == b.IsNull() ? 0 : a.IsNull() ? -1 : 1;
  if (a.IsObject() || a.IsArray()) invalidOperand(a);
  if (b.IsObject() || b.IsArray()) invalidOperand(b);
  if (isText(a) && isText(b)) return compareTexts(a.ToString(), b.ToString());
  if (a.IsString()) return compareStringWith(a, b, true);
  if (b.IsString()) return compareStringWith(b, a, false);
  if (a.IsBoolean() && b.IsBoolean()) return int(a.ToBool()) - int(b.ToBool());
  return compareNumbers(numberOf(a), numberOf(b));
}

}  // namespace ValueOps
