// The general classes module: constants, enumerations and the base classes TObject, TPersistent,
// TComponent, TCollection and TList. String lists, streams and XML classes have files of their own.
#include "script_engine/modules/classes_module.h"

#include "script_engine/interpreter/created_objects.h"
#include "script_engine/modules/class_binding.h"

const TscGeneralClasses& scGeneralClasses() {
  static const TscGeneralClasses classes;
  return classes;
}

TscMethodHelper* scBindConstructor(TscClassVariable* cls, const char* syntax, TscScript& owner,
                                   TscMakeObject make) {
  const TscHostClass* declaring = cls->FClassRef;
  return cls->AddMethod(QString::fromUtf8(syntax),
                        [&owner, declaring, make](TscHostObject*, const TscHostClass*,
                                                  const QString&, TscMethodHelper& call) {
                          auto* named = dynamic_cast<TscClassVariable*>(call.FParentRef);
                          const TscHostClass* cls =
                              named && named->FClassRef ? named->FClassRef : declaring;
                          return owner.CreatedObjects().Adopt(make(*cls, call));
                        });
}

namespace {

// An object of TObject or TPersistent made by a script: nothing but its class.
class PlainObject : public TscPersistentObject {
 public:
  explicit PlainObject(const TscHostClass& cls) : FClass(cls) {}
  const TscHostClass* HostClass() const override { return &FClass; }
  bool AssignFrom(TscHostObject&) override { return false; }

 private:
  const TscHostClass& FClass;
};

class ComponentObject : public TscPersistentObject {
 public:
  ComponentObject(const TscHostClass& cls, const ScriptValue& owner) : FClass(cls), FOwner(owner) {}
  const TscHostClass* HostClass() const override { return &FClass; }
  bool AssignFrom(TscHostObject&) override { return false; }
  // The owner while it exists (nil once it has been freed).
  ScriptValue Owner() const { return scTryObjectOf(FOwner) ? FOwner : ScriptValue(0); }

 private:
  const TscHostClass& FClass;
  ScriptValue FOwner;
};

// TList: references to objects, not owned.
class ListObject : public TscHostObject {
 public:
  const TscHostClass* HostClass() const override { return &scGeneralClasses().List; }
  void Release() override { FItems.clear(); }

  int Count() const { return static_cast<int>(FItems.size()); }
  ScriptValue& At(int index) {
    if (index < 0 || index >= Count())
      throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[std::size_t(index)];
  }
  int IndexOf(const ScriptValue& item) const {
    for (int i = 0; i < Count(); ++i)
      if (FItems[std::size_t(i)] == item) return i;
    return -1;
  }
  void Insert(int index, const ScriptValue& item) {
    if (index < 0 || index > Count())
      throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
    FItems.insert(FItems.begin() + index, item);
  }
  void Delete(int index) {
    At(index);
    FItems.erase(FItems.begin() + index);
  }
  void Clear() { FItems.clear(); }
  void SetItems(std::vector<ScriptValue> items) { FItems = std::move(items); }

