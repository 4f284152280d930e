// Other system functions: Inc and Dec, exceptions, messages, random numbers, validity tests,
// file paths, automation objects and variant arrays.
#include <QDateTime>

#include <random>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/helpers.h"
#include "script_engine/modules/system_dialogs.h"
#include "script_engine/modules/system_locale.h"
#include "script_engine/modules/system_module.h"
#include "script_engine/modules/system_parse.h"

namespace {

using Args = std::vector<ScriptValue>;

// The most elements VarArrayCreate builds (each is a 32-byte value).
constexpr std::int64_t kMaxArrayElements = 16 * 1024 * 1024;
constexpr int kMaxArrayDims = 64;

// Inc and Dec: a result outside the 64-bit range is an error, not a wrap-around.
ScriptValue step(Args& a, int sign) {
  std::int64_t by = 0, r = 0;
  if (__builtin_mul_overflow(a[1].ToInt64(), std::int64_t(sign), &by) ||
      __builtin_add_overflow(a[0].ToInt64(), by, &r))
    throw ScriptError(QStringLiteral("%1: integer overflow").arg(sign > 0 ? "Inc" : "Dec"));
  a[0] = ScriptValue::FromInteger(r);
  return ScriptValue::Null();
}
ScriptValue inc(Args& a) { return step(a, 1); }
ScriptValue dec(Args& a) { return step(a, -1); }

ScriptValue raiseException(Args& a) { throw ScriptError(a[0].ToText()); }

ScriptValue showMessage(Args& a) {
  scSystemDialogs().ShowMessage(a[0].ToText());
  return ScriptValue::Null();
}

std::mt19937_64& generator() {
  thread_local std::mt19937_64 g{std::random_device{}()};
  return g;
}
ScriptValue randomize(Args&) {
  generator().seed(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
  return ScriptValue::Null();
}
ScriptValue random(Args&) {
  return ScriptValue(std::uniform_real_distribution<double>(0.0, 1.0)(generator()));
}

ScriptValue validInt(Args& a) {
  std::int64_t v = 0;
  return ScriptValue(scParseInteger(a[0].ToText(), v) && v >= INT32_MIN && v <= INT32_MAX);
}
ScriptValue validFloat(Args& a) {
  double v = 0;
  return ScriptValue(scParseFloat(a[0].ToText(), scLocaleFormat(), v));
}
ScriptValue validDate(Args& a) {
  double v = 0;
  return ScriptValue(scParseDate(a[0].ToText(), scLocaleFormat(), v));
}

ScriptValue extractFilePath(Args& a) {
  const QString name = a[0].ToText();
  return ScriptValue(name.left(name.lastIndexOf(QLatin1Char('/')) + 1));
}

ScriptValue createOleObject(Args& a) { throw ScriptError(scNoAutomationMessage(a[0].ToText())); }

// Bounds holds low, high pairs, one per dimension.
ScriptValue varArrayCreate(Args& a) {
  const ScriptValue& bounds = a[0];
  if (!bounds.IsArray() || bounds.ArrayDimCount() != 1)
    throw ScriptError(QStringLiteral("VarArrayCreate: the bounds must be an array of low, high pairs"));
  const ArrayBound b = bounds.ArrayBounds(0);
  const int count = b.high - b.low + 1;
  if (count < 2 || count % 2 != 0 || count / 2 > kMaxArrayDims)
    throw ScriptError(QStringLiteral("VarArrayCreate: the bounds must be 1 to %1 pairs of low and high").arg(kMaxArrayDims));
  std::vector<ArrayBound> dims;
  std::int64_t elements = 1;
  for (int i = b.low; i < b.high; i += 2) {
    const ArrayBound d{bounds.ArrayGet({i}).ToInt32(), bounds.ArrayGet({i + 1}).ToInt32()};
    const std::int64_t n = std::int64_t(d.high) - d.low + 1;
    if (n < 0) throw ScriptError(QStringLiteral("VarArrayCreate: high bound %1 is below low bound %2").arg(d.high).arg(d.low));
    elements *= n;
    if (elements > kMaxArrayElements) throw ScriptError(QStringLiteral("VarArrayCreate: the array is too large"));
    dims.push_back(d);
  }
  const int typ = a[1].ToInt32();
  if (typ < 0 || typ > VarTypeCode::varTypeMask)
    throw ScriptError(QStringLiteral("VarArrayCreate: invalid element type %1").arg(typ));
  return ScriptValue::CreateArray(dims, typ);
}

ScriptValue varType(Args& a) { return ScriptValue(a[0].VarType()); }

constexpr TscSysFunction kFunctions[] = {
    {"procedure Inc(var i: Integer; incr: Integer = 1)", "ctOther", inc},
    {"procedure Dec(var i: Integer; decr: Integer = 1)", "ctOther", dec},
    {"procedure RaiseException(Param: String)", "ctOther", raiseException},
    {"procedure ShowMessage(Msg: Variant)", "ctOther", showMessage},
    {"procedure Randomize", "ctOther", randomize},
    {"function Random: Extended", "ctOther", random},
    {"function ValidInt(cInt: String): Boolean", "ctOther", validInt},
    {"function ValidFloat(cFlt: String): Boolean", "ctOther", validFloat},
    {"function ValidDate(cDate: String): Boolean", "ctOther", validDate},
    {"function ExtractFilePath(const FileName: string): string;", "ctOther", extractFilePath},
    {"function CreateOleObject(ClassName: String): Variant", "ctOther", createOleObject},
    {"function VarArrayCreate(Bounds: Array; Typ: Integer): Variant", "ctOther", varArrayCreate},
    {"function VarType(V: Variant): Integer", "ctOther", varType},
};

}  // namespace

std::span<const TscSysFunction> scOtherFunctions() { return kFunctions; }
