#pragma once
// TrpCustomReportScript: the report's side of its script, as the report and its objects see it.
// The binding (report/engine, above the model) implements it and owns the report's TscScript,
// its expression cache and the names registered for a run; the report owns the binding, made by
// rpReportServices().CreateReportScript.
#include <QString>

#include <vector>

#include "script_engine/interpreter/value.h"

class TrpComponent;
class TrpReport;
class TscScript;

class TrpCustomReportScript {
 public:
  TrpCustomReportScript() = default;
  virtual ~TrpCustomReportScript() = default;
  TrpCustomReportScript(const TrpCustomReportScript&) = delete;
  TrpCustomReportScript& operator=(const TrpCustomReportScript&) = delete;

  // The report's own script.
  virtual TscScript& Script() = 0;
  // Prepares the script's name space for a run of `activeReport`; false when it failed (the
  // reason is in the report's errors).
  virtual bool PrepareScript(TrpReport& activeReport) = 0;
  // Evaluates `expression` in `script` (none: the report's). With `scriptCaller` errors are
  // worded for a script that called Calc and are not listed. Raises on an error.
  virtual ScriptValue Calc(const QString& expression, TscScript* script = nullptr,
                           bool scriptCaller = false) = 0;
  // Resolves a plain name (system variable, data-set field, report variable, ...).
  virtual bool DoGetValue(const QString& name, ScriptValue& value) = 0;
  // The script variables "Value" and "Self".
  virtual ScriptValue GetLocalValue() const = 0;
  virtual void SetLocalValue(const ScriptValue& value) = 0;
  virtual TrpComponent* GetSelfValue() const = 0;
  virtual void SetSelfValue(TrpComponent* object) = 0;
  // Whether the expression cache tells apart expressions differing only in letter case.
  virtual bool GetCaseSensitive() const = 0;
  virtual void SetCaseSensitive(bool value) = 0;
  // Registers a program-supplied function; its calls go to the report's OnUserFunction.
  virtual void AddFunction(const QString& syntax, const QString& category = QString(),
                           const QString& description = QString()) = 0;
  // Runs the procedure `procedure` of the report's script text with `args`; parameters passed by
  // reference come back in `args`. The script text is compiled, and its main block run, the
  // first time a preparation calls one of its procedures. Raises ScriptError when the text does
  // not compile, has no such procedure, or the procedure fails.
  virtual void DoParamEvent(const QString& procedure, std::vector<ScriptValue>& args) = 0;
  // The value a script sees for `object` (its script object; nil for none), for event arguments.
  virtual ScriptValue ObjectValue(TrpComponent* object) = 0;
  // The same with the object that raised the event as the one argument ("Sender").
  virtual void DoNotifyEvent(TrpComponent* sender, const QString& procedure) = 0;
  // `removed` is being freed: the script must no longer reach it.
  virtual void Notification(TrpComponent* removed) = 0;
};
