#include "report/store/component_level_diff.h"

#include "report/model/class_info.h"
#include "report/model/component.h"
#include "report/model/float_text.h"
#include "report/model/property_access.h"
#include "report/model/property_descriptor.h"
#include "report/model/property_value.h"
#include "report/store/xml_text.h"

namespace {

QString valueText(TrpPropertyKind kind, const QVariant& value) {
  switch (kind) {
    case TrpPropertyKind::Float:
      return rpFloatToStr(rpVariantToFloat(value));
    case TrpPropertyKind::Boolean:
      return rpVariantToInt(value) != 0 ? QStringLiteral("1") : QStringLiteral("0");
    case TrpPropertyKind::String:
      return rpStrToXML(value.toString());
    default:
      return QString::number(rpVariantToInt(value));
  }
}

}  // namespace

QString rpComponentLevelDiff(const TrpComponent& object, const TrpComponent& source) {
  QString result;
  for (const TrpDiffEntry& entry : TrpComponent::StaticClassInfo().DiffEntries()) {
    const TrpPropertyRef mine = rpFindPropertyPath(object, QString::fromLatin1(entry.Path), false);
    const TrpPropertyRef theirs = rpFindPropertyPath(source, QString::fromLatin1(entry.Path), false);
    if (!mine) continue;
    const QVariant value = mine.Value();
    const bool differ =
        !theirs || !rpSameValue(mine.Property->Kind, value, theirs.Value(), rpUnitTolerance);
    if (entry.Write ? !entry.Write(object, source, differ) : !differ) continue;
    result += u' ' + QLatin1String(entry.Attribute) + QLatin1String("=\"") +
              valueText(mine.Property->Kind, value) + u'"';
  }
  return result;
}
