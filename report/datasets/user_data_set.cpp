#include "report/datasets/user_data_set.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

const TrpClassInfo& TrpUserDataSet::StaticClassInfo() {
  using C = TrpUserDataSet;
  static const TrpClassInfo info("TrpUserDataSet", &TrpDataSet::StaticClassInfo(), &Create,
                                 {rpStrings<&C::Fields, &C::SetFields>("Fields")});
  return info;
}

const TrpClassInfo& TrpUserDataSet::ClassInfo() const { return StaticClassInfo(); }

ScriptValue TrpUserDataSet::GetValue(const QString& field) {
  ScriptValue value;
  if (OnGetValue) OnGetValue(field, value);
  if (OnNewGetValue) OnNewGetValue(*this, field, value);
  return value;
}

QString TrpUserDataSet::GetDisplayText(const QString& field) {
  const ScriptValue value = GetValue(field);
  return value.IsEmpty() ? QString() : value.ToText();
}
