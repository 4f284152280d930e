#pragma once
// TrpReportScript: the binding between a report and its script. It owns the report's TscScript
// and expression cache, prepares the script's name space before each run (the report's objects,
// "Report", "Value", "Self", and the functions "Get", "Set", "IIF", "SUM", "AVG", "MIN", "MAX",
// "COUNT"), evaluates expressions and resolves plain names (system variables, report variables,
// global variables, script variables).
//
// The report's script text is compiled when a run first needs it: to call one of its procedures
// (the report's start and stop events, objects' events, a dialog's window events) or to evaluate
// an expression, which may call its functions.
#include <QHash>
#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

#include "report/binding/expression_cache.h"
#include "report/binding/run_script_objects.h"
#include "report/binding/script_objects.h"
#include "report/binding/script_run_limits.h"
#include "report/binding/styles_script_object.h"
#include "report/binding/variables_script_object.h"
#include "report/objects/custom_report_script.h"
#include "report/objects/shared_text_cache.h"

class TscCustomVariable;

class TrpReportScript : public TrpCustomReportScript {
 public:
  explicit TrpReportScript(TrpReport& report);
  ~TrpReportScript() override;

  TscScript& Script() override { return *FScript; }
  bool PrepareScript(TrpReport& activeReport) override;
  ScriptValue Calc(const QString& expression, TscScript* script = nullptr,
                   bool scriptCaller = false) override;
  bool DoGetValue(const QString& name, ScriptValue& value) override;
  ScriptValue GetLocalValue() const override;
  void SetLocalValue(const ScriptValue& value) override;
  TrpComponent* GetSelfValue() const override;
  void SetSelfValue(TrpComponent* object) override;
  bool GetCaseSensitive() const override { return FExpressionCache.CaseSensitive(); }
  void SetCaseSensitive(bool value) override { FExpressionCache.SetCaseSensitive(value); }
  void AddFunction(const QString& syntax, const QString& category = QString(),
                   const QString& description = QString()) override;
  void DoParamEvent(const QString& procedure, std::vector<ScriptValue>& args) override;
  void DoNotifyEvent(TrpComponent* sender, const QString& procedure) override;
  ScriptValue ObjectValue(TrpComponent* object) override;
  void Notification(TrpComponent* removed) override;

  // --- the handlers of the report's script functions --------------------------------------------
  // "Get": a name, or an aggregate call written as text.
  ScriptValue GetScriptValue(const QString& name);
  // "Set": the report variable `name` takes `value`.
  void SetScriptValue(const QString& name, const ScriptValue& value);
  // "IIF" and the aggregates, with their arguments as source texts.
  ScriptValue CallMethod(const QString& name, const std::vector<ScriptValue>& args);
  // A program-supplied function: the report's OnUserFunction answers.
  ScriptValue DoUserFunction(const QString& name, const std::vector<ScriptValue>& args);

  TrpReport& Report() const { return FReport; }
  // Whether the report's script text (compiled if need be) declares `procedure`.
  bool HasProcedure(const QString& procedure);
  // Prepares and shows the report once control is back in the program's event loop (a script
  // asks; preparing at once would clear the script while it runs).
  void ShowReportLater();

  TrpExpressionCache& ExpressionCache() { return FExpressionCache; }
  TrpScriptObjects& Objects() { return FObjects; }

 private:
  bool DataSetField(const QString& name, ScriptValue& value) const;
  bool SystemVariable(const QString& name, ScriptValue& value) const;
  bool ReportVariable(const QString& name, ScriptValue& value);
  bool ScriptVariable(const QString& name, ScriptValue& value) const;
  struct ProgramFunction {
    QString Syntax, Category, Description;
  };
  // The binding of the ancestor report, when this report inherits one.
  TrpReportScript* AncestorBinding() const;
  // The binding of the report that runs: its objects are the ones the script names.
  TrpReportScript* RunBindingOf(TrpReport& activeReport);
  bool PrepareAncestor(TrpReportScript& ancestor, TrpReport& activeReport);
  void AddProgramFunction(const ProgramFunction& function, TrpReportScript& answering);
  void RegisterObjects(TrpReport& activeReport);
  // The script object of an object of the running report, its class registered here.
  TrpScriptObject* RunObject(TrpComponent* object);
  void RegisterFunctions();
  void RegisterVariables();
  // "IIF": the condition, then one branch, evaluated with `caller` (none: the report's script).
  ScriptValue Iif(const std::vector<ScriptValue>& args, TscScript* caller);
  ScriptValue Aggregate(const QString& name, const QString& expression, const ScriptValue& bandArg,
                        const ScriptValue& flagsArg);
  // The text of a macro argument; an omitted optional argument arrives as its default value.
  static QString ArgumentText(const std::vector<ScriptValue>& args, std::size_t index);
  bool HasScriptText() const;
  // Compiles the report's script text and runs its main block, once per preparation.
  void CompileScriptText();

  TrpReport& FReport;
  TrpScriptRunLimits FLimits;
  std::unique_ptr<TscScript> FScript;
  TrpExpressionCache FExpressionCache;
  TrpScriptObjects FObjects;
  TrpEngineScriptObject FEngineObject;
  TrpOutlineScriptObject FOutlineObject;
  TrpVariablesScriptObject FVariablesObject;
  TrpVariablesScriptObject FGlobalVariablesObject;
  TrpStylesScriptObject FStylesObject;
  TscScript* FSaveParentScript = nullptr;
  TrpReportScript* FRun = this;  // the running report's binding, since the last PrepareScript
  std::vector<ProgramFunction> FProgramFunctions;
  bool FParentSaved = false;
  TscCustomVariable* FLocalVariable = nullptr;
  TscCustomVariable* FSelfVariable = nullptr;
  ScriptValue FLocalValue;
  TrpComponent* FSelfValue = nullptr;
  int FVariableDepth = 0;  // report variables referring to each other
  bool FScriptTextCompiled = false;  // since the last PrepareScript
  QString FScriptTextError;          // why it did not compile, since the last PrepareScript
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);  // for work done later
  // Names read as `alias."field"`, split once: every data field of every row is read by name.
  struct FieldReference {
    QString Alias, Field;
    bool Valid = false;
  };
  // Node-based: a reference stays where it is while names are added.
  mutable std::unordered_map<QString, FieldReference> FFieldReferences;
  // The names of the report's expressions come again with the same strings.
  mutable TrpSharedTextCache<const FieldReference*> FRecentFieldReferences;
  // The names enclosed in "<...>" expressions, kept so that they come again as the same strings.
  mutable TrpSharedTextCache<QString> FEnclosedNames;
  mutable int FFieldReadDepth = 0;
};

// Installs the report-script binding: every report made afterwards gets a TrpReportScript, and
// PrepareReport prepares its name space. Programs call it once at start-up, after the compiler.
void rpInstallReportScript();
