// Registered classes and the registration of their members.
#include "script_engine/interpreter/class_variable.h"

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/method_syntax.h"

namespace {

TscVarType typeOfKind(const TscPublishedProperty& p) {
  switch (p.Kind) {
    case TscPropertyKind::Integer:
    case TscPropertyKind::Char: return fvtInt;
    case TscPropertyKind::Boolean: return fvtBool;
    case TscPropertyKind::Enumeration:
    case TscPropertyKind::Set:
      // Enumerations named Boolean or bool are Booleans.
      if (p.TypeName.compare(QLatin1String("Boolean"), Qt::CaseInsensitive) == 0 ||
          p.TypeName.compare(QLatin1String("bool"), Qt::CaseInsensitive) == 0)
        return fvtBool;
      return fvtEnum;
    case TscPropertyKind::Float: return fvtFloat;
    case TscPropertyKind::String: return fvtString;
    case TscPropertyKind::Class: return fvtClass;
    case TscPropertyKind::Int64: return fvtInt64;
    default: return fvtVariant;
  }
}

}  // namespace

TscClassVariable::TscClassVariable(const TscHostClass* hostClass, const QString& ancestor,
                                   TscScript* program)
    : TscCustomVariable(hostClass->ClassName(), fvtClass, hostClass->ClassName()),
      FClassRef(hostClass), FAncestor(ancestor), FProgram(program) {
  FIsReadOnly = true;
  // The hidden parameter of a type cast.
  AddParam(new TscParamItem(QStringLiteral("__Cast"), fvtVariant, QString(), true, false));
  if (TscClassVariable* parent = AncestorClass()) FDefProperty = parent->FDefProperty;
  for (const TscPublishedProperty* p : hostClass->Published()) {
    auto* helper = new TscPropertyHelper(p->Name, typeOfKind(*p), p->TypeName);
    helper->FIsPublished = true;
    helper->FPublished = p;
    helper->UpdateReadOnly();
    AddMember(helper);
  }
}

TscClassVariable::~TscClassVariable() {
  for (TscCustomHelper* m : FMembers) delete m;
}

ScriptValue TscClassVariable::GetValue() {
  ScriptValue cast = Param(0)->FValue;
  Param(0)->FValue = ScriptValue::Null();
  if (cast.IsNull()) return ScriptValue::Null();  // the bare class name
  scObjectOf(cast, FClassRef);  // a cast of anything but nil or an object of this class fails
  return cast;
}

TscClassVariable* TscClassVariable::AncestorClass() const {
  if (FAncestor.isEmpty() || !FProgram) return nullptr;
  TscClassVariable* a = FProgram->FindClass(FAncestor);
  return a == this ? nullptr : a;
}

bool TscClassVariable::InheritsFrom(const TscClassVariable* other) const {
  if (!other) return false;
  if (FClassRef && other->FClassRef && FClassRef->InheritsFrom(other->FClassRef)) return true;
  int guard = 0;  // an ancestor chain of names could loop; it is not followed for ever
  for (const TscClassVariable* c = this; c && guard < 256; c = c->AncestorClass(), ++guard)
    if (c == other) return true;
  return false;
}

TscCustomHelper* TscClassVariable::FindMember(const QString& name) const {
  const QString key = name.toUpper();
  int guard = 0;
  for (const TscClassVariable* c = this; c && guard < 256; c = c->AncestorClass(), ++guard)
    for (TscCustomHelper* m : c->FMembers)
      if (m->FUppercaseName == key) return m;
  return nullptr;
}

void TscClassVariable::AddMember(TscCustomHelper* helper) {
  helper->FClassRef = FClassRef;
  helper->FProgram = FProgram;
  // A later registration of a name hides the earlier one.
  FMembers.insert(FMembers.begin(), helper);
}

TscMethodHelper* TscClassVariable::AddMethod(const QString& syntax, TscCallMethod handler) {
  TscMethodHelper* m = scCreateMethodHelper(syntax, FProgram, FName);
  m->FOnCall = std::move(handler);
  AddMember(m);
  return m;
}

TscMethodHelper* TscClassVariable::AddMethod(const QString& syntax, TscCallMethodNew handler) {
  TscMethodHelper* m = scCreateMethodHelper(syntax, FProgram, FName);
  m->FOnCallNew = std::move(handler);
  AddMember(m);
  return m;
}

TscPropertyHelper* TscClassVariable::AddProperty(const QString& name, const QString& typeName,
                                                 TscGetValueEvent getter,
                                                 TscSetValueEvent setter) {
  QString resolved;
  TscVarType typ = FProgram ? FProgram->TypeOf(typeName, &resolved) : fvtVariant;
  auto* p = new TscPropertyHelper(name, typ, resolved);
  p->FOnGetValue = std::move(getter);
  p->FOnSetValue = std::move(setter);
  p->UpdateReadOnly();
  AddMember(p);
  return p;
}

TscPropertyHelper* TscClassVariable::AddPropertyEx(const QString& name, const QString& typeName,
                                                   TscGetValueNewEvent getter,
                                                   TscSetValueNewEvent setter) {
  QString resolved;
  TscVarType typ = FProgram ? FProgram->TypeOf(typeName, &resolved) : fvtVariant;
  auto* p = new TscPropertyHelper(name, typ, resolved);
  p->FOnGetValueNew = std::move(getter);
  p->FOnSetValueNew = std::move(setter);
  p->UpdateReadOnly();
  AddMember(p);
  return p;
}

TscMethodHelper* TscClassVariable::AddIndexProperty(const QString& name, const QString& indexTypes,
                                                    const QString& typeName, TscCallMethod handler,
                                                    bool isDefault) {
  QString params;
  const QStringList types = indexTypes.split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (int i = 0; i < types.size(); ++i)
    params += (i ? QStringLiteral("; ") : QString()) + QStringLiteral("Index%1: ").arg(i) +
              types[i].trimmed();
  TscMethodHelper* m = scCreateMethodHelper(
      QStringLiteral("function %1(%2): %3").arg(name, params, typeName), FProgram, FName);
  m->FIndexMethod = true;
  m->FIsReadOnly = false;
  m->FOnCall = std::move(handler);
  AddMember(m);
  if (isDefault) FDefProperty = m;
  return m;
}

TscEventHelper* TscClassVariable::AddEvent(const QString& name, TscEventFactory event,
                                           TscEventAttach attach) {
  auto* e = new TscEventHelper(name, event, std::move(attach));
  AddMember(e);
  return e;
}

TscComponentHelper* TscClassVariable::AddComponent(TscHostObject* component) {
  QString className = component->HostClass() ? component->HostClass()->ClassName() : QString();
  auto* c = new TscComponentHelper(component->ObjectName(), component, className);
  AddMember(c);
  return c;
}
