// Calls of script procedures and functions.
#include "script/procedure.h"

#include <pthread.h>

#include <new>

#include "script/script.h"
#include "script/script_error.h"
#include "script/statements.h"

namespace {

thread_local int tCallDepth = 0;
thread_local const char* tStackLow = nullptr;

// Stack kept free below the deepest script call, for the host code a call may still run.
constexpr std::ptrdiff_t kStackReserve = 256 * 1024;

// The lowest address of this thread's stack (stacks grow downwards here).
const char* stackLow() {
  if (!tStackLow) {
    pthread_attr_t attributes;
    void* address = nullptr;
    std::size_t size = 0;
    if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
      pthread_attr_getstack(&attributes, &address, &size);
      pthread_attr_destroy(&attributes);
    }
    tStackLow = static_cast<const char*>(address);
  }
  return tStackLow;
}

bool stackNearlyFull() {
  const char* low = stackLow();
  char here = 0;
  return low && &here - low < kStackReserve;
}

// Counts one level of script calls for as long as it lives. Besides the fixed limit, a thread
// with a small stack stops calls before its stack runs out.
class DepthGuard {
 public:
  DepthGuard() {
    if (tCallDepth >= TscProcVariable::kMaxCallDepth)
      throw ScriptError(QStringLiteral("Stack overflow: script calls nested more than %1 deep")
                            .arg(TscProcVariable::kMaxCallDepth));
    if (stackNearlyFull())
      throw ScriptError(QStringLiteral("Stack overflow: script calls nested too deeply"));
    ++tCallDepth;
  }
  ~DepthGuard() { --tCallDepth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
};

// The run flags of one script, saved at a procedure's entry and put back when it returns.
// Termination is never undone: a terminated script stays terminated for the caller.
class FlagsGuard {
 public:
  explicit FlagsGuard(TscScript* s)
      : FScript(s), FRunning(s->FIsRunning), FExit(s->FExitCalled), FBreak(s->FBreakCalled),
        FContinue(s->FContinueCalled), FTerminated(s->FTerminated) {
    s->FExitCalled = s->FBreakCalled = s->FContinueCalled = s->FTerminated = false;
    s->FIsRunning = true;
  }
  ~FlagsGuard() {
    FScript->FTerminated = FTerminated || FScript->FTerminated;
    FScript->FIsRunning = FRunning;
    FScript->FExitCalled = FExit;
    FScript->FBreakCalled = FBreak;
    FScript->FContinueCalled = FContinue;
  }
  FlagsGuard(const FlagsGuard&) = delete;
  FlagsGuard& operator=(const FlagsGuard&) = delete;

 private:
  TscScript* FScript;
  bool FRunning, FExit, FBreak, FContinue, FTerminated;
};

}  // namespace

int scCallDepth() { return tCallDepth; }

TscProcVariable::TscProcVariable(const QString& name, TscVarType typ, const QString& typeName,
                                 TscScript* parent, bool isFunc)
    : TscCustomVariable(name, typ, typeName), FIsFunc(isFunc), FProgram(new TscScript(parent)) {
  FIsReadOnly = true;
  FProgram->FMainProg = false;
  if (parent) FProgram->FUseClassLateBinding = parent->FUseClassLateBinding;
  if (isFunc) {
    TscCustomVariable* result = TscScript::CreateVariable(QStringLiteral("Result"), typ, typeName);
    FProgram->Add(QStringLiteral("Result"), result);
    FRefItem = result;
  }
}

TscProcVariable::~TscProcVariable() {
  // The parameters are registered in the local script without being owned by it.
  delete FProgram;
}

TscParamItem* TscProcVariable::AddParameter(const QString& name, TscVarType typ,
                                            const QString& typeName, bool isVarParam,
                                            bool isOptional, const ScriptValue& defValue) {
  auto* p = new TscParamItem(name, typ, typeName, isOptional, isVarParam);
  p->FDefValue = defValue;
  AddParam(p);
  FProgram->Add(name, p, false);
  return p;
}

