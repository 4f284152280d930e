// Helpers: properties, methods, components, events, array elements and string characters.
#include "script_engine/interpreter/helpers.h"

#include "script_engine/interpreter/value_ops.h"

#include "script_engine/front/script_error.h"
#include "script_engine/front/script_messages.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/events.h"
#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/procedure.h"

namespace {

bool isPlainVariable(const TscCustomVariable* v) {
  return dynamic_cast<const TscVariable*>(v) || dynamic_cast<const TscParamItem*>(v);
}

// A published property's value as its kind reads.
ScriptValue readByKind(TscPropertyKind kind, const ScriptValue& raw) {
  switch (kind) {
    case TscPropertyKind::Integer:
    case TscPropertyKind::Enumeration:
      return ScriptValue(raw.ToInt32());
    case TscPropertyKind::Set:
      return ScriptValue(ValueOps::SetBits(raw));
    case TscPropertyKind::Char:
      if (raw.IsInteger()) return ScriptValue(QString(QChar(char16_t(raw.ToInt32()))));
      return ScriptValue(raw.ToText().left(1));
    case TscPropertyKind::Boolean:
      return ScriptValue(raw.ToBool());
    case TscPropertyKind::Float:
      return raw.IsDate() ? raw : ScriptValue(raw.ToDouble());
    case TscPropertyKind::String:
      return ScriptValue(raw.ToText());
    case TscPropertyKind::Int64:
      return ScriptValue(raw.ToInt64());
    default:
      return raw;
  }
}

// A value as a published property of that kind is written.
ScriptValue writeByKind(TscPropertyKind kind, const ScriptValue& value) {
  switch (kind) {
    case TscPropertyKind::Boolean:
      return ScriptValue(value.ToBool());
    case TscPropertyKind::Char:
      return ScriptValue(value.ToText().left(1));
    case TscPropertyKind::Class:
      scObjectOf(value);  // only nil or a living object may be stored
      return value;
    case TscPropertyKind::Variant:
      return value;
    default:
      return readByKind(kind, value);
  }
}

TscScript* topmost(TscScript* s) {
  while (s && s->Parent()) s = s->Parent();
  return s;
}

}  // namespace

QString scNoAutomationMessage(const QString& what) {
  return QStringLiteral("Automation objects are not available on this platform: %1").arg(what);
}

TscHostObject* TscCustomHelper::instance() const { return scObjectOf(FParentValue, FClassRef); }

// --- properties ---

void TscPropertyHelper::UpdateReadOnly() {
  bool canSet = FOnSetValue || FOnSetValueNew || (FIsPublished && FPublished && FPublished->Set);
  FIsReadOnly = !canSet;
}

ScriptValue TscPropertyHelper::GetValue() {
  TscHostObject* object = instance();
  ScriptValue result;
  if (FIsPublished && FPublished && object && FPublished->Get) {
    result = readByKind(FPublished->Kind, FPublished->Get(*object));
  } else if (FOnGetValueNew) {
    result = FOnGetValueNew(object, FClassRef, FUppercaseName, *this);
  } else if (FOnGetValue) {
    result = FOnGetValue(object, FClassRef, FUppercaseName);
  } else {
    throw ScriptError(QStringLiteral("Cannot read the property %1 of nil").arg(FName));
  }
  if (FTyp == fvtBool && !result.IsBoolean()) result = ScriptValue(result.ToBool());
  return result;
}

void TscPropertyHelper::SetValue(const ScriptValue& value) {
  if (FIsReadOnly) return;
  TscHostObject* object = instance();
  if (FIsPublished && FPublished && object && FPublished->Set)
    FPublished->Set(*object, writeByKind(FPublished->Kind, value));
  else if (FOnSetValueNew)
    FOnSetValueNew(object, FClassRef, FUppercaseName, value, *this);
  else if (FOnSetValue)
    FOnSetValue(object, FClassRef, FUppercaseName, value);
  else
    throw ScriptError(QStringLiteral("Cannot set the property %1 of nil").arg(FName));
}

// --- methods ---

ScriptValue TscMethodHelper::Argument(int index) const {
  if (index >= 0 && index < Count()) return Param(index)->FValue;
  if (index == Count()) return FSetValue;
  throw ScriptError(QStringLiteral("%1 has no argument %2").arg(FName).arg(index));
}

ScriptValue TscMethodHelper::GetValue() {
  TscHostObject* object = instance();
  const QString name = FIndexMethod ? FUppercaseName + QStringLiteral(".GET") : FUppercaseName;
  if (FOnCall) {
    // A handler may call back into scripts that call this very method: the shared argument
    // array belongs to the outermost call, nested calls use their own.
    std::vector<ScriptValue> nested;
    std::vector<ScriptValue>& args = FCalling ? nested : FVarArray;
    struct Calling {
      TscMethodHelper* self;
      std::vector<ScriptValue>& args;
      bool was;
      ~Calling() {
        args.clear();
        self->FCalling = was;
      }
    } calling{this, args, FCalling};
    FCalling = true;
    for (int j = 0; j < Count(); ++j) args.push_back(Param(j)->FValue);
    ScriptValue result = FOnCall(object, FClassRef, name, args);
    for (int j = 0; j < Count() && j < int(args.size()); ++j)
      if (Param(j)->FIsVarParam) Param(j)->SetValue(args[std::size_t(j)]);
    return result;
  }
  if (FOnCallNew) return FOnCallNew(object, FClassRef, name, *this);
  return ScriptValue(0);
}

