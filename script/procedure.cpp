// Calls of script procedures and functions.
#include "script/procedure.h"

#include <pthread.h>

#include <algorithm>
#include <memory>
#include <new>

#include "script/script.h"
#include "script/script_error.h"
#include "script/statements.h"

namespace {

// The depth of script calls on this thread and the lowest address of its stack (found at the
// first call), together so that a call finds both at one thread-local address.
struct CallState {
  int depth = 0;
  const char* stackLow = nullptr;
};
thread_local CallState tCalls;

// Stack kept free below the deepest script call, for the host code a call may still run.
constexpr std::ptrdiff_t kStackReserve = 256 * 1024;

// The lowest address of this thread's stack (stacks grow downwards here), found once.
[[gnu::noinline]] const char* findStackLow() {
  pthread_attr_t attributes;
  void* address = nullptr;
  std::size_t size = 0;
  if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
    pthread_attr_getstack(&attributes, &address, &size);
    pthread_attr_destroy(&attributes);
  }
  tCalls.stackLow = static_cast<const char*>(address);
  return tCalls.stackLow;
}

bool stackNearlyFull(const CallState& calls) {
  const char* low = calls.stackLow ? calls.stackLow : findStackLow();
  char here = 0;
  return low && &here - low < kStackReserve;
}

[[noreturn, gnu::noinline]] void throwNestedTooDeep(bool limitReached) {
  if (limitReached)
    throw ScriptError(QStringLiteral("Stack overflow: script calls nested more than %1 deep")
                          .arg(TscProcVariable::kMaxCallDepth));
  throw ScriptError(QStringLiteral("Stack overflow: script calls nested too deeply"));
}

// Counts one level of script calls for as long as it lives. Besides the fixed limit, a thread
// with a small stack stops calls before its stack runs out.
class DepthGuard {
 public:
  DepthGuard() : FCalls(tCalls) {
    if (FCalls.depth >= TscProcVariable::kMaxCallDepth) throwNestedTooDeep(true);
    if (stackNearlyFull(FCalls)) throwNestedTooDeep(false);
    ++FCalls.depth;
  }
  ~DepthGuard() { --FCalls.depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  CallState& FCalls;
};

}  // namespace

int scCallDepth() { return tCalls.depth; }

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

// Only a running procedure lays out its frame (a recursive call asks for it), so the old
// layout may be held by the saved frames of calls further up: it is retired, not freed.
void TscProcVariable::layFrame() {
  auto frame = std::make_unique<Frame>();
  for (int i = 0; i < Count(); ++i) frame->values.push_back(&Param(i)->StoredValue());
  frame->parameters = frame->values.size();
  if (FIsFunc && FRefItem) frame->values.push_back(&FRefItem->StoredValue());
  frame->replaced = frame->values.size();
  for (int i = 0; i < FProgram->Count(); ++i) {
    TscCustomVariable* v = FProgram->Items(i);
    if (!dynamic_cast<TscVariable*>(v) && !dynamic_cast<TscParamItem*>(v)) continue;
    ScriptValue* value = &v->StoredValue();
    if (std::find(frame->values.begin(), frame->values.end(), value) == frame->values.end())
      frame->values.push_back(value);
  }
  FRetiredFrames.push_back(std::move(FFrame));
  FFrame = std::move(frame);
  FFrameVersion = FProgram->Version();
}

inline const TscProcVariable::Frame& TscProcVariable::frame() {
  if (FFrameVersion != FProgram->Version()) layFrame();
  return *FFrame;
}

// The caller's locals during a recursive call: put aside (up to eight on the C++ stack, so a
// call allocates nothing) and put back when the inner call ends, whatever happens. Every other
// local is copied, as a local keeps its value until assigned, so the inner call starts from the
// caller's values. The parameters and "Result" are moved out and receive the arguments and no
// value in one step; parameters left without an argument get their defaults afterwards.
class TscProcVariable::SavedFrame {
 public:
  // Saves nothing when frame is null (the procedure is not running yet).
  [[gnu::always_inline]] SavedFrame(const Frame* frame, ScriptValue* args, int count)
      : FFrame(frame) {
    if (frame) save(*frame, args, count);
  }
  [[gnu::always_inline]] ~SavedFrame() {
    if (FFrame) restore();
  }
  SavedFrame(const SavedFrame&) = delete;
  SavedFrame& operator=(const SavedFrame&) = delete;
  bool Active() const { return FFrame != nullptr; }

