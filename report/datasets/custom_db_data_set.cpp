#include "report/datasets/custom_db_data_set.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {

// An alias line: the field name before the first "=", the alias after it.
struct AliasLine {
  QString Field, Alias;
};

AliasLine split(const QString& line) {
  const qsizetype equals = line.indexOf(u'=');
  if (equals < 0) return {line, QString()};
  return {line.left(equals), line.mid(equals + 1)};
}

}  // namespace

const TrpClassInfo& TrpCustomDBDataSet::StaticClassInfo() {
  using C = TrpCustomDBDataSet;
  static const TrpClassInfo info("TrpCustomDBDataSet", &TrpDataSet::StaticClassInfo(), nullptr,
                                 {rpStrings<&C::FieldAliases, &C::SetFieldAliases>("FieldAliases")});
  return info;
}

const TrpClassInfo& TrpCustomDBDataSet::ClassInfo() const { return StaticClassInfo(); }

QString TrpCustomDBDataSet::GetAlias(const QString& field) const {
  for (const QString& line : FFieldAliases) {
    const AliasLine parts = split(line);
    if (parts.Field.compare(field, Qt::CaseInsensitive) == 0) return parts.Alias;
  }
  return field;
}

QString TrpCustomDBDataSet::ConvertAlias(const QString& alias) const {
  for (const QString& line : FFieldAliases) {
    const AliasLine parts = split(line);
    if (parts.Alias == alias) return parts.Field;
  }
  return alias;
}

void TrpCustomDBDataSet::SetFields(const QStringList& fields) {
  FFields.clear();
  for (const QString& field : fields)
    if (!FFields.contains(field, Qt::CaseInsensitive)) FFields << field;
  FFields.sort(Qt::CaseInsensitive);
}
