#pragma once
// Lists of report variables as script objects: the report's own ("Report.Variables"), the
// program-wide one ("rpGlobalVariables"), and those a script creates (TrpVariables.Create,
// TrpArray.Create), which the script then owns. The default indexed property reads and writes a
// variable by name (an array's by any key): Report.Variables['Total'] := 0.
#include <memory>

#include "script_engine/modules/classes_module.h"

class TrpVariableCollection;
class TrpScriptObjects;

class TrpVariablesScriptObject : public TscCollectionObject {
 public:
  // A list the program owns, shown as a TrpVariables.
  explicit TrpVariablesScriptObject(TrpVariableCollection& variables, TrpScriptObjects* objects = nullptr);
  // A list the script created; `cls` is TrpVariables or TrpArray.
  TrpVariablesScriptObject(std::unique_ptr<TrpVariableCollection> owned, const TscHostClass& cls,
                           TrpScriptObjects* objects);
  ~TrpVariablesScriptObject() override;

  const TscHostClass* HostClass() const override { return &FClass; }
  int CollectionCount() const override;
  ScriptValue CollectionItem(int index) override;
  void CollectionClear() override;
  void Release() override;
  TrpVariableCollection& Variables() const { return FVariables; }

  // Registers "TrpVariables" and "TrpArray" with their members in `script`, unless known.
  // `objects` hands out the variables' own script objects (Items[]).
  static void RegisterClasses(TscScript& script, TrpScriptObjects* objects);

 private:
  std::unique_ptr<TrpVariableCollection> FOwned;
  TrpVariableCollection& FVariables;
  const TscHostClass& FClass;
  TrpScriptObjects* FObjects;
};
