#include "report/views/glass_fill.h"

#include <QPainter>

#include <algorithm>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/text/color_names.h"

namespace {

constexpr TrpEnumValue kOrientations[] = {{"foVertical", foVertical},
                                          {"foHorizontal", foHorizontal},
                                          {"foVerticalMirror", foVerticalMirror},
                                          {"foHorizontalMirror", foHorizontalMirror}};

QColor darker(const QColor& c, int by) {
  return QColor(std::max(c.red() - by, 0), std::max(c.green() - by, 0), std::max(c.blue() - by, 0));
}

// The half of `r` that takes the light colour.
QRect lightHalf(const QRect& r, TrpFillOrientation orientation) {
  const int w = r.width() / 2, h = r.height() / 2;
  switch (orientation) {
    case foVertical:
      return QRect(r.x(), r.y(), w, r.height());
    case foHorizontal:
      return QRect(r.x(), r.y(), r.width(), h);
    case foVerticalMirror:
      return QRect(r.x() + w, r.y(), r.width() - w, r.height());
    case foHorizontalMirror:
      return QRect(r.x(), r.y() + h, r.width(), r.height() - h);
  }
  return {};
}

}  // namespace

const TrpEnumType rpFillOrientationType{"TrpFillOrientation", kOrientations};

const TrpClassInfo& TrpGlassFill::StaticClassInfo() {
  using C = TrpGlassFill;
  static const TrpClassInfo info(
      "TrpGlassFill", &TrpCustomFill::StaticClassInfo(), nullptr,
      {
          // The colour is written whenever it is not the initial grey, so that every other
          // colour (white included) reads back as itself.
          rpColor<&C::Color, &C::SetColor>("Color", clGray),
          rpFloat<&C::Blend, &C::SetBlend>("Blend"),
          rpBoolean<&C::Hatch, &C::SetHatch>("Hatch", false),
          rpEnum<&C::Orientation, &C::SetOrientation>("Orientation", rpFillOrientationType,
                                                      foHorizontal),
      });
  return info;
}

const TrpClassInfo& TrpGlassFill::ClassInfo() const { return StaticClassInfo(); }

void TrpGlassFill::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpGlassFill*>(&source);
  if (!other || other == this) return;
  FColor = other->FColor;
  FBlend = other->FBlend;
  FHatch = other->FHatch;
  FOrientation = other->FOrientation;
  StampChange();
}

TColor TrpGlassFill::LightColor() const {
  const QColor c = rpToQColor(FColor);
  const auto light = [this](int v) {
    return static_cast<int>(std::clamp<long long>(v + rpRound((255 - v) * FBlend), 0, 255));
  };
  return static_cast<TColor>(light(c.red()) | (light(c.green()) << 8) | (light(c.blue()) << 16));
}

void TrpGlassFill::Draw(QPainter& canvas, const QRect& rect) const {
  if (FColor == clNone || rect.isEmpty()) return;
  canvas.fillRect(rect, rpToQColor(FColor));
  const QColor light = rpToQColor(LightColor());
  canvas.fillRect(lightHalf(rect, FOrientation), light);
  if (!FHatch) return;
  canvas.save();
  canvas.setBackgroundMode(Qt::TransparentMode);
  canvas.fillRect(rect, QBrush(darker(light, 6), Qt::BDiagPattern));
  canvas.restore();
}