 private:
  [[gnu::always_inline]] void save(const Frame& frame, ScriptValue* args, int count) {
    const std::size_t n = frame.values.size();
    FSaved = reinterpret_cast<ScriptValue*>(FLocal);
    if (n > kLocal) {
      FHeap.reset(new unsigned char[n * sizeof(ScriptValue)]);
      FSaved = reinterpret_cast<ScriptValue*>(FHeap.get());
    }
    ScriptValue* const* values = frame.values.data();
    for (std::size_t i = frame.replaced; i < n; ++i) new (FSaved + i) ScriptValue(*values[i]);
    const std::size_t arguments = std::min(std::size_t(std::max(count, 0)), frame.parameters);
    std::size_t i = 0;
    for (; i < arguments; ++i) {
      ScriptValue::Relocate(FSaved + i, values[i]);
      new (values[i]) ScriptValue(std::move(args[i]));
    }
    for (; i < frame.replaced; ++i) {
      ScriptValue::Relocate(FSaved + i, values[i]);
      new (values[i]) ScriptValue();
    }
  }
  // Each saved value goes back into its slot as it is; the saved storage is then raw.
  [[gnu::always_inline]] void restore() {
    const std::size_t n = FFrame->values.size();
    ScriptValue* const* values = FFrame->values.data();
    for (std::size_t i = 0; i < n; ++i) {
      values[i]->~ScriptValue();
      ScriptValue::Relocate(values[i], FSaved + i);
    }
  }

  static constexpr std::size_t kLocal = 8;
  const Frame* FFrame;
  ScriptValue* FSaved = nullptr;
  alignas(ScriptValue) unsigned char FLocal[kLocal * sizeof(ScriptValue)];
  std::unique_ptr<unsigned char[]> FHeap;  // the storage when there are more than kLocal
};

// One running call of a procedure, for as long as it lives: the procedure is marked executing,
// its local script is the main program's running one, and the local run flags are cleared, all
// put back when the call ends. Termination is never undone: a terminated script stays
// terminated for the caller.
class TscProcVariable::Activation {
 public:
  explicit Activation(TscProcVariable* proc)
      : FProc(proc), FLocal(proc->FProgram),
        FMain(FLocal->FParent ? FLocal->FParent->MainProgram() : nullptr),
        FWasRunning(FMain ? FMain->FProgRunning : nullptr), FFlags(*FLocal),
        FWasExecuting(proc->FExecuting), FIsRunning(FLocal->FIsRunning) {
    proc->FExecuting = true;
    if (FMain) FMain->FProgRunning = FLocal;
    static_cast<TscRunFlags&>(*FLocal) = TscRunFlags();
    FLocal->FIsRunning = true;
  }
  ~Activation() {
    const bool terminated = FLocal->FTerminated;
    static_cast<TscRunFlags&>(*FLocal) = FFlags;
    FLocal->FTerminated = FFlags.FTerminated || terminated;
    FLocal->FIsRunning = FIsRunning;
    if (FMain) FMain->FProgRunning = FWasRunning;
    FProc->FExecuting = FWasExecuting;
  }
  Activation(const Activation&) = delete;
  Activation& operator=(const Activation&) = delete;

 private:
  TscProcVariable* FProc;
  TscScript* FLocal;
  TscScript* FMain;
  TscScript* FWasRunning;
  TscRunFlags FFlags;
  bool FWasExecuting, FIsRunning;
};

// Parameters are plain parameter items: their TakeValue is a move, called without dispatch.
// Those from `from` on are set; a parameter without an argument gets its default value.
inline void TscProcVariable::setParameters(ScriptValue* args, int count, int from) {
  const int n = Count();
  for (int i = from; i < n; ++i) {
    TscParamItem* p = Param(i);
    if (i < count)
      p->TakeValue(std::move(args[i]));
    else
      p->SetValue(p->FDefValue);
  }
}

[[gnu::always_inline]] inline ScriptValue TscProcVariable::run(bool resultCleared) {
  {
    Activation activation(this);
    if (FIsFunc && FRefItem && !resultCleared) FRefItem->StoredValue() = ScriptValue();
    // The body is a plain statement list: its items run without the virtual Execute.
    FProgram->Statement()->ExecuteList();
  }
  if (!FIsFunc || !FRefItem) return ScriptValue::Null();
  // "Result" is cleared at the next entry anyway: its value is moved out rather than copied.
  if (FRefItem->ReadsStorage()) return std::move(FRefItem->StoredValue());
  return FRefItem->GetValue();
}

// The body run, and every parameter's final value given to paramsOut (when asked), taken before
// a recursive caller's locals come back.
[[gnu::always_inline]] inline ScriptValue TscProcVariable::runAndCollect(
    std::vector<ScriptValue>* paramsOut, bool resultCleared) {
  ScriptValue result = run(resultCleared);
  if (paramsOut) {
    const int n = Count();
    paramsOut->resize(std::size_t(n));
    for (int i = 0; i < n; ++i) (*paramsOut)[std::size_t(i)] = Param(i)->StoredValue();
  }
  return result;
}

ScriptValue TscProcVariable::GetValue() {
  DepthGuard depth;
  return run();
}

ScriptValue TscProcVariable::Invoke(ScriptValue* args, int count,
                                    std::vector<ScriptValue>* paramsOut) {
  DepthGuard depth;
  // Saved frames exist only while the procedure runs: at an outermost call none can hold a
  // retired layout.
  if (!FExecuting && !FRetiredFrames.empty()) FRetiredFrames.clear();
  // A recursive call: the caller's locals are put back when this call ends. The layout is taken
  // once and stays alive until then, so saving and restoring always match.
  SavedFrame saved(FExecuting ? &frame() : nullptr, args, count);
  setParameters(args, count, saved.Active() ? count : 0);
  return runAndCollect(paramsOut, saved.Active());
}
