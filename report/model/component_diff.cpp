// The difference record of an object against its template: one loop over the class's record.
#include <charconv>

#include "report/model/class_info.h"
#include "report/model/component.h"
#include "report/model/float_text.h"
#include "report/model/property_access.h"
#include "report/model/property_value.h"
#include "report/xml/xml_text.h"

namespace {

void appendInt(QString& out, int value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out += QLatin1StringView(digits, end - digits);
}

// Appends the value as the prepared-pages store reads it back: numbers in decimal, Booleans as 1
// or 0, texts escaped for XML. Written straight into the record, as every recorded object passes
// here.
void appendRecordText(QString& out, TrpPropertyKind kind, const QVariant& value) {
  switch (kind) {
    case TrpPropertyKind::Float:
      out += rpFloatToStr(rpVariantToFloat(value));
      return;
    case TrpPropertyKind::Boolean:
      out += rpFromVariant<bool>(value) ? u'1' : u'0';
      return;
    case TrpPropertyKind::String:
      out += rpStrToXML(value.toString());
      return;
    case TrpPropertyKind::Strings:
      out += rpStrToXML(value.toStringList().join(QLatin1String("\r\n")));
      return;
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
    case TrpPropertyKind::Enumeration:
    case TrpPropertyKind::Set:
      appendInt(out, rpVariantToInt(value));
      return;
    case TrpPropertyKind::Reference:
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Picture:
      return;
  }
}

}  // namespace

QString TrpComponent::InternalDiff(const TrpComponent& other) const {
  return InternalDiff(other, ClassInfo().DiffEntries().size());
}

QString TrpComponent::InternalDiff(const TrpComponent& other, size_t entryCount) const {
  QString result;
  const TrpClassInfo& cls = ClassInfo();
  const std::span<const TrpDiffEntry> entries = cls.DiffEntries().first(entryCount);
  const std::span<const TrpDiffPath> paths = cls.DiffPaths();
  TrpDiffPath::Walk myWalk(*this, cls), theirWalk(other, cls);
  for (size_t i = 0; i < entries.size(); ++i) {
    const TrpDiffEntry& entry = entries[i];
    const TrpPropertyRef mine = paths[i].Resolve(myWalk);
    if (!mine) continue;
    const TrpPropertyRef theirs = paths[i].Resolve(theirWalk);
    const bool differ = !theirs || !rpSamePropertyValue(mine, theirs, rpUnitTolerance);
    if (entry.Write ? !entry.Write(*this, other, differ) : !differ) continue;
    result += u' ';
    result += QLatin1StringView(entry.Attribute);
    result += QLatin1StringView("=\"");
    appendRecordText(result, mine.Property->Kind, mine.Value());
    result += u'"';
  }
  return result;
}

QString TrpComponent::Diff(const TrpComponent& other) const { return InternalDiff(other); }

bool TrpComponent::DiffForcesTop() const { return InheritsFrom("TrpBand"); }
