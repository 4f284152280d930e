// Calls of script procedures and functions.
#include "script_engine/interpreter/procedure.h"

#include <pthread.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <new>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"

namespace {

// The depth of script calls on this thread and the address below which its stack is too full
// for another call, together so that a call finds both at one thread-local address. The limit
// is the highest address until the first call has found the stack, so that call takes the
// slow check.
struct CallState {
  int depth = 0;
  std::uintptr_t stackLimit = UINTPTR_MAX;
};
thread_local CallState tCalls;

// Stack kept free below the deepest script call, for the host code a call may still run.
constexpr std::uintptr_t kStackReserve = 256 * 1024;

// The lowest address of this thread's stack (stacks grow downwards here) plus the reserve; 0
// when the stack cannot be found (then only the depth limit applies).
std::uintptr_t findStackLimit() {
  pthread_attr_t attributes;
  void* address = nullptr;
  std::size_t size = 0;
  if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
    pthread_attr_getstack(&attributes, &address, &size);
    pthread_attr_destroy(&attributes);
  }
  return address ? reinterpret_cast<std::uintptr_t>(address) + kStackReserve : 0;
}

[[noreturn, gnu::noinline]] void throwNestedTooDeep(bool limitReached) {
  if (limitReached)
    throw ScriptError(QStringLiteral("Stack overflow: script calls nested more than %1 deep")
                          .arg(TscProcVariable::kMaxCallDepth));
  throw ScriptError(QStringLiteral("Stack overflow: script calls nested too deeply"));
}

// A call whose stack address lies below the known limit, or the first call of the thread.
[[gnu::noinline]] void checkStack(CallState& calls, std::uintptr_t here) {
  if (calls.stackLimit == UINTPTR_MAX) calls.stackLimit = findStackLimit();
  if (here < calls.stackLimit) throwNestedTooDeep(false);
}

// Counts one level of script calls for as long as it lives. Besides the fixed limit, a thread
// with a small stack stops calls before its stack runs out.
class DepthGuard {
 public:
  [[gnu::always_inline]] DepthGuard() : FCalls(tCalls) {
    if (FCalls.depth >= TscProcVariable::kMaxCallDepth) throwNestedTooDeep(true);
    char here = 0;
    const auto address = reinterpret_cast<std::uintptr_t>(&here);
    if (address < FCalls.stackLimit) checkStack(FCalls, address);
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
  FProgram->FProcedure = this;
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
  auto frame = std::make_unique<TscFrameLayout>();
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
  frame->count = frame->values.size();
  FRetiredFrames.push_back(std::move(FFrame));
  FFrame = std::move(frame);
  FFrameVersion = FProgram->Version();
}

// Running calls hold the layouts (the current and the retired ones) in their saved frames and
// put the caller's values back through them when they end. A removed variable's slot is
// pointed at a value of the layout's own instead, so that those values never go into a freed
// variable. A parameter stays the procedure's own and keeps its slot.
void TscProcVariable::LocalRemoved(TscCustomVariable* variable) {
  if (!FExecuting) return;
  for (int i = 0; i < Count(); ++i)
    if (Param(i) == variable) return;
  ScriptValue* slot = &variable->StoredValue();
  auto detach = [slot](TscFrameLayout& frame) {
    for (ScriptValue*& value : frame.values) {
      if (value != slot) continue;
      frame.detached.emplace_back();
      value = &frame.detached.back();
    }
  };
  detach(*FFrame);
  for (const std::unique_ptr<TscFrameLayout>& retired : FRetiredFrames) detach(*retired);
}

inline const TscFrameLayout& TscProcVariable::frame() {
  if (FFrameVersion != FProgram->Version()) layFrame();
  return *FFrame;
}

// One running call of a procedure, for as long as it lives: the procedure is marked executing,
// its local script is the main program's running one, and the local run flags are cleared, all
// put back when the call ends. Termination is never undone: a terminated script stays
// terminated for the caller. A recursive call finds the procedure marked and its local script
// running already and leaves both to the outermost call, whose main program it uses too. A
// local script without a main program above it stands for its own: it is then marked as
// running itself, which Evaluate reads as it reads no mark, and every call takes one path.
// A call from the procedure's own body finds its local script running and leaves that alone
// too.
template <TscCallKind Kind>
class TscProcVariable::Activation {
 public:
  static constexpr bool kRecursive = Kind != TscCallKind::Outermost;
  static constexpr bool kSetsRunning = Kind != TscCallKind::FromOwnBody;

  [[gnu::always_inline]] explicit Activation(TscProcVariable* proc)
      : FProc(proc), FLocal(proc->FProgram) {
    if (kRecursive) {
      FMain = proc->FActiveMain;
    } else {
      FMain = FLocal->FParent ? FLocal->FParent->MainProgram() : FLocal;
      proc->FActiveMain = FMain;
      proc->FExecuting = true;
      FIsRunning = FLocal->FIsRunning;
      FLocal->FIsRunning = true;
    }
    if (kSetsRunning) {
      FWasRunning = FMain->FProgRunning;
      FMain->FProgRunning = FLocal;
    }
    TscRunFlags& flags = *FLocal;
    FFlags = std::bit_cast<std::uint32_t>(flags);
    flags = TscRunFlags();
  }
  [[gnu::always_inline]] ~Activation() {
    TscRunFlags& flags = *FLocal;
    flags = std::bit_cast<TscRunFlags>(FFlags | (std::bit_cast<std::uint32_t>(flags) & kTerminated));
    if (kSetsRunning) FMain->FProgRunning = FWasRunning;
    if (!kRecursive) {
      FLocal->FIsRunning = FIsRunning;
      FProc->FExecuting = false;
    }
  }
  Activation(const Activation&) = delete;
  Activation& operator=(const Activation&) = delete;

