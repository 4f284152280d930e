#pragma once
// A registered class: its host class, its ancestor's name and its members. Creating it registers
// every published property of the host class as a property helper.
#include <QString>

#include <vector>

#include "script_engine/interpreter/helpers.h"

class TscClassVariable : public TscCustomVariable {
 public:
  TscClassVariable(const TscHostClass* hostClass, const QString& ancestor, TscScript* program);
  ~TscClassVariable() override;

  // A type cast when called with its one argument (the argument, checked to be nil or an object
  // of this class); the bare class name yields Null (the class reference has no value form).
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue&) override {}

  // Members: own first, then the ancestors' (by name, ignoring case).
  TscCustomHelper* FindMember(const QString& name) const;
  TscClassVariable* AncestorClass() const;
  bool InheritsFrom(const TscClassVariable* other) const;

  // Registration of members. Method syntax as TscScript::AddMethod reads it; "constructor Name"
  // registers a constructor whose value is the new object.
  TscMethodHelper* AddMethod(const QString& syntax, TscCallMethod handler);
  TscMethodHelper* AddMethod(const QString& syntax, TscCallMethodNew handler);
  TscPropertyHelper* AddProperty(const QString& name, const QString& typeName,
                                 TscGetValueEvent getter, TscSetValueEvent setter = {});
  TscPropertyHelper* AddPropertyEx(const QString& name, const QString& typeName,
                                   TscGetValueNewEvent getter, TscSetValueNewEvent setter = {});
  // An indexed property, e.g. ("Items", "Integer", "TObject"); its handler receives the name with
  // ".GET" or ".SET" appended. A default property is also what "obj[i]" means.
  TscMethodHelper* AddIndexProperty(const QString& name, const QString& indexTypes,
                                    const QString& typeName, TscCallMethod handler,
                                    bool isDefault = false);
  TscMethodHelper* AddDefaultProperty(const QString& name, const QString& indexTypes,
                                      const QString& typeName, TscCallMethod handler) {
    return AddIndexProperty(name, indexTypes, typeName, handler, true);
  }
  TscEventHelper* AddEvent(const QString& name, TscEventFactory event, TscEventAttach attach);
  TscComponentHelper* AddComponent(TscHostObject* component);
  void AddMember(TscCustomHelper* helper);  // takes ownership

  const TscHostClass* FClassRef;
  QString FAncestor;
  std::vector<TscCustomHelper*> FMembers;  // owned
  TscMethodHelper* FDefProperty = nullptr;
  TscScript* FProgram;
};
