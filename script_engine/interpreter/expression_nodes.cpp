// Operator nodes: one class per operator, each evaluating its operands over script values.
//
// Integer operands take a short path that does not leave the node; everything else goes to the
// value operations of value_ops.h. Faults that the value operations let through are raised here:
// real division by zero, the lowest 64-bit integer divided by -1, shift counts outside the width.
#include <QHash>

#include "script_engine/front/script_error.h"
#include "script_engine/front/script_messages.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/expression_nodes.h"
#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/value_ops.h"

namespace {

bool bothInt(const ScriptValue& a, const ScriptValue& b) {
  return a.Kind() == ValueKind::Integer && b.Kind() == ValueKind::Integer;
}

ScriptValue fromInt64(std::int64_t v) {
  return v >= INT32_MIN && v <= INT32_MAX ? ScriptValue(static_cast<int>(v)) : ScriptValue(v);
}

// Integer sums, differences and products: 32 bits unless the 32-bit operation overflows, which
// the processor flags itself (cheaper than computing in 64 bits and testing the range).
ScriptValue sumOf(int x, int y) {
  int r;
  return __builtin_add_overflow(x, y, &r) ? ScriptValue(std::int64_t(x) + y) : ScriptValue(r);
}
ScriptValue differenceOf(int x, int y) {
  int r;
  return __builtin_sub_overflow(x, y, &r) ? ScriptValue(std::int64_t(x) - y) : ScriptValue(r);
}
ScriptValue productOf(int x, int y) {
  int r;
  return __builtin_mul_overflow(x, y, &r) ? ScriptValue(std::int64_t(x) * y) : ScriptValue(r);
}

// The value an operand's storage holds, read in place: a constant or a plain variable without
// a value hook; null for any other operand.
const ScriptValue* storedValue(TscCustomVariable* storage) {
  if (!storage || !storage->ReadsStorage()) return nullptr;
  return &storage->StoredValue();
}

class TBinaryNode : public TscOperatorNode {
 public:
  using TscOperatorNode::TscOperatorNode;

 protected:
  ScriptValue left() { return FLeft ? FLeft->Value() : ScriptValue::Null(); }
  ScriptValue right() { return FRight ? FRight->Value() : ScriptValue::Null(); }
  // Both operands as 32-bit integers, when both are stored Integer values: they are read in
  // place, without copies, as reading a stored value cannot change the other operand.
  bool storedIntegers(int& a, int& b) const {
    const ScriptValue* x = storedValue(FLeftStorage);
    if (!x || x->Kind() != ValueKind::Integer) return false;
    const ScriptValue* y = FRightConstant ? FRightConstant : storedValue(FRightStorage);
    if (!y || y->Kind() != ValueKind::Integer) return false;
    a = x->ToInt32();
    b = y->ToInt32();
    return true;
  }
};

// --- brackets (removed while building; evaluate their child should one remain) ---
class TLeftBracketNode : public TBinaryNode {
 public:
  TLeftBracketNode() : TBinaryNode(opLeftBracket) {}
  ScriptValue GetValue() override { return left(); }
};
class TRightBracketNode : public TBinaryNode {
 public:
  TRightBracketNode() : TBinaryNode(opRightBracket) {}
  ScriptValue GetValue() override { return left(); }
};

// --- comparisons ---
template <TscOperatorType Op>
class TCompareNode : public TBinaryNode {
 public:
  TCompareNode() : TBinaryNode(Op) {}
  ScriptValue GetValue() override { return ScriptValue(compare()); }
  bool IsTrue() override { return compare(); }

 private:
  // Stored integers are compared without leaving the node; everything else apart, so that the
  // common case needs no stack frame.
  bool compare() {
    int x, y;
    if (storedIntegers(x, y)) return holds(x < y ? -1 : x > y);
    return compareValues();
  }
  [[gnu::noinline]] bool compareValues() {
    ScriptValue a = left();
    ScriptValue b = right();
    if (Op == opEq) return ValueOps::Equals(a, b);
    if (Op == opNonEq) return !ValueOps::Equals(a, b);
    return holds(bothInt(a, b) ? (a.ToInt32() < b.ToInt32() ? -1 : a.ToInt32() > b.ToInt32())
                               : ValueOps::Compare(a, b));
  }
  // Whether the comparison holds for an ordering c (below, equal or above: -1, 0, 1).
  static bool holds(int c) {
    switch (Op) {
      case opEq: return c == 0;
      case opNonEq: return c != 0;
      case opGreat: return c > 0;
      case opLess: return c < 0;
      case opLessEq: return c <= 0;
      default: return c >= 0;
    }
  }
};
using TGreatNode = TCompareNode<opGreat>;
using TLessNode = TCompareNode<opLess>;
using TLessEqNode = TCompareNode<opLessEq>;
using TGreatEqNode = TCompareNode<opGreatEq>;
using TNonEqNode = TCompareNode<opNonEq>;
using TEqNode = TCompareNode<opEq>;

// --- arithmetic ---
// Stored integer operands are computed without leaving the node. A difference is mostly an
// argument made from a variable (n - 1): other operands are computed apart, so that the common
// case needs no stack frame. A sum or a product often joins the results of calls, as recursive
// functions do: it computes them in its own frame, which keeps a recursion one C++ frame
// shallower per script call.
class TPlusNode : public TBinaryNode {
 public:
  TPlusNode() : TBinaryNode(opPlus) {}
  ScriptValue GetValue() override {
    int x, y;
    if (storedIntegers(x, y)) return sumOf(x, y);
    ScriptValue a = left();
    ScriptValue b = right();
    if (bothInt(a, b)) return sumOf(a.ToInt32(), b.ToInt32());
    return ValueOps::Add(a, b);
  }
};

// "&" of BasicScript: text joining when the left value is a string, else "+".
class TStrCatNode : public TBinaryNode {
 public:
  TStrCatNode() : TBinaryNode(opPlus) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    ScriptValue b = right();
    return ValueOps::Apply(BinaryOp::StrCat, a, b);
  }
};

