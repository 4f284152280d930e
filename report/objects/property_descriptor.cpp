#include "report/objects/property_descriptor.h"

QString TrpEnumType::NameOf(int value) const {
  for (const TrpEnumValue& v : Values)
    if (v.Value == value) return QLatin1String(v.Name);
  return {};
}

std::optional<int> TrpEnumType::ValueOf(QAnyStringView name) const {
  for (const TrpEnumValue& v : Values)
    if (QAnyStringView::compare(QLatin1String(v.Name), name, Qt::CaseInsensitive) == 0) return v.Value;
  return std::nullopt;
}
