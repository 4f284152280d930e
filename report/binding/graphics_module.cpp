// The graphics module of report scripts.
#include "report/binding/graphics_module.h"

#include "report/binding/graphics_classes.h"

#include "report/text/color_names.h"
#include "script_engine/modules/class_binding.h"

namespace {

constexpr TscEnumeration kEnumerations[] = {
    {"TFontStyles", "fsBold, fsItalic, fsUnderline, fsStrikeout", true},
    {"TFontPitch", "fpDefault, fpVariable, fpFixed", false},
    {"TPenStyle", "psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame", false},
    {"TPenMode",
     "pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen, "
     "pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor",
     false},
    {"TBrushStyle", "bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross", false},
};

class GraphicsModule : public TscRTTIModule {
 public:
  explicit GraphicsModule(TscScript* script) : TscRTTIModule(script) {
    for (const auto& [name, color] : rpNamedColors())
      script->AddConst(name, QStringLiteral("Integer"), ScriptValue(static_cast<int>(color)));
    scAddEnumerations(*script, kEnumerations);
    rpRegisterGraphicsClasses(*script);
  }
};

}  // namespace

TscRTTIModule* rpCreateGraphicsModule(TscScript* script) { return new GraphicsModule(script); }
