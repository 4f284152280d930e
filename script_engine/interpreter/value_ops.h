#pragma once
// Operators over script values, as expressions evaluate them.
//
// Numbers combine numerically and the wider kind wins (Integer < Int64 < Double); an Integer result
// that leaves 32 bits widens to Int64, an Int64 result that leaves 64 bits to Double. "/" always
// gives a Double. Two strings joined by "+" concatenate; a string meeting a number is read as a
// number first. Empty counts as 0 (or as the empty text next to a string), a Boolean as -1 or 0.
// A date plus or minus a number stays a date; a date minus a date is a number of days.
// Null, objects and arrays in arithmetic, division by zero and strings that are no numbers raise
// ScriptError.
#include "script_engine/interpreter/value.h"

enum class BinaryOp { Add, Subtract, Multiply, Divide, IntDivide, Modulo, And, Or, Xor, Shl, Shr,
                      StrCat };

namespace ValueOps {

ScriptValue Apply(BinaryOp op, const ScriptValue& a, const ScriptValue& b);

inline ScriptValue Add(const ScriptValue& a, const ScriptValue& b) { return Apply(BinaryOp::Add, a, b); }
inline ScriptValue Subtract(const ScriptValue& a, const ScriptValue& b) { return Apply(BinaryOp::Subtract, a, b); }
inline ScriptValue Multiply(const ScriptValue& a, const ScriptValue& b) { return Apply(BinaryOp::Multiply, a, b); }
inline ScriptValue Divide(const ScriptValue& a, const ScriptValue& b) { return Apply(BinaryOp::Divide, a, b); }

// "not": Booleans negate, integers complement bitwise, strings are read as Booleans.
ScriptValue Not(const ScriptValue& a);
// Unary minus.
ScriptValue Negate(const ScriptValue& a);

// Equality as "=" tests it. Null equals only Null; an object reference equals another reference to
// the same object, and the integer 0 (nil) when it points nowhere. A string that is no number is
// compared with a number as text; arrays are equal element by element. Never raises.
bool Equals(const ScriptValue& a, const ScriptValue& b);
// Ordering as "<", "<=", ">", ">=" use it: negative, 0 or positive. Null orders before everything
// else; strings compare by character codes. Objects and arrays cannot be ordered (ScriptError).
int Compare(const ScriptValue& a, const ScriptValue& b);
// The bits of a set: a set constructor's elements ([fsBold, fsItalic]) or'ed together (each
// element of a set type is one bit), or a number already holding the bits.
int SetBits(const ScriptValue& set);

}  // namespace ValueOps
