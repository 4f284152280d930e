#pragma once
// What the script engine knows of host classes and host objects.
//
// A host class names itself, its ancestor and its published properties; every class registered in
// a script (TscScript::AddClass) refers to one. A host object is a ScriptObject that knows its
// class and its owned components. Only host objects are ever used as objects by scripts: the
// engine checks that a reference still points at a living host object of the expected class
// before it hands the object to any handler, so a stale or foreign pointer cannot reach host code.
#include <QString>

#include <functional>
#include <vector>

#include "script_engine/interpreter/value.h"

class TscHostObject;

// How a published property is read and written (see TscPropertyHelper).
enum class TscPropertyKind { Integer, Char, Boolean, Enumeration, Set, Float, String, Class,
                             Variant, Int64 };

struct TscPublishedProperty {
  QString Name;
  TscPropertyKind Kind = TscPropertyKind::Integer;
  QString TypeName;  // class name for Class, enumeration type name for Enumeration and Set
  std::function<ScriptValue(TscHostObject& object)> Get;
  std::function<void(TscHostObject& object, const ScriptValue& value)> Set;  // empty: read-only
};

class TscHostClass {
 public:
  TscHostClass(const QString& name, const TscHostClass* parent,
               std::vector<TscPublishedProperty> properties = {});
  TscHostClass(const TscHostClass&) = delete;
  TscHostClass& operator=(const TscHostClass&) = delete;

  const QString& ClassName() const { return FName; }
  const TscHostClass* Parent() const { return FParent; }
  // The class's own published properties; Published() adds the ancestors' (theirs first).
  const std::vector<TscPublishedProperty>& OwnProperties() const { return FProperties; }
  std::vector<const TscPublishedProperty*> Published() const;
  // This class or one of its ancestors is `other` (or is named `name`, ignoring case).
  bool InheritsFrom(const TscHostClass* other) const;
  bool InheritsFrom(const QString& name) const;

 private:
  QString FName;
  const TscHostClass* FParent;
  std::vector<TscPublishedProperty> FProperties;
};

class TscHostObject : public ScriptObject {
 public:
  TscHostObject();
  TscHostObject(const TscHostObject&) = delete;
  TscHostObject& operator=(const TscHostObject&) = delete;
  ~TscHostObject() override;

  virtual const TscHostClass* HostClass() const = 0;
  // The object's name and the components it owns (forms, data modules).
  virtual QString ObjectName() const { return QString(); }
  virtual int ComponentCount() const { return 0; }
  virtual TscHostObject* Component(int index) const { (void)index; return nullptr; }

  // Whether p is a host object that exists now. Safe for any pointer value.
  static bool IsAlive(const ScriptObject* p);

  // A script frees the object (TObject.Free). Objects the script created are released by the
  // script's register of created objects; any other object says here whether a script may free
  // it. By default it may not: the program owns it.
  virtual void FreeByScript();
  // Lets go of what the object holds (files, texts, items) when a script frees it; the object
  // itself lives on, retired, for a while (see TscCreatedObjects).
  virtual void Release() {}
  // Leaves the register of living objects: every script value still referring to the object
  // gives "The object has been freed" from now on.
  void Retire();
};

// The object a value refers to, for use as an object of class `expected` (null: any class).
// Null, Empty, the integer 0 (nil) and a nil object reference give nullptr. Anything else that is
// not a reference to a living host object of that class raises ScriptError.
TscHostObject* scObjectOf(const ScriptValue& value, const TscHostClass* expected = nullptr);
// The same without raising: nullptr for anything that is not a living host object.
TscHostObject* scTryObjectOf(const ScriptValue& value);
