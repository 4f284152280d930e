#pragma once
// Helpers for the explicit members report classes add for scripts: the report object a member is
// used on, as its own C++ class, and methods and properties bound to handlers.
#include <QString>

#include <functional>

#include "report/binding/script_objects.h"
#include "report/component/report.h"
#include "report/objects/component.h"
#include "report/objects/custom_engine.h"
#include "script_engine/modules/class_binding.h"

namespace rpmembers {

// The report object a member is used on, as T.
template <class T>
T& objectAs(TscHostObject* instance, const QString& member) {
  auto* object = dynamic_cast<TrpScriptObject*>(instance);
  T* t = object ? dynamic_cast<T*>(&object->Object()) : nullptr;
  if (!t) throw ScriptError(QStringLiteral("%1 is not available on this object").arg(member));
  return *t;
}

inline ScriptValue valueOf(TscHostObject* instance, TrpPersistent* object) {
  return static_cast<TrpScriptObject*>(instance)->Owner().ValueOf(object);
}

// A report whose engine runs keeps its object tree as it is.
inline void checkNotRunning(TrpComponent& object, const QString& member) {
  auto* report = dynamic_cast<TrpReport*>(object.Report());
  if (report && report->Engine() && report->Engine()->Running())
    throw ScriptError(QStringLiteral("%1 cannot change the report's objects while it is prepared").arg(member));
}

using Handler = std::function<ScriptValue(TscHostObject*, const QString&, TscArgs&)>;

inline void method(TscClassVariable* c, const char* syntax, Handler handler) {
  if (!c) return;
  c->AddMethod(QString::fromUtf8(syntax),
               [handler](TscHostObject* self, const TscHostClass*, const QString& name, TscArgs& args) {
                 return handler(self, name, args);
               });
}

inline void property(TscClassVariable* c, const char* name, const char* type,
              std::function<ScriptValue(TscHostObject*, const QString&)> get,
              std::function<void(TscHostObject*, const QString&, const ScriptValue&)> set = {}) {
  if (!c) return;
  TscSetValueEvent setter;
  if (set)
    setter = [set](TscHostObject* self, const TscHostClass*, const QString& n, const ScriptValue& v) { set(self, n, v); };
  c->AddProperty(QString::fromUtf8(name), QString::fromUtf8(type),
                 [get](TscHostObject* self, const TscHostClass*, const QString& n) { return get(self, n); }, setter);
}

// A read-only indexed property: get(self, member, index).
inline void indexProperty(TscClassVariable* c, const char* name, const char* indexType, const char* type,
                          std::function<ScriptValue(TscHostObject*, const QString&, const ScriptValue&)> get) {
  if (!c) return;
  c->AddIndexProperty(
      QString::fromUtf8(name), QString::fromUtf8(indexType), QString::fromUtf8(type),
      [get](TscHostObject* self, const TscHostClass*, const QString& n, TscArgs& args) {
        if (n.endsWith(QLatin1String(".SET"))) throw ScriptError(QStringLiteral("%1 is read-only").arg(n.chopped(4)));
        return get(self, n, args.at(0));
      },
      false);
}

// A script error for what a report object raised (a file that cannot be read, ...).
template <class Fn>
auto scriptErrorOf(Fn fn) -> decltype(fn()) {
  try {
    return fn();
  } catch (const ScriptError&) {
    throw;
  } catch (const std::exception& e) {
    throw ScriptError(QString::fromUtf8(e.what()));
  }
}

}  // namespace rpmembers
