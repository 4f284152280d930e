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
  // The base record is the start of every class's record, so the object's own class resolves it
  // in advance (rpDiffProperty), without a lookup by name.
  const TrpClassInfo& cls = object.ClassInfo();
  const std::span<const TrpDiffEntry> entries = TrpComponent::StaticClassInfo().DiffEntries();
  for (size_t i = 0; i < entries.size(); ++i) {
    const TrpDiffEntry& entry = entries[i];
    Q_ASSERT(cls.DiffEntries()[i].Path == entry.Path);
    const TrpPropertyRef mine = rpDiffProperty(object, cls, i);
    if (!mine) continue;
    const TrpPropertyRef theirs = rpDiffProperty(source, cls, i, mine);
    const QVariant value = mine.Value();
    const bool differ =
        !theirs || !rpSameValue(mine.Property->Kind, value, theirs.Value(), rpUnitTolerance);
    if (entry.Write ? !entry.Write(object, source, differ) : !differ) continue;
    result += u' ';
    result += QLatin1StringView(entry.Attribute);
    result += QLatin1StringView("=\"");
    result += valueText(mine.Property->Kind, value);
    result += u'"';
  }
  return result;
}
