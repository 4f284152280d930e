#include "report/objects/property_value.h"

#include <cmath>
#include <limits>

#include "report/objects/float_text.h"

Extended rpVariantToFloat(const QVariant& value) {
  if (value.metaType() == QMetaType::fromType<Extended>()) return value.value<Extended>();
  if (value.typeId() == QMetaType::QString) {
    Extended result = 0;
    return rpTryStrToFloat(value.toString(), result) ? result : 0;
  }
  bool ok = false;
  const double d = value.toDouble(&ok);
  return ok ? d : 0;
}

TrpPersistent* rpVariantToObject(const QVariant& value) {
  if (value.metaType() == QMetaType::fromType<TrpPersistent*>()) return value.value<TrpPersistent*>();
  return nullptr;
}

namespace {

// Truncates towards zero, clamped to the int range (a float beyond it cannot be converted safely).
int clampToInt(Extended v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<Extended>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  if (v <= static_cast<Extended>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  return static_cast<int>(std::trunc(v));
}

}  // namespace

int rpVariantToInt(const QVariant& value) {
  // Most values are ints already: difference records compare thousands of them per page.
  if (value.metaType() == QMetaType::fromType<int>()) return *static_cast<const int*>(value.constData());
  if (value.metaType() == QMetaType::fromType<Extended>()) return clampToInt(value.value<Extended>());
  if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
    return clampToInt(value.toDouble());
  bool ok = false;
  const int i = value.toInt(&ok);
  if (ok) return i;
  return clampToInt(value.toDouble());
}
