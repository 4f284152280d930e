// The graphics module of report scripts.
#include "report/binding/graphics_module.h"

#include "report/text/color_names.h"
#include "script/class_binding.h"
#include "script/classes_module.h"

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

struct GraphicsClasses {
  const TscGeneralClasses& g = scGeneralClasses();
  TscHostClass Pen{QStringLiteral("TPen"), &g.Persistent};
  TscHostClass Brush{QStringLiteral("TBrush"), &g.Persistent};
  TscHostClass Canvas{QStringLiteral("TCanvas"), &g.Persistent};
  TscHostClass Graphic{QStringLiteral("TGraphic"), &g.Persistent};
  TscHostClass Picture{QStringLiteral("TPicture"), &g.Persistent};
  TscHostClass Metafile{QStringLiteral("TMetafile"), &Graphic};
  TscHostClass MetafileCanvas{QStringLiteral("TMetafileCanvas"), &Canvas};
  TscHostClass Bitmap{QStringLiteral("TBitmap"), &Graphic};
};
const GraphicsClasses& graphicsClasses() {
  static const GraphicsClasses classes;
  return classes;
}

class GraphicsModule : public TscRTTIModule {
 public:
  explicit GraphicsModule(TscScript* script) : TscRTTIModule(script) {
    for (const auto& [name, color] : rpNamedColors())
      script->AddConst(name, QStringLiteral("Integer"), ScriptValue(static_cast<int>(color)));
    scAddEnumerations(*script, kEnumerations);
    const GraphicsClasses& c = graphicsClasses();
    const struct {
      const TscHostClass& cls;
      const char* ancestor;
    } classes[] = {{c.Pen, "TPersistent"},     {c.Brush, "TPersistent"},   {c.Canvas, "TPersistent"},
                   {c.Graphic, "TPersistent"}, {c.Picture, "TPersistent"}, {c.Metafile, "TGraphic"},
                   {c.MetafileCanvas, "TCanvas"}, {c.Bitmap, "TGraphic"}};
    for (const auto& entry : classes) script->AddClass(&entry.cls, QString::fromLatin1(entry.ancestor));
  }
};

}  // namespace

TscRTTIModule* rpCreateGraphicsModule(TscScript* script) { return new GraphicsModule(script); }
