// Mathematical functions of the system module. A result that is not a finite number (square
// root of a negative, logarithm of zero, an overflow) is a script error rather than a NaN that
// would spread silently through a report.
#include <cmath>
#include <numbers>

#include "script_engine/front/script_error.h"
#include "script_engine/modules/system_module.h"

namespace {

using Args = std::vector<ScriptValue>;

double number(const Args& a) { return a[0].ToDouble() * 1.0; }

ScriptValue finite(double r, const char* name) {
  if (!std::isfinite(r))
    throw ScriptError(QStringLiteral("Invalid floating point operation in %1").arg(QLatin1String(name)));
  return ScriptValue(r);
}

// An integral double as Integer (or Int64 when it does not fit 32 bits).
ScriptValue integral(double r, const char* name) {
  if (!std::isfinite(r) || std::fabs(r) >= 9.2233720368547758e18)
    throw ScriptError(QStringLiteral("%1: the number is out of the integer range").arg(QLatin1String(name)));
  return ScriptValue::FromInteger(static_cast<std::int64_t>(r));
}

ScriptValue round(Args& a) { return integral(std::nearbyint(number(a)), "Round"); }
ScriptValue trunc(Args& a) { return integral(std::trunc(number(a)), "Trunc"); }
ScriptValue intPart(Args& a) { return finite(std::trunc(number(a)), "Int"); }
ScriptValue frac(Args& a) {
  const double x = number(a);
  return finite(x - std::trunc(x), "Frac");
}
ScriptValue sqrtF(Args& a) { return finite(std::sqrt(number(a)), "Sqrt"); }
ScriptValue absF(Args& a) {
  if (a[0].IsInteger()) {
    const std::int64_t v = a[0].ToInt64();
    if (v != INT64_MIN) return ScriptValue::FromInteger(v < 0 ? -v : v);
  }
  return finite(std::fabs(number(a)), "Abs");
}
ScriptValue sinF(Args& a) { return finite(std::sin(number(a)), "Sin"); }
ScriptValue cosF(Args& a) { return finite(std::cos(number(a)), "Cos"); }
ScriptValue arcTan(Args& a) { return finite(std::atan(number(a)), "ArcTan"); }
ScriptValue expF(Args& a) { return finite(std::exp(number(a)), "Exp"); }
ScriptValue ln(Args& a) {
  const double x = number(a);
  if (x <= 0) throw ScriptError(QStringLiteral("Invalid floating point operation in Ln"));
  return finite(std::log(x), "Ln");
}
ScriptValue tanF(Args& a) {
  const double x = number(a);
  return finite(std::sin(x) / std::cos(x), "Tan");
}
ScriptValue pi(Args&) { return ScriptValue(std::numbers::pi); }

constexpr TscSysFunction kFunctions[] = {
    {"function Round(e: Extended): Integer", "ctMath", round},
    {"function Trunc(e: Extended): Integer", "ctMath", trunc},
    {"function Int(e: Extended): Integer", "ctMath", intPart},
    {"function Frac(X: Extended): Extended", "ctMath", frac},
    {"function Sqrt(e: Extended): Extended", "ctMath", sqrtF},
    {"function Abs(e: Extended): Extended", "ctMath", absF},
    {"function Sin(e: Extended): Extended", "ctMath", sinF},
    {"function Cos(e: Extended): Extended", "ctMath", cosF},
    {"function ArcTan(X: Extended): Extended", "ctMath", arcTan},
    {"function Exp(X: Extended): Extended", "ctMath", expF},
    {"function Ln(X: Extended): Extended", "ctMath", ln},
    {"function Tan(X: Extended): Extended", "ctMath", tanF},
    {"function Pi: Extended", "ctMath", pi},
};

}  // namespace

std::span<const TscSysFunction> scMathFunctions() { return kFunctions; }
