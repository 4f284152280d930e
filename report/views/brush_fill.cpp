#include "report/views/brush_fill.h"

#include <QPainter>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/text/color_names.h"

namespace {

constexpr TrpEnumValue kBrushStyles[] = {
    {"bsSolid", bsSolid},         {"bsClear", bsClear},         {"bsHorizontal", bsHorizontal},
    {"bsVertical", bsVertical},   {"bsFDiagonal", bsFDiagonal}, {"bsBDiagonal", bsBDiagonal},
    {"bsCross", bsCross},         {"bsDiagCross", bsDiagCross}};

// Indexed by TrpBrushStyle.
constexpr Qt::BrushStyle kQtStyles[] = {
    Qt::SolidPattern,  Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
    Qt::FDiagPattern,  Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};

}  // namespace

const TrpEnumType rpBrushStyleType{"TBrushStyle", kBrushStyles};

Qt::BrushStyle rpQtBrushStyle(TrpBrushStyle style) {
  const int i = static_cast<int>(style);
  return i >= 0 && i < 8 ? kQtStyles[i] : Qt::SolidPattern;
}

const TrpClassInfo& TrpBrushFill::StaticClassInfo() {
  using C = TrpBrushFill;
  static const TrpClassInfo info(
      "TrpBrushFill", &TrpCustomFill::StaticClassInfo(), nullptr,
      {
          rpColor<&C::BackColor, &C::SetBackColor>("BackColor", clNone),
          rpColor<&C::ForeColor, &C::SetForeColor>("ForeColor", clBlack),
          rpEnum<&C::Style, &C::SetStyle>("Style", rpBrushStyleType, bsSolid),
      });
  return info;
}

const TrpClassInfo& TrpBrushFill::ClassInfo() const { return StaticClassInfo(); }

void TrpBrushFill::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpBrushFill*>(&source);
  if (!other || other == this) return;
  FBackColor = other->FBackColor;
  FForeColor = other->FForeColor;
  FStyle = other->FStyle;
  StampChange();
}

void TrpBrushFill::Draw(QPainter& canvas, const QRect& rect) const {
  if (FBackColor != clNone) canvas.fillRect(rect, rpToQColor(FBackColor));
  if (FStyle < bsHorizontal || FStyle > bsDiagCross) return;
  canvas.save();
  canvas.setBackgroundMode(Qt::TransparentMode);
  canvas.fillRect(rect.adjusted(0, 0, 1, 1), QBrush(rpToQColor(FForeColor), rpQtBrushStyle(FStyle)));
  canvas.restore();
}