class TMinusNode : public TBinaryNode {
 public:
  TMinusNode() : TBinaryNode(opMinus) {}
  ScriptValue GetValue() override {
    int x, y;
    if (storedIntegers(x, y)) return differenceOf(x, y);
    return computed();
  }

 private:
  [[gnu::noinline]] ScriptValue computed() {
    ScriptValue a = left();
    ScriptValue b = right();
    if (bothInt(a, b)) return differenceOf(a.ToInt32(), b.ToInt32());
    return ValueOps::Subtract(a, b);
  }
};

class TMulNode : public TBinaryNode {
 public:
  TMulNode() : TBinaryNode(opMul) {}
  ScriptValue GetValue() override {
    int x, y;
    if (storedIntegers(x, y)) return productOf(x, y);
    ScriptValue a = left();
    ScriptValue b = right();
    if (bothInt(a, b)) return productOf(a.ToInt32(), b.ToInt32());
    return ValueOps::Multiply(a, b);
  }
};

}  // namespace

// Whether a divisor is zero, for the kinds whose number is known without parsing errors.
bool scIsZeroDivisor(const ScriptValue& b) {
  switch (b.Kind()) {
    case ValueKind::Empty:
    case ValueKind::Boolean:
    case ValueKind::Integer:
    case ValueKind::Int64:
    case ValueKind::Double:
    case ValueKind::Date:
      return b.ToDouble() == 0;
    case ValueKind::String: {
      ScriptValue n;
      return TextToNumber(b.ToString(), n) && n.ToDouble() == 0;
    }
    default:
      return false;
  }
}

namespace {

class TDivFloatNode : public TBinaryNode {
 public:
  TDivFloatNode() : TBinaryNode(opDivFloat) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    ScriptValue b = right();
    if (scIsZeroDivisor(b)) throw ScriptError(QStringLiteral("Floating point division by zero"));
    return ValueOps::Divide(a, b);
  }
};

template <TscOperatorType Op>
class TIntDivisionNode : public TBinaryNode {
 public:
  TIntDivisionNode() : TBinaryNode(Op) {}
  ScriptValue GetValue() override {
    int x, y;
    if (storedIntegers(x, y)) return divide(x, y);
    ScriptValue a = left();
    ScriptValue b = right();
    if (bothInt(a, b)) return divide(a.ToInt32(), b.ToInt32());
    // The one quotient that no integer holds.
    if (Op == opDivInt && a.IsInteger() && b.IsInteger() && a.ToInt64() == INT64_MIN &&
        b.ToInt64() == -1)
      throw ScriptError(QStringLiteral("Integer overflow"));
    return ValueOps::Apply(Op == opDivInt ? BinaryOp::IntDivide : BinaryOp::Modulo, a, b);
  }

 private:
  static ScriptValue divide(int x, int y) {
    if (y == 0) throw ScriptError(QStringLiteral("Division by zero"));
    // 32-bit division is several times faster than 64-bit; only the lowest integer divided
    // by -1 leaves 32 bits (and would trap), so -1 goes the wide way.
    if (y == -1) return fromInt64(Op == opDivInt ? -std::int64_t(x) : 0);
    return ScriptValue(Op == opDivInt ? x / y : x % y);
  }
};
using TDivIntNode = TIntDivisionNode<opDivInt>;
using TModNode = TIntDivisionNode<opMod>;

// --- logic ---
// With two Boolean operands (FOptimizeBool), "and" and "or" skip the right side when the left
// side decides; otherwise both sides are always evaluated.
class TAndNode : public TBinaryNode {
 public:
  TAndNode() : TBinaryNode(opAnd) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    if (FOptimizeBool && !a.ToBool()) return ScriptValue(false);
    if (FOptimizeBool) return ScriptValue(right().ToBool());
    return ValueOps::Apply(BinaryOp::And, a, right());
  }
};

