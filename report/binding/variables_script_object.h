#pragma once
// A list of report variables as a script object: the report's own ("Report.Variables") and the
// program-wide one ("rpGlobalVariables"). Its default indexed property reads and writes a
// variable by name: Report.Variables['Total'] := 0.
#include "script/host_class.h"

class TrpVariables;
class TscScript;

class TrpVariablesScriptObject : public TscHostObject {
 public:
  explicit TrpVariablesScriptObject(TrpVariables& variables) : FVariables(variables) {}
  const TscHostClass* HostClass() const override;
  // Registers the class "TrpVariables" with its default property in `script`, unless known.
  static void RegisterClass(TscScript& script);
  TrpVariables& Variables() const { return FVariables; }

 private:
  TrpVariables& FVariables;
};
