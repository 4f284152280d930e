#include "report/binding/variables_script_object.h"

#include "report/binding/script_objects.h"
#include "report/objects/variables.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/modules/class_binding.h"

namespace {

const TscHostClass& variablesClass() {
  static const TscHostClass cls(QStringLiteral("TrpVariables"), &scGeneralClasses().Collection);
  return cls;
}

const TscHostClass& arrayClass() {
  static const TscHostClass cls(QStringLiteral("TrpArray"), &scGeneralClasses().Collection);
  return cls;
}

using V = TrpVariablesScriptObject;

// Variables[name] reads a variable, Variables[name] := value writes (or adds) it.
ScriptValue readOrWrite(V& self, TscArgs& args, bool setting) {
  const QString name = args.at(0).ToText();
  if (!setting) return self.Variables().Variables(name);
  self.Variables().SetVariables(name, args.at(1));
  return ScriptValue::Null();
}

void registerList(TscScript& script, const TscHostClass& cls, const char* indexType,
                  std::function<std::unique_ptr<TrpVariableCollection>()> make, TrpScriptObjects* objects) {
  TscClassVariable* c = script.AddClass(&cls, QStringLiteral("TCollection"));
  if (!c) return;
  scBindConstructor(c, "constructor Create", script,
                    [make, objects](const TscHostClass& named, TscMethodHelper&) -> std::unique_ptr<TscHostObject> {
                      return std::make_unique<V>(make(), named, objects);
                    });
  scBindIndexProperty<V>(c, "Variables", indexType, "Variant", true, readOrWrite);
}

}  // namespace

TrpVariablesScriptObject::TrpVariablesScriptObject(TrpVariableCollection& variables, TrpScriptObjects* objects)
    : FVariables(variables), FClass(variablesClass()), FObjects(objects) {}

TrpVariablesScriptObject::TrpVariablesScriptObject(std::unique_ptr<TrpVariableCollection> owned,
                                                   const TscHostClass& cls, TrpScriptObjects* objects)
    : FOwned(std::move(owned)), FVariables(*FOwned), FClass(cls), FObjects(objects) {}

TrpVariablesScriptObject::~TrpVariablesScriptObject() = default;

int TrpVariablesScriptObject::CollectionCount() const { return FVariables.Count(); }

ScriptValue TrpVariablesScriptObject::CollectionItem(int index) {
  if (index < 0 || index >= FVariables.Count())
    throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
  if (!FObjects) throw ScriptError(QStringLiteral("The variables' items are not available here"));
  return FObjects->ValueOf(FVariables.Items(index));
}

void TrpVariablesScriptObject::CollectionClear() { FVariables.Clear(); }

void TrpVariablesScriptObject::Release() {
  if (FOwned) FOwned->Clear();
}

void TrpVariablesScriptObject::RegisterClasses(TscScript& script, TrpScriptObjects* objects) {
  registerList(script, variablesClass(), "String", [] { return std::make_unique<TrpVariables>(); }, objects);
  registerList(script, arrayClass(), "Variant", [] { return std::make_unique<TrpArray>(); }, objects);
}