class TOrNode : public TBinaryNode {
 public:
  TOrNode() : TBinaryNode(opOr) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    if (FOptimizeBool && a.ToBool()) return ScriptValue(true);
    if (FOptimizeBool) return ScriptValue(right().ToBool());
    return ValueOps::Apply(BinaryOp::Or, a, right());
  }
};

class TXorNode : public TBinaryNode {
 public:
  TXorNode() : TBinaryNode(opXor) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    return ValueOps::Apply(BinaryOp::Xor, a, right());
  }
};

// Shift counts must lie within the width of the left operand (32 bits, or 64 for Int64 and
// real operands); anything else is an error rather than a silently wrapped count.
template <TscOperatorType Op>
class TShiftNode : public TBinaryNode {
 public:
  TShiftNode() : TBinaryNode(Op) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    ScriptValue b = right();
    ScriptValue number = a;
    if (a.IsString() && !TextToNumber(a.ToString(), number)) number = a;
    bool wide = number.Kind() == ValueKind::Int64 || number.Kind() == ValueKind::Double ||
                number.Kind() == ValueKind::Date;
    std::int64_t count = b.ToInt64();
    if (count < 0 || count > (wide ? 63 : 31))
      throw ScriptError(QStringLiteral("Shift count %1 is out of range").arg(count));
    return ValueOps::Apply(Op == opShl ? BinaryOp::Shl : BinaryOp::Shr, a, b);
  }
};
using TShlNode = TShiftNode<opShl>;
using TShrNode = TShiftNode<opShr>;

class TNotNode : public TBinaryNode {
 public:
  TNotNode() : TBinaryNode(opNot) {}
  ScriptValue GetValue() override { return ValueOps::Not(left()); }
};

class TUnMinusNode : public TBinaryNode {
 public:
  TUnMinusNode() : TBinaryNode(opUnMinus) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    if (a.Kind() == ValueKind::Integer) return fromInt64(-std::int64_t(a.ToInt32()));
    return ValueOps::Negate(a);
  }
};

// --- membership and class test ---
class TInNode : public TBinaryNode {
 public:
  TInNode() : TBinaryNode(opIn) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    if (auto* set = dynamic_cast<TscSetNode*>(FRight))
      return ScriptValue(set->FSetExpression->Check(a));
    ScriptValue b = right();
    if (!b.IsArray())
      throw ScriptError(QStringLiteral("The right side of \"in\" must be a set or an array"));
    return ScriptValue(scInArray(a, b));
  }
};

// Anything that is not a living object of the class (or a descendant) is simply not one.
class TIsNode : public TBinaryNode {
 public:
  TIsNode() : TBinaryNode(opIs) {}
  ScriptValue GetValue() override {
    ScriptValue a = left();
    if (!FClass || !FClass->FClassRef) throw ScriptError(scMessages::Text("SClassRequired"));
    TscHostObject* object = scTryObjectOf(a);
    return ScriptValue(object && object->HostClass() &&
                       object->HostClass()->InheritsFrom(FClass->FClassRef));
  }
  TscClassVariable* FClass = nullptr;
};

template <class N>
TscOperatorNode* make() { return new N; }

struct NodeMaker {
  const char* spelling;
  TscOperatorNode* (*make)();
};

constexpr NodeMaker kMakers[] = {
    {" ", nullptr},
    {"(", make<TLeftBracketNode>},  {")", make<TRightBracketNode>}, {">", make<TGreatNode>},
    {"<", make<TLessNode>},         {"<=", make<TLessEqNode>},      {">=", make<TGreatEqNode>},
    {"<>", make<TNonEqNode>},       {"=", make<TEqNode>},           {"IN", make<TInNode>},
    {"IS", make<TIsNode>},          {"+", make<TPlusNode>},         {"STRCAT", make<TStrCatNode>},
    {"-", make<TMinusNode>},        {"OR", make<TOrNode>},          {"XOR", make<TXorNode>},
    {"*", make<TMulNode>},          {"/", make<TDivFloatNode>},     {"DIV", make<TDivIntNode>},
    {"MOD", make<TModNode>},        {"AND", make<TAndNode>},        {"SHL", make<TShlNode>},
    {"SHR", make<TShrNode>},        {"NOT", make<TNotNode>},        {"UNMINUS", make<TUnMinusNode>},
};

}  // namespace

TscOperatorNode* scCreateOperatorNode(const QString& spelling) {
  QString key = spelling.toUpper();
  for (const NodeMaker& maker : kMakers)
    if (maker.make && key == QLatin1String(maker.spelling)) return maker.make();
  throw ScriptError(QStringLiteral("Unknown operator: '%1'").arg(spelling));
}

bool scIsStrCatNode(const TscExpressionNode* node) {
  return dynamic_cast<const TStrCatNode*>(node) != nullptr;
}

void scSetIsClass(TscOperatorNode* node, TscClassVariable* cls) {
  if (auto* is = dynamic_cast<TIsNode*>(node)) is->FClass = cls;
}