const std::vector<TscCustomVariable*>& TscProcVariable::frame() {
  if (FFrameVersion != FProgram->Version()) {
    FFrame.clear();
    for (int i = 0; i < FProgram->Count(); ++i) {
      TscCustomVariable* v = FProgram->Items(i);
      if (dynamic_cast<TscVariable*>(v) || dynamic_cast<TscParamItem*>(v)) FFrame.push_back(v);
    }
    FFrameVersion = FProgram->Version();
  }
  return FFrame;
}

namespace {

// The caller's locals during a recursive call: moved aside (up to eight on the C++ stack, so a
// call allocates nothing) and put back when the inner call ends, whatever happens. The values
// stay in the variables too, as copies, since a local keeps its value until assigned.
class SavedFrame {
 public:
  explicit SavedFrame(const std::vector<TscCustomVariable*>* vars) : FVars(vars) {
    if (!vars) return;
    const std::size_t n = vars->size();
    if (n > kLocal) {
      FHeap.reserve(n);
      for (TscCustomVariable* v : *vars) FHeap.push_back(v->StoredValue());
      return;
    }
    auto* local = reinterpret_cast<ScriptValue*>(FLocal);
    for (std::size_t i = 0; i < n; ++i) new (local + i) ScriptValue((*vars)[i]->StoredValue());
  }
  ~SavedFrame() {
    if (!FVars) return;
    const std::size_t n = FVars->size();
    ScriptValue* saved = n > kLocal ? FHeap.data() : reinterpret_cast<ScriptValue*>(FLocal);
    for (std::size_t i = 0; i < n; ++i) {
      (*FVars)[i]->StoredValue() = std::move(saved[i]);
      if (n <= kLocal) saved[i].~ScriptValue();
    }
  }
  SavedFrame(const SavedFrame&) = delete;
  SavedFrame& operator=(const SavedFrame&) = delete;

 private:
  static constexpr std::size_t kLocal = 8;
  const std::vector<TscCustomVariable*>* FVars;
  alignas(ScriptValue) unsigned char FLocal[kLocal * sizeof(ScriptValue)];
  std::vector<ScriptValue> FHeap;
};

}  // namespace

ScriptValue TscProcVariable::Invoke(ScriptValue* args, int count,
                                    std::vector<ScriptValue>* paramsOut) {
  DepthGuard depth;
  // A recursive call: the caller's locals are put back when this call ends. The frame list is
  // taken once, so saving and restoring always match.
  SavedFrame saved(FExecuting ? &frame() : nullptr);

  const int n = Count();
  for (int i = 0; i < n; ++i) {
    TscParamItem* p = Param(i);
    if (i < count)
      p->TakeValue(std::move(args[i]));
    else
      p->SetValue(p->FDefValue);
  }
  ScriptValue result = run();
  if (paramsOut) {
    paramsOut->resize(std::size_t(n));
    for (int i = 0; i < n; ++i) (*paramsOut)[std::size_t(i)] = Param(i)->StoredValue();
  }
  return result;
}

ScriptValue TscProcVariable::GetValue() {
  DepthGuard depth;
  return run();
}

ScriptValue TscProcVariable::run() {
  struct Executing {
    TscProcVariable* self;
    bool was;
    ~Executing() { self->FExecuting = was; }
  } executing{this, FExecuting};
  FExecuting = true;
  if (FIsFunc && FRefItem) FRefItem->StoredValue() = ScriptValue();

  TscScript* main = FProgram->Parent() ? FProgram->Parent()->MainProgram() : nullptr;
  struct Running {
    TscScript* main;
    TscScript* was;
    ~Running() {
      if (main) main->FProgRunning = was;
    }
  } running{main, main ? main->FProgRunning : nullptr};
  if (main) main->FProgRunning = FProgram;

  {
    FlagsGuard flags(FProgram);
    if (FProgram->Statement()) FProgram->Statement()->Execute();
  }
  if (!FIsFunc || !FRefItem) return ScriptValue::Null();
  // "Result" is cleared at the next entry anyway: its value is moved out rather than copied.
  if (FRefItem->ReadsStorage()) return std::move(FRefItem->StoredValue());
  return FRefItem->GetValue();
}
