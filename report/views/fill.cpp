#include "report/views/fill.h"

#include "report/objects/class_info.h"
#include "report/views/brush_fill.h"
#include "report/views/glass_fill.h"
#include "report/views/gradient_fill.h"

namespace {
constexpr TrpEnumValue kFillTypes[] = {
    {"ftBrush", ftBrush}, {"ftGradient", ftGradient}, {"ftGlass", ftGlass}};
}

const TrpEnumType rpFillTypeType{"TrpFillType", kFillTypes};

const TrpClassInfo& TrpCustomFill::StaticClassInfo() {
  static const TrpClassInfo info("TrpCustomFill", nullptr, nullptr, {});
  return info;
}

const TrpClassInfo& TrpCustomFill::ClassInfo() const { return StaticClassInfo(); }

std::unique_ptr<TrpCustomFill> rpCreateFill(TrpFillType type) {
  switch (type) {
    case ftGradient:
      return std::make_unique<TrpGradientFill>();
    case ftGlass:
      return std::make_unique<TrpGlassFill>();
    case ftBrush:
      break;
  }
  return std::make_unique<TrpBrushFill>();
}