 private:
  std::vector<ScriptValue> FItems;
};

void registerConstants(TscScript& script) {
  static constexpr TscIntConstant kConstants[] = {
      {"fmCreate", 65280},        {"fmOpenRead", 0},        {"fmOpenWrite", 1},
      {"fmOpenReadWrite", 2},     {"fmShareExclusive", 16}, {"fmShareDenyWrite", 32},
      {"fmShareDenyNone", 64},    {"soFromBeginning", 0},   {"soFromCurrent", 1},
      {"soFromEnd", 2}};
  scAddConstants(script, kConstants);
  script.AddEnum(QStringLiteral("TDuplicates"), QStringLiteral("dupIgnore, dupAccept, dupError"));
  script.AddEnum(QStringLiteral("TPrinterOrientation"), QStringLiteral("poPortrait, poLandscape"));
}

void registerObject(TscScript& script) {
  const TscGeneralClasses& classes = scGeneralClasses();
  TscClassVariable* object = script.AddClass(&classes.Object, QString());
  if (!object) return;
  scBindConstructor(object, "constructor Create", script,
                    [](const TscHostClass& cls, TscMethodHelper&) {
                      return std::make_unique<PlainObject>(cls);
                    });
  object->AddMethod(QStringLiteral("procedure Free"),
                    [&script](TscHostObject* self, const TscHostClass*, const QString&, TscArgs&) {
                      if (!self) return ScriptValue::Null();  // freeing nil does nothing
                      TscCreatedObjects& created = script.CreatedObjects();
                      if (created.Owns(self))
                        created.Free(self);
                      else
                        self->FreeByScript();
                      return ScriptValue::Null();
                    });
  scBindMethod<TscHostObject>(object, "function ClassName: String", [](TscHostObject& self, TscArgs&) {
    return ScriptValue(self.HostClass() ? self.HostClass()->ClassName() : QString());
  });
}

void registerPersistent(TscScript& script) {
  const TscGeneralClasses& classes = scGeneralClasses();
  TscClassVariable* persistent = script.AddClass(&classes.Persistent, QStringLiteral("TObject"));
  if (!persistent) return;
  scBindMethod<TscPersistentObject>(
      persistent, "procedure Assign(Source: TPersistent)", [](TscPersistentObject& self, TscArgs& a) {
        TscHostObject* source = scObjectOf(a[0], &scGeneralClasses().Persistent);
        if (!source || !self.AssignFrom(*source))
          throw ScriptError(QStringLiteral("Cannot assign a %1 to a %2")
                                .arg(source ? source->HostClass()->ClassName() : QStringLiteral("nil"),
                                     self.HostClass()->ClassName()));
        return ScriptValue::Null();
      });
  script.AddClass(&classes.CollectionItem, QStringLiteral("TPersistent"));
  TscClassVariable* collection = script.AddClass(&classes.Collection, QStringLiteral("TPersistent"));
  if (!collection) return;
  scBindMethod<TscCollectionObject>(collection, "procedure Clear", [](TscCollectionObject& self, TscArgs&) {
    self.CollectionClear();
    return ScriptValue::Null();
  });
  scBindProperty<TscCollectionObject>(collection, "Count", "Integer",
                                      [](TscCollectionObject& self) { return self.CollectionCount(); });
  scBindIndexProperty<TscCollectionObject>(
      collection, "Items", "Integer", "TCollectionItem", true,
      [](TscCollectionObject& self, TscArgs& a, bool setting) {
        if (setting) throw ScriptError(QStringLiteral("TCollection.Items is read-only"));
        return self.CollectionItem(a[0].ToInt32());
      });
}

void registerComponent(TscScript& script) {
  TscClassVariable* component =
      script.AddClass(&scGeneralClasses().Component, QStringLiteral("TPersistent"));
  if (!component) return;
  scBindConstructor(component, "constructor Create(AOwner: TComponent)", script,
                    [](const TscHostClass& cls, TscMethodHelper& call) {
                      const ScriptValue owner = call.Argument(0);
                      scObjectOf(owner, &scGeneralClasses().Component);  // nil or a component
                      return std::make_unique<ComponentObject>(cls, owner);
                    });
  scBindProperty<ComponentObject>(component, "Owner", "TComponent",
                                  [](ComponentObject& self) { return self.Owner(); });
}

void registerList(TscScript& script) {
  TscClassVariable* list = script.AddClass(&scGeneralClasses().List, QStringLiteral("TObject"));
  if (!list) return;
  scBindConstructor(list, "constructor Create", script, [](const TscHostClass&, TscMethodHelper&) {
    return std::make_unique<ListObject>();
  });
  scBindMethod<ListObject>(list, "function Add(Item: TObject): Integer", [](ListObject& self, TscArgs& a) {
    self.Insert(self.Count(), a[0]);
    return ScriptValue(self.Count() - 1);
  });
  scBindMethod<ListObject>(list, "procedure Clear", [](ListObject& self, TscArgs&) {
    self.Clear();
    return ScriptValue::Null();
  });
  scBindMethod<ListObject>(list, "procedure Delete(Index: Integer)", [](ListObject& self, TscArgs& a) {
    self.Delete(a[0].ToInt32());
    return ScriptValue::Null();
  });
  scBindMethod<ListObject>(list, "function IndexOf(Item: TObject): Integer",
                           [](ListObject& self, TscArgs& a) { return ScriptValue(self.IndexOf(a[0])); });
  scBindMethod<ListObject>(list, "procedure Insert(Index: Integer; Item: TObject)",
                           [](ListObject& self, TscArgs& a) {
                             self.Insert(a[0].ToInt32(), a[1]);
                             return ScriptValue::Null();
                           });
  scBindMethod<ListObject>(list, "function Remove(Item: TObject): Integer", [](ListObject& self, TscArgs& a) {
    const int index = self.IndexOf(a[0]);
    if (index >= 0) self.Delete(index);
    return ScriptValue(index);
  });
  scBindProperty<ListObject>(list, "Count", "Integer", [](ListObject& self) { return self.Count(); });
  scBindIndexProperty<ListObject>(list, "Items", "Integer", "TObject", true,
                                  [](ListObject& self, TscArgs& a, bool setting) {
                                    ScriptValue& item = self.At(a[0].ToInt32());
                                    if (setting) item = a[1];
                                    return item;
                                  });
}

}  // namespace

void scRegisterBaseClasses(TscScript& script) {
  registerConstants(script);
  registerObject(script);
  registerPersistent(script);
  registerList(script);
  registerComponent(script);
}

namespace {

class ClassesModule : public TscRTTIModule {
 public:
  explicit ClassesModule(TscScript* script) : TscRTTIModule(script) {
    scRegisterBaseClasses(*script);
    scRegisterStreamClasses(*script);
    scRegisterStringClasses(*script);
    scRegisterXMLClasses(*script);
  }
};

}  // namespace


TscRTTIModule* scCreateClassesModule(TscScript* script) { return new ClassesModule(script); }

ScriptValue scNewList(TscScript& owner) { return owner.CreatedObjects().Adopt(std::make_unique<ListObject>()); }

bool scSetListItems(const ScriptValue& list, std::vector<ScriptValue> items) {
  auto* object = dynamic_cast<ListObject*>(scTryObjectOf(list));
  if (!object) return false;
  object->SetItems(std::move(items));
  return true;
}
