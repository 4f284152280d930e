#pragma once
// A script procedure or function: its parameters, its local script (locals, "Result", nested
// procedures, the body) and the call.
//
// Locals live in the procedure's local script, one set per procedure. A recursive call saves the
// values of the whole set before the inner call and restores them afterwards, so every level sees
// its own values. The set is laid out once as a frame of value slots (rebuilt only when the local
// script changes, see call_frame.h), so saving and restoring is a run over an array. Calls nest
// at most kMaxCallDepth deep per thread; a deeper call is a script error rather than a stack
// overflow of the host.
#include <memory>
#include <vector>

#include "script_engine/interpreter/call_frame.h"
#include "script_engine/interpreter/variables.h"

class TscScript;

// How a call finds its procedure: not running (the outermost call), running already (a
// recursive call, so the caller's locals are put aside), or running and called from its own
// body, where its local script is the running one already.
enum class TscCallKind { Outermost, Recursive, FromOwnBody };

class TscProcVariable : public TscCustomVariable {
 public:
  static constexpr int kMaxCallDepth = 1000;

  // A function (isFunc) owns a variable "Result" of its result type in the local script.
  TscProcVariable(const QString& name, TscVarType typ, const QString& typeName, TscScript* parent,
                  bool isFunc);
  ~TscProcVariable() override;

  // Runs the body with the parameters as they are set; the value is "Result" (Null for a
  // procedure).
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue&) override {}

  // Sets the parameters from args (parameters without an argument get their default value), runs
  // the body and returns its value. The argument values are moved into the parameters.
  ScriptValue Invoke(ScriptValue* args, int count);
  // The same with one argument, the commonest call.
  ScriptValue Invoke1(ScriptValue* argument);
  // The same, and paramsOut receives every parameter's final value, taken before a recursive
  // caller's frame is restored.
  ScriptValue Invoke(ScriptValue* args, int count, std::vector<ScriptValue>* paramsOut);

  TscScript* Program() const { return FProgram; }
  TscCustomVariable* ResultVariable() const { return FRefItem; }
  // A variable was taken out of the local script, and may be freed next: the calls running
  // meanwhile put their saved values of it aside instead of back into it.
  void LocalRemoved(TscCustomVariable* variable);
  TscParamItem* AddParameter(const QString& name, TscVarType typ, const QString& typeName,
                             bool isVarParam, bool isOptional = false,
                             const ScriptValue& defValue = ScriptValue::Null());

  bool FIsFunc;
  bool FExecuting = false;
  TscScript* FProgram;  // owned
  // While the procedure runs: the main program its outermost call found.
  TscScript* FActiveMain = nullptr;

 private:
  friend class TscDirectCallNode;  // calls in its own frame
  friend class TscOwnBodyCallNode;
  template <TscCallKind Kind>
  class Activation;

  const TscFrameLayout& frame();
  void layFrame();
  void setParameters(ScriptValue* args, int count, int from = 0);
  template <TscCallKind Kind>
  ScriptValue call(ScriptValue* args, int count, std::vector<ScriptValue>* paramsOut);
  template <std::size_t Slots, TscCallKind Kind>
  ScriptValue recurse(const TscFrameLayout& layout, ScriptValue* args, int count,
                      std::vector<ScriptValue>* paramsOut);
  template <TscCallKind Kind>
  ScriptValue run(std::vector<ScriptValue>* paramsOut);
  void collectParameters(std::vector<ScriptValue>& values);

  // The layout in use. A layout replaced while recursive calls still hold it (the local script
  // gained a variable during the recursion) is kept until no call can hold it any more.
  std::unique_ptr<TscFrameLayout> FFrame = std::make_unique<TscFrameLayout>();
  std::vector<std::unique_ptr<TscFrameLayout>> FRetiredFrames;
  int FFrameVersion = -1;
};

// The current nesting depth of script calls on this thread (for tests and diagnostics).
int scCallDepth();
