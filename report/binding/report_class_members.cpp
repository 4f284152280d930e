// Explicit members of the report classes for scripts.
#include "report/binding/report_class_members.h"

#include <QDate>

#include "report/binding/report_script.h"
#include "report/binding/script_objects.h"
#include "report/model/band.h"
#include "report/model/custom_engine.h"
#include "report/model/data_set.h"
#include "report/model/memo_view.h"
#include "report/model/picture_view.h"
#include "report/model/report.h"
#include "report/model/stretcheable.h"
#include "script/class_binding.h"
#include "script/classes_module.h"
#include "script/day_number.h"

namespace {

// The report object a member is used on, as T.
template <class T>
T& objectAs(TscHostObject* instance, const QString& member) {
  auto* object = dynamic_cast<TrpScriptObject*>(instance);
  T* t = object ? dynamic_cast<T*>(&object->Object()) : nullptr;
  if (!t) throw ScriptError(QStringLiteral("%1 is not available on this object").arg(member));
  return *t;
}

ScriptValue valueOf(TscHostObject* instance, TrpPersistent* object) {
  return static_cast<TrpScriptObject*>(instance)->Owner().ValueOf(object);
}

// A report whose engine runs keeps its object tree as it is.
void checkNotRunning(TrpComponent& object, const QString& member) {
  auto* report = dynamic_cast<TrpReport*>(object.Report());
  if (report && report->Engine() && report->Engine()->Running())
    throw ScriptError(QStringLiteral("%1 cannot change the report's objects while it is prepared").arg(member));
}

using Handler = std::function<ScriptValue(TscHostObject*, const QString&, TscArgs&)>;

void method(TscClassVariable* c, const char* syntax, Handler handler) {
  if (!c) return;
  c->AddMethod(QString::fromUtf8(syntax),
               [handler](TscHostObject* self, const TscHostClass*, const QString& name, TscArgs& args) {
                 return handler(self, name, args);
               });
}

void property(TscClassVariable* c, const char* name, const char* type,
              std::function<ScriptValue(TscHostObject*, const QString&)> get,
              std::function<void(TscHostObject*, const QString&, const ScriptValue&)> set = {}) {
  if (!c) return;
  TscSetValueEvent setter;
  if (set)
    setter = [set](TscHostObject* self, const TscHostClass*, const QString& n, const ScriptValue& v) { set(self, n, v); };
  c->AddProperty(QString::fromUtf8(name), QString::fromUtf8(type),
                 [get](TscHostObject* self, const TscHostClass*, const QString& n) { return get(self, n); }, setter);
}

// Objects and AllObjects hand out one list each per object, refilled on every read.
ScriptValue listOf(TscHostObject* instance, const QList<TrpComponent*>& objects, ScriptValue& kept) {
  auto& self = *static_cast<TrpScriptObject*>(instance);
  std::vector<ScriptValue> items;
  for (TrpComponent* object : objects) items.push_back(self.Owner().ValueOf(object));
  if (!scSetListItems(kept, items)) {
    kept = scNewList(self.Owner().Script());
    scSetListItems(kept, std::move(items));
  }
  return kept;
}

void addComponentMembers(TscClassVariable* c) {
  using C = TrpComponent;
  method(c, "function FindObject(s: String): TrpComponent", [](TscHostObject* self, const QString& n, TscArgs& a) {
    return valueOf(self, objectAs<C>(self, n).FindObject(a[0].ToText()));
  });
  method(c, "procedure SetBounds(ALeft, ATop, AWidth, AHeight: Extended)",
         [](TscHostObject* self, const QString& n, TscArgs& a) {
           objectAs<C>(self, n).SetBounds(a[0].ToDouble(), a[1].ToDouble(), a[2].ToDouble(), a[3].ToDouble());
           return ScriptValue::Null();
         });
  method(c, "procedure Clear", [](TscHostObject* self, const QString& n, TscArgs&) {
    C& object = objectAs<C>(self, n);
    checkNotRunning(object, QStringLiteral("Clear"));
    object.Clear();
    return ScriptValue::Null();
  });
  property(c, "Objects", "TList", [](TscHostObject* self, const QString& n) {
    return listOf(self, objectAs<C>(self, n).Objects(), static_cast<TrpScriptObject*>(self)->ObjectsList);
  });
  property(c, "AllObjects", "TList", [](TscHostObject* self, const QString& n) {
    return listOf(self, objectAs<C>(self, n).AllObjects(), static_cast<TrpScriptObject*>(self)->AllObjectsList);
  });
  property(
      c, "Parent", "TrpComponent",
      [](TscHostObject* self, const QString& n) { return valueOf(self, objectAs<C>(self, n).Parent()); },
      [](TscHostObject* self, const QString& n, const ScriptValue& v) {
        C& object = objectAs<C>(self, n);
        checkNotRunning(object, QStringLiteral("Parent"));
        object.SetParent(dynamic_cast<C*>(TrpScriptObjects::ObjectOf(v)));
      });
  property(c, "Page", "TrpPage",
           [](TscHostObject* self, const QString& n) { return valueOf(self, objectAs<C>(self, n).Page()); });
  property(c, "AbsLeft", "Extended",
           [](TscHostObject* self, const QString& n) { return ScriptValue(double(objectAs<C>(self, n).AbsLeft())); });
  property(c, "AbsTop", "Extended",
           [](TscHostObject* self, const QString& n) { return ScriptValue(double(objectAs<C>(self, n).AbsTop())); });
}

void addViewMembers(TscScript& script) {
  method(script.FindClass(QStringLiteral("TrpStretcheable")), "function CalcHeight: Extended",
         [](TscHostObject* self, const QString& n, TscArgs&) {
           return ScriptValue(double(objectAs<TrpStretcheable>(self, n).CalcHeight()));
         });
  TscClassVariable* memo = script.FindClass(QStringLiteral("TrpCustomMemoView"));
  using M = TrpCustomMemoView;
  method(memo, "function CalcWidth: Extended", [](TscHostObject* self, const QString& n, TscArgs&) {
    return ScriptValue(double(objectAs<M>(self, n).CalcWidth()));
  });
  property(
      memo, "Text", "String", [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<M>(self, n).Text()); },
      [](TscHostObject* self, const QString& n, const ScriptValue& v) { objectAs<M>(self, n).SetText(v.ToText()); });
  property(
      memo, "AnsiText", "String",
      [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<M>(self, n).Text()); },
      [](TscHostObject* self, const QString& n, const ScriptValue& v) { objectAs<M>(self, n).SetText(v.ToText()); });
  property(memo, "Value", "Variant",
           [](TscHostObject* self, const QString& n) { return objectAs<M>(self, n).Value(); });
  method(script.FindClass(QStringLiteral("TrpPictureView")), "procedure LoadFromFile(filename: String)",
         [](TscHostObject* self, const QString& n, TscArgs& a) {
           if (!objectAs<TrpPictureView>(self, n).LoadPictureFromFile(a[0].ToText()))
             throw ScriptError(QStringLiteral("Cannot read the picture \"%1\"").arg(a[0].ToText()));
           return ScriptValue::Null();
         });
  property(script.FindClass(QStringLiteral("TrpBand")), "Overflow", "Boolean",
           [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<TrpBand>(self, n).Overflow()); });
}

