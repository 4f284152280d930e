// TscScript: compiling, running, calling script functions, variables and termination.
#include <QIODevice>

#include "script_engine/front/il_parser.h"
#include "script_engine/front/lexer.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"

namespace {

TscCompilerPhase2& phase2() {
  static TscCompilerPhase2 compiler;
  return compiler;
}

// The arguments of CallFunction: the elements of a one-dimensional array, or one plain value.
std::vector<ScriptValue> argumentsOf(const ScriptValue& args) {
  std::vector<ScriptValue> out;
  if (args.IsEmptyOrNull()) return out;
  if (!args.IsArray() || args.ArrayDimCount() != 1) {
    out.push_back(args);
    return out;
  }
  ArrayBound b = args.ArrayBounds(0);
  for (int i = b.low; i <= b.high; ++i) out.push_back(args.ArrayGet({i}));
  return out;
}

// Sets a script's running state for the outermost entry (Execute, or a host call of a script
// function while nothing runs) and clears it again however the run ends.
class RunGuard {
 public:
  explicit RunGuard(TscScript* s) : FScript(s), FOuter(!s->FIsRunning) {
    if (!FOuter) return;
    s->FExitCalled = s->FTerminated = s->FBreakCalled = s->FContinueCalled = false;
    s->FIsRunning = true;
  }
  ~RunGuard() {
    if (!FOuter) return;
    FScript->FExitCalled = FScript->FTerminated = false;
    FScript->FBreakCalled = FScript->FContinueCalled = false;
    FScript->FIsRunning = false;
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  TscScript* FScript;
  bool FOuter;
};

}  // namespace

void TscScript::SetCompilerPhase2(TscCompilerPhase2 compiler) { phase2() = std::move(compiler); }
bool TscScript::HasCompilerPhase2() { return static_cast<bool>(phase2()); }

// --- compiling ---

namespace {

TscCompileOptions optionsOf(TscScript& script) {
  TscCompileOptions options;
  options.includePath = script.FIncludePath;
  options.extendedCharset = script.FExtendedCharset;
  if (script.FOnGetUnit)
    options.onGetUnit = [&script](const QString& unit, QString& text) {
      script.FOnGetUnit(script, unit, text);
    };
  return options;
}

}  // namespace

void TscScript::runPhase2(TscILParser& parser) {
  if (!phase2()) {
    FErrorMsg = QStringLiteral("The script compiler is not available");
    return;
  }
  try {
    phase2()(*this, parser);
  } catch (const ScriptCompileError& e) {
    FErrorMsg = e.Message();
    FErrorPos = e.Position();
    FErrorUnit = e.Unit();
  } catch (const ScriptError& e) {
    FErrorMsg = e.Message();
  } catch (const std::exception& e) {
    FErrorMsg = QString::fromUtf8(e.what());
  }
}

bool TscScript::Compile() {
  FErrorMsg.clear();
  FErrorPos.clear();
  FErrorUnit.clear();
  TscILParser parser(optionsOf(*this));
  try {
    parser.SelectLanguage(FSyntaxType);
  } catch (const ScriptError& e) {
    FErrorMsg = e.Message();
    return false;
  }
  if (!parser.MakeILScript(scJoinLines(FLines))) {
    FErrorMsg = parser.ErrorMsg();
    FErrorPos = parser.ErrorPos();
    FErrorUnit = parser.ErrorUnit();
    return false;
  }
  runPhase2(parser);
  if (!FErrorMsg.isEmpty()) return false;
  FErrorPos.clear();
  return true;
}

bool TscScript::GetILCode(QIODevice& stream) {
  FErrorMsg.clear();
  FErrorPos.clear();
  FErrorUnit.clear();
  TscILParser parser(optionsOf(*this));
  try {
    parser.SelectLanguage(FSyntaxType);
    if (!parser.MakeILScript(scJoinLines(FLines))) {
      FErrorMsg = parser.ErrorMsg();
      FErrorPos = parser.ErrorPos();
      FErrorUnit = parser.ErrorUnit();
      return false;
    }
    parser.ILScript().SaveToStream(stream);
  } catch (const ScriptError& e) {
    FErrorMsg = e.Message();
    return false;
  }
  return true;
}

bool TscScript::SetILCode(QIODevice& stream) {
  FErrorMsg.clear();
  FErrorPos.clear();
  FErrorUnit.clear();
  TscILParser parser(optionsOf(*this));
  try {
    parser.SelectLanguage(FSyntaxType);
    parser.ILScript().LoadFromStream(stream);
  } catch (const ScriptError& e) {
    FErrorMsg = e.Message();
    return false;
  }
  runPhase2(parser);
  if (!FErrorMsg.isEmpty()) return false;
  FErrorPos.clear();
  return true;
}

// --- running ---

void TscScript::Execute() {
  FMainProg = true;
  RunGuard running(this);
  FStatement->Execute();
}

bool TscScript::Run() {
  if (!Compile()) return false;
  Execute();
  return true;
}

TscScript* TscScript::findLineHookScript() {
  for (TscScript* s = this; s; s = s->FParent) {
    if (s->FQuietLines) return nullptr;
    if (s->FOnRunLine) return s;
  }
  return nullptr;
}

TscScript* TscScript::rememberLineHookScript() {
  const unsigned generation = scLineHookGeneration.load(std::memory_order_relaxed);
  FLineHookScript = findLineHookScript();
  FLineHookGeneration = generation;
  return FLineHookScript;
}

void TscScript::RunLine(const QString& unitName, const QString& position) {
  if (TscScript* s = LineHookScript()) s->FOnRunLine(*s, unitName, position);
}

void TscScript::Terminate() {
  FExitCalled = true;
  FTerminated = true;
  for (const Entry& e : FItems)
    if (auto* proc = dynamic_cast<TscProcVariable*>(e.item)) proc->Program()->Terminate();
}

// --- calling script functions ---

ScriptValue TscScript::CallFunction2(TscProcVariable* proc, const ScriptValue& args) {
  if (!proc) return ScriptValue::Null();
  std::vector<ScriptValue> values = argumentsOf(args);
  RunGuard running(MainProgram());
  return proc->Invoke(values.data(), int(values.size()));
}

TscProcVariable* TscScript::findLocalProc(const QString& name) {
  if (FCallCacheVersion != FVersion || FCallCacheName != name) {
    FCallCacheProc = dynamic_cast<TscProcVariable*>(FindLocal(name));
    FCallCacheName = name;
    FCallCacheVersion = FVersion;
  }
  return FCallCacheProc;
}

ScriptValue TscScript::CallFunction(const QString& name, const ScriptValue& args, bool global) {
  TscProcVariable* proc = global ? dynamic_cast<TscProcVariable*>(Find(name)) : findLocalProc(name);
  if (!proc) return ScriptValue::Null();
  if (args.IsEmptyOrNull()) {
    RunGuard running(MainProgram());
    return proc->Invoke(nullptr, 0);
  }
  return CallFunction2(proc, args);
}

ScriptValue TscScript::CallFunction1(const QString& name, ScriptValue& args, bool global) {
  auto* proc = dynamic_cast<TscProcVariable*>(global ? Find(name) : FindLocal(name));
  if (!proc) return ScriptValue::Null();
  std::vector<ScriptValue> values = argumentsOf(args);
  std::vector<ScriptValue> params;
  ScriptValue result;
  {
    RunGuard running(MainProgram());
    result = proc->Invoke(values.data(), int(values.size()), &params);
  }
  // Only as many values as both the argument array and the parameter list hold.
  if (args.IsArray() && args.ArrayDimCount() == 1) {
    ArrayBound b = args.ArrayBounds(0);
    for (std::size_t i = 0; i < params.size() && b.low + std::int64_t(i) <= b.high; ++i)
      args.ArraySet({b.low + int(i)}, params[i]);
  }
  return result;
}

// --- variables ---

ScriptValue TscScript::Variable(const QString& name) const {
  TscCustomVariable* v = Find(name);
  return v ? v->GetValue() : ScriptValue::Null();
}

void TscScript::SetVariable(const QString& name, const ScriptValue& value) {
  if (TscCustomVariable* v = Find(name))
    v->SetValue(value);
  else
    AddVariable(name, QStringLiteral("Variant"), value);
}
