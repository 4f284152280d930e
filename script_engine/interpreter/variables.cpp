// Named values: the item list, the common variable and the typed variable kinds.
#include "script_engine/interpreter/variables.h"

TscItemList::~TscItemList() { TscItemList::Clear(); }

void TscItemList::Clear() {
  // Items are taken out first, so an item's destructor never sees a half-cleared list.
  std::vector<TscItemList*> items;
  items.swap(FItems);
  for (TscItemList* item : items) delete item;
}

TscCustomVariable::TscCustomVariable(const QString& name, TscVarType typ, const QString& typeName)
    : FName(name), FUppercaseName(name.toUpper()), FTyp(typ), FTypeName(typeName),
      FKindsStoredAsIs(kindsStoredAsIs(typ)) {}

ScriptValue TscCustomVariable::GetValue() { return FValue; }

void TscCustomVariable::SetValue(const ScriptValue& value) {
  if (!FIsReadOnly) FValue = value;
}

int TscCustomVariable::GetNumberOfRequiredParams() const {
  int n = 0;
  for (int i = 0; i < Count(); ++i)
    if (!Param(i)->FIsOptional) ++n;
  return n;
}

TscVariable::TscVariable(const QString& name, TscVarType typ, const QString& typeName)
    : TscCustomVariable(name, typ, typeName) {
  FPlainStorage = true;
}

ScriptValue TscVariable::hooked(const ScriptValue& stored) const {
  ScriptValue result = ScriptValue::Null();
  FOnGetVarValue(FName, FTyp, result, stored);
  return result.IsNull() ? stored : result;
}

ScriptValue TscVariable::GetValue() {
  if (FOnGetVarValue) return hooked(FValue);
  return FValue;
}

void TscVariable::TakeValue(ScriptValue&& value) {
  if (FIsReadOnly) return;
  switch (FTyp) {
    case fvtInt:
      if (value.Kind() == ValueKind::Integer)
        FValue = std::move(value);
      else
        FValue = ScriptValue(value.ToInt32());
      break;
    case fvtBool:
      FValue = ScriptValue(value.ToBool());
      break;
    case fvtFloat:
      // A date-time stays a date-time; every other number becomes a double.
      if (value.IsDate() || value.Kind() == ValueKind::Double)
        FValue = std::move(value);
      else
        FValue = ScriptValue(value.ToDouble());
      break;
    case fvtString:
      FValue = ScriptValue(value.ToText());
      break;
    case fvtInt64:
      FValue = ScriptValue(value.ToInt64());
      break;
    default:
      FValue = std::move(value);
  }
}

TscStringVariable::TscStringVariable(const QString& name, TscVarType typ, const QString& typeName)
    : TscVariable(name, typ, typeName) {
  FValue = ScriptValue(QString());
}

ScriptValue TscStringVariable::GetValue() {
  if (FOnGetVarValue) return hooked(FValue);
  return FValue;
}

void TscStringVariable::TakeValue(ScriptValue&& value) {
  if (FIsReadOnly) return;
  if (value.IsString())
    FValue = std::move(value);
  else
    FValue = ScriptValue(value.ToText());
}

TscParamItem::TscParamItem(const QString& name, TscVarType typ, const QString& typeName,
                           bool isOptional, bool isVarParam)
    : TscCustomVariable(name, typ, typeName), FIsVarParam(isVarParam), FIsOptional(isOptional) {
  FPlainStorage = true;
}