 private:
  // The run flags as one word, and the bit of the termination flag in it.
  static constexpr std::uint32_t kTerminated =
      std::bit_cast<std::uint32_t>(TscRunFlags{true, false, false, false});
  TscProcVariable* FProc;
  TscScript* FLocal;
  TscScript* FMain = nullptr;
  TscScript* FWasRunning = nullptr;
  std::uint32_t FFlags;
  bool FIsRunning = false;
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

// Runs the body; a recursive call finds "Result" cleared already by the saved frame. The
// value is "Result", moved out, as it is cleared at the next entry anyway. paramsOut, when
// given, receives every parameter's final value, taken before a recursive caller's locals come
// back.
template <TscCallKind Kind>
[[gnu::always_inline]] inline ScriptValue TscProcVariable::run(
    std::vector<ScriptValue>* paramsOut) {
  TscCustomVariable* result = FIsFunc ? FRefItem : nullptr;
  {
    Activation<Kind> activation(this);
    if (Kind == TscCallKind::Outermost && result) result->StoredValue() = ScriptValue();
    // The body is a plain statement list: its items run without the virtual Execute.
    FProgram->Statement()->ExecuteList();
  }
  if (paramsOut) collectParameters(*paramsOut);
  if (!result) return ScriptValue::Null();
  if (result->ReadsStorage()) return std::move(result->StoredValue());
  return result->GetValue();
}

void TscProcVariable::collectParameters(std::vector<ScriptValue>& values) {
  const int n = Count();
  values.resize(std::size_t(n));
  for (int i = 0; i < n; ++i) values[std::size_t(i)] = Param(i)->StoredValue();
}

ScriptValue TscProcVariable::GetValue() {
  DepthGuard depth;
  if (!FExecuting) return run<TscCallKind::Outermost>(nullptr);
  // Runs again with the parameters as they are; only "Result" starts afresh.
  if (FIsFunc && FRefItem) FRefItem->StoredValue() = ScriptValue();
  return run<TscCallKind::Recursive>(nullptr);
}

// A recursive call: the caller's locals are put back when this call ends. The layout is taken
// once and stays alive until then, so saving and restoring always match.
template <std::size_t Slots, TscCallKind Kind>
[[gnu::always_inline]] inline ScriptValue TscProcVariable::recurse(
    const TscFrameLayout& layout, ScriptValue* args, int count,
    std::vector<ScriptValue>* paramsOut) {
  const std::size_t given = std::size_t(std::max(count, 0));
  const std::size_t arguments = std::min(given, layout.parameters);
  TscSavedFrame<Slots> saved(layout, args, arguments);
  if (arguments < layout.parameters) setParameters(args, count, int(arguments));
  return run<Kind>(paramsOut);
}

// Invoke, written once for both overloads; the one without paramsOut leaves out collecting.
// A recursive call into a frame of up to four slots takes the code made for its slot count.
// Kind is Recursive, or FromOwnBody for a call written in the procedure's own body.
template <TscCallKind Kind>
[[gnu::always_inline]] inline ScriptValue TscProcVariable::call(
    ScriptValue* args, int count, std::vector<ScriptValue>* paramsOut) {
  DepthGuard depth;
  if (FExecuting) {
    const TscFrameLayout& layout = frame();
    // A function of one parameter (that and "Result"), the commonest recursion, is asked for
    // first.
    if (layout.count == 2) [[likely]]
      return recurse<2, Kind>(layout, args, count, paramsOut);
    switch (layout.count) {
      case 1: return recurse<1, Kind>(layout, args, count, paramsOut);
      case 3: return recurse<3, Kind>(layout, args, count, paramsOut);
      case 4: return recurse<4, Kind>(layout, args, count, paramsOut);
      default: return recurse<0, Kind>(layout, args, count, paramsOut);
    }
  }
  // Saved frames exist only while the procedure runs: at an outermost call none can hold a
  // retired layout.
  if (!FRetiredFrames.empty()) FRetiredFrames.clear();
  setParameters(args, count);
  return run<TscCallKind::Outermost>(paramsOut);
}

ScriptValue TscProcVariable::Invoke(ScriptValue* args, int count) {
  return call<TscCallKind::Recursive>(args, count, nullptr);
}

ScriptValue TscProcVariable::Invoke(ScriptValue* args, int count,
                                    std::vector<ScriptValue>* paramsOut) {
  return call<TscCallKind::Recursive>(args, count, paramsOut);
}

ScriptValue TscProcVariable::Invoke1(ScriptValue* argument) {
  return call<TscCallKind::Recursive>(argument, 1, nullptr);
}

// A direct call in an expression. Defined with the calls, so that the call runs in this
// function's own frame: deep recursion then nests one C++ frame fewer per script call, which
// keeps the processor's prediction of returns working longer.
ScriptValue TscDirectCallNode::GetValue() {
  ScriptValue argument = FArgumentSource->ReadValue();
  return FProc->call<TscCallKind::Recursive>(&argument, 1, nullptr);
}

// The same, written in the function's own body: whenever it runs, the function's local script
// is the running one (see Activation).
ScriptValue TscOwnBodyCallNode::GetValue() {
  ScriptValue argument = FArgumentSource->ReadValue();
  return FProc->call<TscCallKind::FromOwnBody>(&argument, 1, nullptr);
}

TscDesignatorNode* scDirectCallNode(TscDesignator* designator) {
  if (designator->FCallProc->FProgram == designator->FProgram)
    return new TscOwnBodyCallNode(designator);
  return new TscDirectCallNode(designator);
}