void TscMethodHelper::SetValue(const ScriptValue& value) {
  TscHostObject* object = instance();
  const QString name = FUppercaseName + QStringLiteral(".SET");
  if (FOnCall) {
    std::vector<ScriptValue> args;
    for (int j = 0; j < Count(); ++j) args.push_back(Param(j)->FValue);
    args.push_back(value);
    FOnCall(object, FClassRef, name, args);
  } else if (FOnCallNew) {
    struct Reset {
      ScriptValue& v;
      ~Reset() { v = ScriptValue(); }
    } reset{FSetValue};
    FSetValue = value;
    FOnCallNew(object, FClassRef, name, *this);
  }
}

// --- components and events ---

TscComponentHelper::TscComponentHelper(const QString& name, TscHostObject* component,
                                       const QString& className)
    : TscCustomHelper(name, fvtClass, className), FComponent(component) {
  FIsReadOnly = true;
}

ScriptValue TscComponentHelper::GetValue() {
  return ScriptValue(static_cast<ScriptObject*>(FComponent));
}

TscEventHelper::TscEventHelper(const QString& name, TscEventFactory event, TscEventAttach attach)
    : TscCustomHelper(name, fvtString, QString()), FEvent(event), FAttach(std::move(attach)) {}

void TscEventHelper::SetValue(const ScriptValue& value) {
  TscHostObject* object = instance();
  if (!object) throw ScriptError(QStringLiteral("Cannot set the event %1 of nil").arg(FName));
  const QString name = value.ToText();
  if (name == QLatin1String("0")) {
    if (FAttach) FAttach(object, nullptr);
    return;
  }
  auto* proc = FProgram ? dynamic_cast<TscProcVariable*>(FProgram->Find(name)) : nullptr;
  if (!proc || !FEvent) throw ScriptError(scMessages::Text(QStringLiteral("SEventError")));
  TscCustomEvent* adapter = FEvent(object, proc);
  topmost(FProgram)->AddEvent(adapter);
  if (FAttach) FAttach(object, adapter);
}

// --- arrays and strings ---

TscArrayHelper::TscArrayHelper(const QString& name, int dims, int optionalFrom)
    : TscCustomHelper(name, fvtVariant, QString()) {
  for (int i = 0; i < dims; ++i)
    AddParam(new TscParamItem(QStringLiteral("Index%1").arg(i), fvtInt, QString(),
                              i >= optionalFrom, false));
}

std::vector<int> TscArrayHelper::indices(const ScriptValue& array) const {
  const int dims = array.ArrayDimCount();
  if (dims > Count())
    throw ScriptError(QStringLiteral("The array has %1 dimensions").arg(dims));
  std::vector<int> at(static_cast<std::size_t>(dims));
  for (int d = 0; d < dims; ++d) at[std::size_t(d)] = Param(d)->FValue.ToInt32();
  return at;
}

ScriptValue TscArrayHelper::GetValue() {
  // The shared helper may follow itself (v[1][2] on a Variant): then its value is all it has.
  const bool useValue = FParentValue.IsArray() || !FParentRef || FParentRef == this;
  ScriptValue array = useValue ? FParentValue : FParentRef->GetValue();
  // A Variant holding a string is indexed by character, as a String variable is.
  if (array.IsString() && Count() > 0 && (Count() < 2 || Param(1)->FValue.IsEmptyOrNull()))
    return scCharAt(array.ToText(), Param(0)->FValue.ToInt32());
  if (!array.IsArray()) throw ScriptError(scMessages::Text(QStringLiteral("SArrayRequired")));
  const int dims = array.ArrayDimCount();
  // The shared helper reads arrays of up to three dimensions; a declared array's own helper has
  // one index per dimension and reads every element it can write.
  if (dims < 1 || dims > Count()) return ScriptValue::Null();
  return array.ArrayGet(indices(array));
}

void TscArrayHelper::SetValue(const ScriptValue& value) {
  if (FParentRef && isPlainVariable(FParentRef) && !FParentRef->FIsReadOnly) {
    // In place: the variable holds the only reference, so no element is copied.
    FParentValue = ScriptValue::Null();
    ScriptValue& stored = FParentRef->StoredValue();
    if (!stored.IsArray()) throw ScriptError(scMessages::Text(QStringLiteral("SArrayRequired")));
    stored.ArraySet(indices(stored), value);
    return;
  }
  ScriptValue array = std::move(FParentValue);
  FParentValue = ScriptValue::Null();
  if (!array.IsArray()) throw ScriptError(scMessages::Text(QStringLiteral("SArrayRequired")));
  array.ArraySet(indices(array), value);
  if (FParentRef) FParentRef->SetValue(array);
}

TscStringHelper::TscStringHelper()
    : TscCustomHelper(QStringLiteral("__StringHelper"), fvtChar, QString()) {
  AddParam(new TscParamItem(QStringLiteral("Index"), fvtInt, QString(), false, false));
}

ScriptValue TscStringHelper::GetValue() {
  return scCharAt(FParentValue.ToText(), Param(0)->FValue.ToInt32());
}

void TscStringHelper::SetValue(const ScriptValue& value) {
  QString changed = scReplaceChar(FParentValue.ToText(), Param(0)->FValue.ToInt32(), value);
  if (!FParentRef) throw ScriptError(scMessages::Text(QStringLiteral("SVarRequired")));
  FParentRef->SetValue(ScriptValue(changed));
}

ScriptValue TscOLEHelper::GetValue() { throw ScriptError(scNoAutomationMessage(FName)); }
void TscOLEHelper::SetValue(const ScriptValue&) { throw ScriptError(scNoAutomationMessage(FName)); }
