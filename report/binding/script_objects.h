#pragma once
// Report objects as script objects. Report classes are not script host objects themselves: each
// report object (and each sub-object such as a font or a frame) a script reaches is represented by
// one TrpScriptObject, made on demand and freed when the object goes. Its host class is built
// from the report class's property descriptors, so every published property is readable and
// writable by name ("Memo1.Font.Size").
//
// A host class is built from the first object of its class handed out: its sub-object properties
// take the classes of that object's sub-objects (a fill of another kind than the first object's
// is therefore not reachable through the property). References are typed Variant.
#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

#include "script_engine/interpreter/host_class.h"

class TrpComponent;
class TrpPersistent;
class TscScript;
struct TrpClassInfo;

class TrpScriptObjects;

class TrpScriptObject : public TscHostObject {
 public:
  TrpScriptObject(TrpPersistent& object, TrpScriptObjects& owner);
  const TscHostClass* HostClass() const override;
  QString ObjectName() const override;

  TrpPersistent& Object() const { return FObject; }
  TrpScriptObjects& Owner() const { return FOwner; }
  // A script frees a report object: gone from the report (and this script object with it), unless
  // the report is being prepared. Sub-objects and the report itself stay.
  void FreeByScript() override;

  // The lists handed out for the object's Objects and AllObjects (refilled on every read).
  ScriptValue ObjectsList, AllObjectsList;
  // A text object's Lines, made on first use; it goes with this script object.
  std::unique_ptr<TscHostObject> LinesObject;

 private:
  TrpPersistent& FObject;
  TrpScriptObjects& FOwner;
};

class TrpScriptObjects {
 public:
  // Classes are registered in `script` as objects of them are handed out.
  explicit TrpScriptObjects(TscScript& script);
  ~TrpScriptObjects();
  TrpScriptObjects(const TrpScriptObjects&) = delete;
  TrpScriptObjects& operator=(const TrpScriptObjects&) = delete;

  // The script object of `object` (made once); none for none. `owner` is the report object a
  // sub-object belongs to (none: the object itself when it is a report object).
  TrpScriptObject* Wrap(TrpPersistent* object, TrpComponent* owner = nullptr);
  // The value a script sees for `object`: its script object, or nil.
  ScriptValue ValueOf(TrpPersistent* object, TrpComponent* owner = nullptr);
  // The report object a script object belongs to.
  TrpComponent* OwnerOf(const TrpScriptObject& object) const;
  // The report object a script value refers to, or none.
  static TrpPersistent* ObjectOf(const ScriptValue& value);
  // `component` is being freed: its script object and those of its sub-objects go.
  void Forget(TrpComponent* component);
  // `object` (a style or another collection item) is being destroyed: its script object goes.
  void ForgetObject(const TrpPersistent* object) { FObjects.erase(object); }
  // Registers the class of `info` (of which `sample` is an object), its ancestors and the classes
  // of its sub-objects in the script (unless known), with the names of the enumerations and sets
  // their properties use.
  void RegisterClass(const TrpClassInfo& info, const TrpPersistent& sample);
  // Registers every report class of the class registry (with its ancestors, sub-object classes
  // and enumerations), so that a script may name classes no object of the report has.
  void RegisterAllClasses();
  void Clear();
  TscScript& Script() const { return FScript; }

  // The host class built from a report class (one per class, for the life of the program).
  static const TscHostClass& HostClassOf(const TrpClassInfo& info, const TrpPersistent& sample);

 private:
  struct Entry {
    std::unique_ptr<TrpScriptObject> Object;
    TrpComponent* Component = nullptr;  // the report object it belongs to (itself or its owner)
  };

  TscScript& FScript;
  int FItemListener = 0;  // hears of destroyed collection items
  std::unordered_map<const TrpPersistent*, Entry> FObjects;
  // The sub-objects wrapped for each report object, forgotten with it.
  std::unordered_map<const TrpComponent*, std::vector<const TrpPersistent*>> FSubObjects;
};
