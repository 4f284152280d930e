#include "report/model/property_value.h"

#include <cmath>

#include "report/model/float_text.h"

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

int rpVariantToInt(const QVariant& value) {
  if (value.metaType() == QMetaType::fromType<Extended>())
    return static_cast<int>(std::trunc(value.value<Extended>()));
  bool ok = false;
  const int i = value.toInt(&ok);
  if (ok) return i;
  return static_cast<int>(std::trunc(value.toDouble()));
}