void addReportMembers(TscClassVariable* c, TrpReportScript& binding) {
  using R = TrpReport;
  method(c, "function Calc(const Expr: String): Variant", [&binding](TscHostObject*, const QString&, TscArgs& a) {
    // As a script's caller: errors are worded for Calc and not listed.
    return binding.Calc(a[0].ToText(), nullptr, true);
  });
  property(
      c, "Terminated", "Boolean",
      [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<R>(self, n).Terminated()); },
      [](TscHostObject* self, const QString& n, const ScriptValue& v) { objectAs<R>(self, n).SetTerminated(v.ToBool()); });
  method(c, "function GetDataset(const Alias: String): TrpDataset", [](TscHostObject* self, const QString& n, TscArgs& a) {
    return valueOf(self, objectAs<R>(self, n).GetDataset(a[0].ToText()));
  });
  method(c, "function LoadFromFile(const FileName: String): Boolean", [](TscHostObject* self, const QString& n, TscArgs& a) {
    R& report = objectAs<R>(self, n);
    checkNotRunning(report, QStringLiteral("LoadFromFile"));
    return ScriptValue(report.LoadFromFile(a[0].ToText()));
  });
  method(c, "procedure SaveToFile(const FileName: String)", [](TscHostObject* self, const QString& n, TscArgs& a) {
    objectAs<R>(self, n).SaveToFile(a[0].ToText());
    return ScriptValue::Null();
  });
}

void addConstantsAndFunctions(TscScript& script) {
  const struct {
    const char* name;
    double value;
  } kUnits[] = {{"rp01cm", 3.77953}, {"rp1cm", 37.7953}, {"rp01in", 9.6},
                {"rp1in", 96},       {"rp1CharX", 9.6},  {"rp1CharY", 17}};
  for (const auto& u : kUnits) script.AddConst(QString::fromLatin1(u.name), QStringLiteral("Extended"), ScriptValue(u.value));
  static constexpr TscIntConstant kIntegers[] = {{"clTransparent", 536870911}, {"crHand", 150}, {"crZoom", 151}, {"crFormat", 152}};
  scAddConstants(script, kIntegers);
  const struct {
    const char* syntax;
    int (QDate::*part)() const;
  } kParts[] = {{"function DayOf(Date: TDateTime): Integer", &QDate::day},
                {"function MonthOf(Date: TDateTime): Integer", &QDate::month},
                {"function YearOf(Date: TDateTime): Integer", &QDate::year}};
  for (const auto& p : kParts)
    script.AddMethod(QString::fromLatin1(p.syntax),
                     [part = p.part](TscHostObject*, const TscHostClass*, const QString& n, TscArgs& a) {
                       const QDate date = DayNumber::ToDate(a[0].ToDouble());
                       if (!date.isValid()) throw ScriptError(QStringLiteral("%1: not a date").arg(n));
                       return ScriptValue((date.*part)());
                     },
                     QStringLiteral("ctDate"));
}

}  // namespace

void rpAddReportClassMembers(TscScript& script, TrpReportScript& binding) {
  TscClassVariable* component = script.FindClass(QStringLiteral("TrpComponent"));
  if (!component || component->FindMember(QStringLiteral("FindObject"))) return;  // added already
  addComponentMembers(component);
  addViewMembers(script);
  addReportMembers(script.FindClass(QStringLiteral("TrpReport")), binding);
  addConstantsAndFunctions(script);
}
