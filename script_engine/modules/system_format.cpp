// Formatting functions of the system module.
#include "script_engine/front/script_error.h"
#include "script_engine/modules/format_mask.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"
#include "script_engine/modules/system_module.h"

namespace {

using Args = std::vector<ScriptValue>;

// The elements of a one-dimensional array; any other value is the one argument.
std::vector<ScriptValue> elements(const ScriptValue& v) {
  if (!v.IsArray()) return v.IsEmpty() ? std::vector<ScriptValue>{} : std::vector<ScriptValue>{v};
  if (v.ArrayDimCount() != 1) throw ScriptError(QStringLiteral("Format: the arguments must be a one-dimensional array"));
  const ArrayBound b = v.ArrayBounds(0);
  std::vector<ScriptValue> out;
  for (int i = b.low; i <= b.high; ++i) out.push_back(v.ArrayGet({i}));
  return out;
}

ScriptValue format(Args& a) {
  return ScriptValue(scFormatText(a[0].ToText(), elements(a[1]), scLocaleFormat()));
}
ScriptValue formatFloat(Args& a) {
  return ScriptValue(scFormatFloat(a[0].ToText(), a[1].ToDouble(), scLocaleFormat()));
}
ScriptValue formatDateTime(Args& a) {
  return ScriptValue(scFormatDateTime(a[0].ToText(), a[1].ToDouble(), scLocaleFormat()));
}
ScriptValue formatMaskText(Args& a) {
  return ScriptValue(scFormatMaskText(a[0].ToText(), a[1].ToText(), scLocaleFormat()));
}

constexpr TscSysFunction kFunctions[] = {
    {"function Format(Fmt: String; Args: array): String", "ctFormat", format},
    {"function FormatFloat(Fmt: String; Value: Extended): String", "ctFormat", formatFloat},
    {"function FormatDateTime(Fmt: String; DateTime: TDateTime): String", "ctFormat", formatDateTime},
    {"function FormatMaskText(EditMask: string; Value: string): string", "ctFormat", formatMaskText},
};

}  // namespace

std::span<const TscSysFunction> scFormatFunctions() { return kFunctions; }
