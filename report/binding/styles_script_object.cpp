#include "report/binding/styles_script_object.h"

#include "report/binding/report_member_binding.h"
#include "report/binding/script_stream_bridge.h"
#include "report/memo/styles.h"
#include "script_engine/modules/strings_object.h"

using namespace rpmembers;

namespace {

const TscHostClass& stylesClass() {
  static const TscHostClass cls(QStringLiteral("TrpStyles"), &scGeneralClasses().Collection);
  return cls;
}

using S = TrpStylesScriptObject;

ScriptValue itemValue(S& self, TrpStyleItem* item) { return self.Objects().ValueOf(item); }

TscStreamObject& streamArgument(const ScriptValue& value, const QString& member) {
  return scArgumentAs<TscStreamObject>(value, scGeneralClasses().Stream, member);
}

void addItems(TscClassVariable* c) {
  scBindIndexProperty<S>(c, "Items", "Integer", "TrpStyleItem", true, [](S& self, TscArgs& a, bool setting) {
    if (setting) throw ScriptError(QStringLiteral("TrpStyles.Items is read-only"));
    return self.CollectionItem(a[0].ToInt32());
  });
  scBindMethod<S>(c, "function Add: TrpStyleItem", [](S& self, TscArgs&) {
    TrpStyleItem* item = self.Styles().Add();
    item->CreateUniqueName();
    return itemValue(self, item);
  });
  scBindMethod<S>(c, "function Find(const Name: String): TrpStyleItem",
                  [](S& self, TscArgs& a) { return itemValue(self, self.Styles().Find(a[0].ToText())); });
  scBindMethod<S>(c, "procedure Apply", [](S& self, TscArgs&) {
    self.Styles().Apply();
    return ScriptValue::Null();
  });
  scBindMethod<S>(c, "procedure GetList(List: TStrings)", [](S& self, TscArgs& a) {
    auto& list = scArgumentAs<TscStringsObject>(a[0], scGeneralClasses().Strings, QStringLiteral("GetList"));
    list.List.Clear();
    for (const QString& name : self.Styles().GetList()) list.List.Add(name);
    return ScriptValue::Null();
  });
}

void addFiles(TscClassVariable* c) {
  scBindMethod<S>(c, "procedure LoadFromFile(const FileName: String)", [](S& self, TscArgs& a) {
    scriptErrorOf([&] { self.Styles().LoadFromFile(a[0].ToText()); });
    return ScriptValue::Null();
  });
  scBindMethod<S>(c, "procedure SaveToFile(const FileName: String)", [](S& self, TscArgs& a) {
    scriptErrorOf([&] { self.Styles().SaveToFile(a[0].ToText()); });
    return ScriptValue::Null();
  });
  scBindMethod<S>(c, "procedure LoadFromStream(Stream: TStream)", [](S& self, TscArgs& a) {
    TscStreamObject& stream = streamArgument(a[0], QStringLiteral("LoadFromStream"));
    scriptErrorOf([&] { rpReadFromScriptStream(stream, [&](QIODevice& d) { self.Styles().LoadFromStream(d); }); });
    return ScriptValue::Null();
  });
  scBindMethod<S>(c, "procedure SaveToStream(Stream: TStream)", [](S& self, TscArgs& a) {
    TscStreamObject& stream = streamArgument(a[0], QStringLiteral("SaveToStream"));
    rpWriteToScriptStream(stream, [&](QIODevice& d) { self.Styles().SaveToStream(d); });
    return ScriptValue::Null();
  });
}

}  // namespace

TrpStylesScriptObject::TrpStylesScriptObject(TrpStyles& styles, TrpScriptObjects& objects)
    : FStyles(styles), FObjects(objects) {}

TrpStylesScriptObject::TrpStylesScriptObject(std::unique_ptr<TrpStyles> owned, TrpScriptObjects& objects)
    : FOwned(std::move(owned)), FStyles(*FOwned), FObjects(objects) {}

TrpStylesScriptObject::~TrpStylesScriptObject() = default;

const TscHostClass* TrpStylesScriptObject::HostClass() const { return &stylesClass(); }

int TrpStylesScriptObject::CollectionCount() const { return FStyles.Count(); }

ScriptValue TrpStylesScriptObject::CollectionItem(int index) {
  if (index < 0 || index >= FStyles.Count())
    throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
  return FObjects.ValueOf(FStyles.Items(index));
}

void TrpStylesScriptObject::CollectionClear() { FStyles.Clear(); }

void TrpStylesScriptObject::Release() {
  if (FOwned) FOwned->Clear();
}

void TrpStylesScriptObject::RegisterClass(TscScript& script, TrpScriptObjects& objects) {
  TscClassVariable* c = script.AddClass(&stylesClass(), QStringLiteral("TCollection"));
  if (!c) return;
  scBindConstructor(c, "constructor Create(AReport: TrpReport)", script,
                    [&objects](const TscHostClass&, TscMethodHelper& call) -> std::unique_ptr<TscHostObject> {
                      auto* report = dynamic_cast<TrpCustomReport*>(TrpScriptObjects::ObjectOf(call.Argument(0)));
                      return std::make_unique<TrpStylesScriptObject>(std::make_unique<TrpStyles>(report), objects);
                    });
  addItems(c);
  addFiles(c);
}
