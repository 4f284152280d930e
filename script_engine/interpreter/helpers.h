#pragma once
// Helpers: members of something else. Before a designator reads or writes a helper it gives it
// the item before it (FParentRef), that item's value (FParentValue, usually the object) and its
// script. The object handed to host handlers is checked first (scObjectOf): a value that is not a
// living host object of the member's class never reaches a handler.
#include <QString>

#include <functional>
#include <vector>

#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/variables.h"

class TscCustomEvent;
class TscHostClass;
class TscHostObject;
struct TscPublishedProperty;

class TscCustomHelper : public TscCustomVariable {
 public:
  using TscCustomVariable::TscCustomVariable;
  TscCustomVariable* FParentRef = nullptr;
  ScriptValue FParentValue;
  TscScript* FProgram = nullptr;
  const TscHostClass* FClassRef = nullptr;

 protected:
  // The object the member is used on: nullptr for nil; raises for anything else but a living
  // host object of FClassRef.
  TscHostObject* instance() const;
};

using TscGetValueEvent = std::function<ScriptValue(TscHostObject* instance,
                                                   const TscHostClass* classRef,
                                                   const QString& propName)>;
using TscSetValueEvent = std::function<void(TscHostObject* instance, const TscHostClass* classRef,
                                            const QString& propName, const ScriptValue& value)>;

class TscPropertyHelper;
using TscGetValueNewEvent = std::function<ScriptValue(TscHostObject* instance,
                                                      const TscHostClass* classRef,
                                                      const QString& propName,
                                                      TscPropertyHelper& caller)>;
using TscSetValueNewEvent = std::function<void(TscHostObject* instance,
                                               const TscHostClass* classRef,
                                               const QString& propName, const ScriptValue& value,
                                               TscPropertyHelper& caller)>;

class TscPropertyHelper : public TscCustomHelper {
 public:
  using TscCustomHelper::TscCustomHelper;
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override;
  // Read-only unless it has a set handler (or a published setter).
  void UpdateReadOnly();

  bool FIsPublished = false;
  const TscPublishedProperty* FPublished = nullptr;
  TscGetValueEvent FOnGetValue;
  TscSetValueEvent FOnSetValue;
  TscGetValueNewEvent FOnGetValueNew;
  TscSetValueNewEvent FOnSetValueNew;
};

class TscMethodHelper : public TscCustomHelper {
 public:
  using TscCustomHelper::TscCustomHelper;
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override;  // assignment to an indexed property
  // For FOnCallNew handlers: argument i; the argument one past the last parameter is the value
  // being assigned to an indexed property.
  ScriptValue Argument(int index) const;
  int ArgumentCount() const { return Count(); }

  QString FSyntax;
  QString FCategory;
  QString FDescription;
  bool FIndexMethod = false;
  TscCallMethod FOnCall;
  TscCallMethodNew FOnCallNew;
  std::vector<ScriptValue> FVarArray;
  ScriptValue FSetValue;

 private:
  bool FCalling = false;  // FVarArray is in use by a call
};

// An owned component of a form-like object; its value is the component.
class TscComponentHelper : public TscCustomHelper {
 public:
  TscComponentHelper(const QString& name, TscHostObject* component, const QString& className);
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue&) override {}
  TscHostObject* FComponent;
};

// Creates the event adapter for an object and a script procedure.
using TscEventFactory = TscCustomEvent* (*)(TscHostObject* instance, TscProcVariable* handler);
// Sets (or, with nullptr, removes) an adapter as the object's handler of this event.
using TscEventAttach = std::function<void(TscHostObject* instance, TscCustomEvent* adapter)>;

class TscEventHelper : public TscCustomHelper {
 public:
  TscEventHelper(const QString& name, TscEventFactory event, TscEventAttach attach);
  ScriptValue GetValue() override { return ScriptValue(QString()); }
  // A procedure name attaches that procedure; "0" detaches the handler.
  void SetValue(const ScriptValue& value) override;
  TscEventFactory FEvent;
  TscEventAttach FAttach;
};

// Element access of an array: one index parameter per dimension.
class TscArrayHelper : public TscCustomHelper {
 public:
  // dims parameters; the shared "__ArrayHelper" has three, the last two optional.
  TscArrayHelper(const QString& name, int dims, int optionalFrom);
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override;

 private:
  std::vector<int> indices(const ScriptValue& array) const;
};

// Character access of a string: "__StringHelper", one index parameter, type Char.
class TscStringHelper : public TscCustomHelper {
 public:
  TscStringHelper();
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override;
};

// A member of an automation object. There are no automation objects on this platform: every use
// is a script error.
class TscOLEHelper : public TscCustomHelper {
 public:
  using TscCustomHelper::TscCustomHelper;
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override;
};

// The message of every attempt to create or use an automation object.
QString scNoAutomationMessage(const QString& what);
