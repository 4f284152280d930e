// The difference record of an object against its template: one loop over the class's record.
#include "report/model/class_info.h"
#include "report/model/component.h"
#include "report/model/float_text.h"
#include "report/model/property_access.h"
#include "report/model/property_value.h"
#include "report/store/xml_text.h"

namespace {

// The value as the prepared-pages store reads it back: numbers in decimal, Booleans as 1 or 0,
// texts escaped for XML.
QString recordText(TrpPropertyKind kind, const QVariant& value) {
  switch (kind) {
    case TrpPropertyKind::Float:
      return rpFloatToStr(rpVariantToFloat(value));
    case TrpPropertyKind::Boolean:
      return rpFromVariant<bool>(value) ? QStringLiteral("1") : QStringLiteral("0");
    case TrpPropertyKind::String:
      return rpStrToXML(value.toString());
    case TrpPropertyKind::Strings:
      return rpStrToXML(value.toStringList().join(QLatin1String("\r\n")));
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
    case TrpPropertyKind::Enumeration:
    case TrpPropertyKind::Set:
      return QString::number(rpVariantToInt(value));
    case TrpPropertyKind::Reference:
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Picture:
      break;
  }
  return {};
}

}  // namespace

QString TrpComponent::InternalDiff(const TrpComponent& other) const {
  QString result;
  for (const TrpDiffEntry& entry : ClassInfo().DiffEntries()) {
    const TrpPropertyRef mine = rpFindPropertyPath(*this, QString::fromLatin1(entry.Path), false);
    const TrpPropertyRef theirs = rpFindPropertyPath(other, QString::fromLatin1(entry.Path), false);
    if (!mine) continue;
    const QVariant value = mine.Value();
    const bool differ = !theirs || !rpSameValue(mine.Property->Kind, value, theirs.Value(),
                                                rpUnitTolerance);
    if (entry.Write ? !entry.Write(*this, other, differ) : !differ) continue;
    result += u' ' + QLatin1String(entry.Attribute) + QLatin1String("=\"") +
              recordText(mine.Property->Kind, value) + u'"';
  }
  return result;
}

QString TrpComponent::Diff(const TrpComponent& other) const { return InternalDiff(other); }

bool TrpComponent::DiffForcesTop() const { return InheritsFrom("TrpBand"); }
