#pragma once
// Conversion between the C++ types of report properties and the QVariant form in which
// property descriptors carry them (see property_descriptor.h for the mapping).
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <type_traits>

#include "report/objects/persistent.h"
#include "report/objects/report_set.h"
#include "report/units/report_units.h"

// The float held by `value`: an Extended, a double, an integer, or a text with "." or ","
// as decimal separator. Anything else gives 0.
Extended rpVariantToFloat(const QVariant& value);
// The object held by `value`, or none.
TrpPersistent* rpVariantToObject(const QVariant& value);
// The integer held by `value` (an int, a bool, a float truncated towards zero, a decimal text).
int rpVariantToInt(const QVariant& value);

template <class T>
QVariant rpToVariant(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return QVariant(value);
  } else if constexpr (std::is_enum_v<T>) {
    return QVariant(static_cast<int>(value));
  } else if constexpr (rpIsSet<T>::value) {
    return QVariant(static_cast<int>(value.Mask()));
  } else if constexpr (std::is_floating_point_v<T>) {
    return QVariant::fromValue<Extended>(static_cast<Extended>(value));
  } else if constexpr (std::is_integral_v<T>) {
    return QVariant(static_cast<int>(value));
  } else if constexpr (std::is_pointer_v<T>) {
    using Pointee = std::remove_cv_t<std::remove_pointer_t<T>>;
    return QVariant::fromValue<TrpPersistent*>(const_cast<Pointee*>(value));
  } else {
    return QVariant::fromValue(value);  // QString, QStringList, QImage
  }
}

template <class T>
T rpFromVariant(const QVariant& value) {
  if constexpr (std::is_same_v<T, bool>) {
    if (value.typeId() == QMetaType::QString) {
      const QString text = value.toString();
      return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
             (text != QLatin1String("0") && text.toInt() != 0);
    }
    return rpVariantToInt(value) != 0;
  } else if constexpr (std::is_enum_v<T>) {
    return static_cast<T>(rpVariantToInt(value));
  } else if constexpr (rpIsSet<T>::value) {
    return T::FromMask(static_cast<std::uint32_t>(rpVariantToInt(value)));
  } else if constexpr (std::is_floating_point_v<T>) {
    return static_cast<T>(rpVariantToFloat(value));
  } else if constexpr (std::is_integral_v<T>) {
    return static_cast<T>(rpVariantToInt(value));
  } else if constexpr (std::is_pointer_v<T>) {
    return dynamic_cast<T>(rpVariantToObject(value));
  } else {
    return value.value<T>();
  }
}
