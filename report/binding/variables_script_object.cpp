#include "report/binding/variables_script_object.h"

#include "report/model/variables.h"
#include "script/class_variable.h"
#include "script/script.h"
#include "script/script_error.h"

namespace {

const TscHostClass& variablesClass() {
  static const TscHostClass cls(QStringLiteral("TrpVariables"), nullptr, {});
  return cls;
}

TrpVariables& variablesOf(TscHostObject* instance) {
  auto* object = dynamic_cast<TrpVariablesScriptObject*>(instance);
  if (!object) throw ScriptError(QStringLiteral("Object required"));
  return object->Variables();
}

// "VARIABLES.GET" with the name; "VARIABLES.SET" with the name and the value.
ScriptValue callVariables(TscHostObject* instance, const TscHostClass*, const QString& name,
                          std::vector<ScriptValue>& args) {
  TrpVariables& variables = variablesOf(instance);
  if (name.endsWith(QLatin1String(".SET"))) {
    variables.SetVariables(args.at(0).ToText(), args.at(1));
    return ScriptValue();
  }
  return variables.Variables(args.at(0).ToText());
}

}  // namespace

const TscHostClass* TrpVariablesScriptObject::HostClass() const { return &variablesClass(); }

void TrpVariablesScriptObject::RegisterClass(TscScript& script) {
  TscClassVariable* cls = script.AddClass(&variablesClass(), QString());
  if (!cls) return;
  cls->AddDefaultProperty(QStringLiteral("Variables"), QStringLiteral("String"), QStringLiteral("Variant"),
                          callVariables);
}
