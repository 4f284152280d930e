// Explicit members of the report classes for scripts.
#include "report/binding/report_class_members.h"

#include "report/binding/report_member_binding.h"
#include "report/binding/script_stream_bridge.h"
#include "report/binding/wide_strings_object.h"

#include <QDate>

#include "report/binding/report_script.h"
#include "report/binding/script_objects.h"
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_engine.h"
#include "report/options/engine_options.h"
#include "report/pages/band.h"
#include "report/views/picture_view.h"
#include "report/views/stretcheable.h"
#include "report/views/view.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/classes_module.h"

namespace {

using namespace rpmembers;

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
  method(c, "procedure LoadFromStream(Stream: TStream)", [](TscHostObject* self, const QString& n, TscArgs& a) {
    C& object = objectAs<C>(self, n);
    checkNotRunning(object, QStringLiteral("LoadFromStream"));
    TscStreamObject& stream = scArgumentAs<TscStreamObject>(a[0], scGeneralClasses().Stream, n);
    scriptErrorOf([&] { rpReadFromScriptStream(stream, [&](QIODevice& d) { object.LoadFromStream(d); }); });
    return ScriptValue::Null();
  });
  method(c, "procedure SaveToStream(Stream: TStream; SaveChildren: Boolean = True)",
         [](TscHostObject* self, const QString& n, TscArgs& a) {
           C& object = objectAs<C>(self, n);
           TscStreamObject& stream = scArgumentAs<TscStreamObject>(a[0], scGeneralClasses().Stream, n);
           rpWriteToScriptStream(stream, [&](QIODevice& d) { object.SaveToStream(d, a[1].ToBool()); });
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
  property(memo, "Lines", "TWideStrings", [](TscHostObject* self, const QString& n) {
    auto& wrapper = *static_cast<TrpScriptObject*>(self);
    if (!wrapper.LinesObject) wrapper.LinesObject = std::make_unique<TrpWideStringsObject>(objectAs<M>(self, n).Lines());
    return ScriptValue(static_cast<ScriptObject*>(wrapper.LinesObject.get()));
  });
  property(memo, "Value", "Variant",
           [](TscHostObject* self, const QString& n) { return objectAs<M>(self, n).Value(); });
  method(script.FindClass(QStringLiteral("TrpPictureView")), "procedure LoadFromFile(filename: String)",
         [](TscHostObject* self, const QString& n, TscArgs& a) {
           if (!objectAs<TrpPictureView>(self, n).LoadPictureFromFile(a[0].ToText()))
             throw ScriptError(QStringLiteral("Cannot read the picture \"%1\"").arg(a[0].ToText()));
           return ScriptValue::Null();
         });
  property(
      script.FindClass(QStringLiteral("TrpView")), "TagStr", "String",
      [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<TrpView>(self, n).TagStr()); },
      [](TscHostObject* self, const QString& n, const ScriptValue& v) { objectAs<TrpView>(self, n).SetTagStr(v.ToText()); });
  property(script.FindClass(QStringLiteral("TrpBand")), "Overflow", "Boolean",
           [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<TrpBand>(self, n).Overflow()); });
}

void addReportMembers(TscScript& script, TrpReportScript& binding) {
  TscClassVariable* c = script.FindClass(QStringLiteral("TrpReport"));
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
  // Preparing again clears the very script that asks, so the report is shown once it has returned.
  method(c, "procedure ShowReport", [&binding](TscHostObject* self, const QString& n, TscArgs&) {
    R& report = objectAs<R>(self, n);
    checkNotRunning(report, QStringLiteral("ShowReport"));
    if (&report != &binding.Report())
      throw ScriptError(QStringLiteral("ShowReport shows the report whose script calls it"));
    binding.ShowReportLater();
    return ScriptValue::Null();
  });
  property(
      script.FindClass(QStringLiteral("TrpEngineOptions")), "DestroyForms", "Boolean",
      [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<TrpEngineOptions>(self, n).DestroyForms()); },
      [](TscHostObject* self, const QString& n, const ScriptValue& v) {
        objectAs<TrpEngineOptions>(self, n).SetDestroyForms(v.ToBool());
      });
}

// The module's enumerations and sets, for those no property has registered. The preview's buttons
// come from the preview options' property alone: their bits are the ones report files store.
void addEnumerations(TscScript& script) {
  static constexpr TscEnumeration kEnumerations[] = {
      {"TrpStretchMode", "smDontStretch, smActualHeight, smMaxHeight", false},
      {"TrpShiftMode", "smDontShift, smAlways, smWhenOverlapped", false},
      {"TrpDuplexMode", "dmNone, dmVertical, dmHorizontal, dmSimplex", false},
      {"TrpAlign", "baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient", false},
      {"TrpFrameStyle", "fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble", false},
      {"TrpFrameTypes", "ftLeft, ftRight, ftTop, ftBottom", true},
      {"TrpHAlign", "haLeft, haRight, haCenter, haBlock", false},
      {"TrpVAlign", "vaTop, vaBottom, vaCenter", false},
      {"TrpRestrictions", "rfDontModify, rfDontSize, rfDontMove, rfDontDelete", true},
      {"TrpShapeKind", "skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2", false},
      {"TrpZoomMode", "zmDefault, zmWholePage, zmPageWidth, zmManyPages", false},
      {"TrpPrintPages", "ppAll, ppOdd, ppEven", false},
      {"TrpDMPFontStyles", "fsxBold, fsxItalic, fsxUnderline, fsxSuperScript, fsxSubScript, fsxCondensed, fsxWide, "
                           "fsx12cpi, fsx15cpi", true},
      {"TrpRangeBegin", "rbFirst, rbCurrent", false},
      {"TrpRangeEnd", "reLast, reCurrent, reCount", false},
      {"TrpFieldType", "fftNumeric, fftString, fftBoolean", false},
      {"TrpFormatKind", "fkText, fkNumeric, fkDateTime, fkBoolean", false},
      {"TrpFillType", "ftBrush, ftGradient, ftGlass", false},
      {"TrpVisibilityTypes", "vsPreview, vsExport, vsPrint", true},
  };
  scAddEnumerations(script, kEnumerations);
}

void addConstantsAndFunctions(TscScript& script) {
  addEnumerations(script);
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
  TrpWideStringsObject::RegisterClass(script);
  addComponentMembers(component);
  addViewMembers(script);
  addReportMembers(script, binding);
  rpAddDataSetMembers(script);
  addConstantsAndFunctions(script);
}
