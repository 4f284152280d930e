#include "report/views/stretcheable.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {
constexpr TrpEnumValue kStretchModes[] = {
    {"smDontStretch", smDontStretch}, {"smActualHeight", smActualHeight}, {"smMaxHeight", smMaxHeight}};
}

const TrpEnumType rpStretchModeType{"TrpStretchMode", kStretchModes};

const TrpClassInfo& TrpStretcheable::StaticClassInfo() {
  using C = TrpStretcheable;
  // Published by the subclasses that stretch.
  static const TrpClassInfo info(
      "TrpStretcheable", &TrpView::StaticClassInfo(), nullptr,
      {rpEnum<&C::StretchMode, &C::SetStretchMode>("StretchMode", rpStretchModeType, smDontStretch)
           .PublicOnly()});
  return info;
}

const TrpClassInfo& TrpStretcheable::ClassInfo() const { return StaticClassInfo(); }
