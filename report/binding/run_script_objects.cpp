#include "report/binding/run_script_objects.h"

#include "report/binding/script_objects.h"
#include "report/component/report.h"
#include "report/objects/custom_engine.h"
#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band.h"
#include "report/units/report_units.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/script.h"

namespace {

TrpReport& reportOf(TscHostObject* instance) {
  if (auto* engine = dynamic_cast<TrpEngineScriptObject*>(instance)) return engine->Report();
  if (auto* outline = dynamic_cast<TrpOutlineScriptObject*>(instance)) return outline->Report();
  throw ScriptError(QStringLiteral("Object required"));
}

TrpCustomEngine& engineOf(TscHostObject* instance) {
  TrpCustomEngine* engine = reportOf(instance).Engine();
  if (!engine) throw ScriptError(QStringLiteral("The report has no engine"));
  return *engine;
}

TrpCustomOutline& outlineOf(TscHostObject* instance) {
  TrpCustomPreviewPages* pages = reportOf(instance).PreviewPages();
  TrpCustomOutline* outline = pages ? pages->Outline() : nullptr;
  if (!outline) throw ScriptError(QStringLiteral("The report has no outline"));
  return *outline;
}

// A read-only engine property.
template <class F>
TscPublishedProperty engineProperty(const char* name, TscPropertyKind kind, F read) {
  TscPublishedProperty p;
  p.Name = QString::fromLatin1(name);
  p.Kind = kind;
  p.Get = [read](TscHostObject& o) { return ScriptValue(read(engineOf(&o))); };
  return p;
}

const TscHostClass& engineClass() {
  using E = const TrpCustomEngine&;
  static const TscHostClass cls(
      QStringLiteral("TrpCustomEngine"), nullptr,
      {engineProperty("CurX", TscPropertyKind::Float, [](E e) { return double(e.CurX()); }),
       engineProperty("CurY", TscPropertyKind::Float, [](E e) { return double(e.CurY()); }),
       engineProperty("CurColumn", TscPropertyKind::Integer, [](E e) { return e.CurColumn(); }),
       engineProperty("CurLine", TscPropertyKind::Integer, [](E e) { return e.CurLine(); }),
       engineProperty("CurLineThrough", TscPropertyKind::Integer, [](E e) { return e.CurLineThrough(); }),
       engineProperty("CurVColumn", TscPropertyKind::Integer, [](E e) { return e.CurVColumn(); }),
       engineProperty("FinalPass", TscPropertyKind::Boolean, [](E e) { return e.FinalPass(); }),
       engineProperty("PageHeight", TscPropertyKind::Float, [](E e) { return double(e.PageHeight()); }),
       engineProperty("PageWidth", TscPropertyKind::Float, [](E e) { return double(e.PageWidth()); }),
       engineProperty("TotalPages", TscPropertyKind::Integer, [](E e) { return e.TotalPages(); })});
  return cls;
}

const TscHostClass& outlineClass() {
  static const TscHostClass cls(QStringLiteral("TrpCustomOutline"), nullptr, {});
  return cls;
}

ScriptValue callEngine(TscHostObject* instance, const TscHostClass*, const QString& name,
                       std::vector<ScriptValue>& args) {
  TrpCustomEngine& engine = engineOf(instance);
  if (name == QLatin1String("NEWPAGE")) engine.NewPage();
  else if (name == QLatin1String("NEWCOLUMN")) engine.NewColumn();
  else if (name == QLatin1String("FREESPACE")) return ScriptValue(double(engine.FreeSpace()));
  else if (name == QLatin1String("STOPREPORT")) engine.Report().SetTerminated(true);
  else if (name == QLatin1String("SHOWBAND")) {
    auto* band = dynamic_cast<TrpBand*>(TrpScriptObjects::ObjectOf(args.at(0)));
    if (!band) throw ScriptError(QStringLiteral("ShowBand needs a band"));
    engine.ShowBand(*band);
  } else if (name == QLatin1String("ADDANCHOR")) {
    if (TrpPageAnchors* pages = engine.PreviewPages()) pages->AddAnchor(args.at(0).ToText());
  } else if (name == QLatin1String("GETANCHORPAGE")) {
    const TrpPageAnchors* pages = engine.PreviewPages();
    return ScriptValue(pages ? pages->GetAnchorPage(args.at(0).ToText()) : 1);
  }
  return ScriptValue();
}

ScriptValue callOutline(TscHostObject* instance, const TscHostClass*, const QString& name,
                        std::vector<ScriptValue>& args) {
  TrpCustomOutline& outline = outlineOf(instance);
  if (name == QLatin1String("ADDITEM")) {
    const TrpCustomEngine* engine = reportOf(instance).Engine();
    outline.AddItem(args.at(0).ToText(), engine ? static_cast<int>(rpRound(engine->CurY())) : 0);
  } else if (name == QLatin1String("LEVELROOT")) {
    outline.LevelRoot();
  } else if (name == QLatin1String("LEVELUP")) {
    outline.LevelUp();
  }
  return ScriptValue();
}

}  // namespace

const TscHostClass* TrpEngineScriptObject::HostClass() const { return &engineClass(); }

void TrpEngineScriptObject::RegisterClass(TscScript& script) {
  TscClassVariable* cls = script.AddClass(&engineClass(), QString());
  if (!cls) return;
  for (const char* syntax : {"procedure NewPage", "procedure NewColumn", "procedure ShowBand(Band: Variant)",
                             "procedure StopReport", "function FreeSpace: Extended",
                             "procedure AddAnchor(const Text: String)",
                             "function GetAnchorPage(const Text: String): Integer"})
    cls->AddMethod(QString::fromLatin1(syntax), TscCallMethod(callEngine));
}

const TscHostClass* TrpOutlineScriptObject::HostClass() const { return &outlineClass(); }

void TrpOutlineScriptObject::RegisterClass(TscScript& script) {
  TscClassVariable* cls = script.AddClass(&outlineClass(), QString());
  if (!cls) return;
  for (const char* syntax : {"procedure AddItem(const Text: String)", "procedure LevelRoot", "procedure LevelUp"})
    cls->AddMethod(QString::fromLatin1(syntax), TscCallMethod(callOutline));
}
