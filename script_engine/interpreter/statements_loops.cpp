// Loops. Each round calls the line hook and honours termination, so no loop can keep the host
// from stopping it; break ends the loop, continue only the round, and break is cleared when the
// loop is left so it never reaches an enclosing loop.
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"
#include "script_engine/interpreter/value_ops.h"

void TscWhileStmt::Execute() {
  RunLine();
  while (!Terminated() && FCondition->IsTrue()) {
    ExecuteList();
    if (LoopStopped()) break;
    RunLine();
  }
  FProgram->FBreakCalled = false;
}

void TscRepeatStmt::Execute() {
  RunLine();
  while (!Terminated()) {
    ExecuteList();
    if (LoopStopped()) break;
    bool c = FCondition->IsTrue();
    if (FInverseCondition ? !c : c) break;
    RunLine();
  }
  FProgram->FBreakCalled = false;
}

// The bounds are taken once; the counter runs in 64 bits and the loop ends on reaching the end
// bound, so an end of the largest integer neither wraps around nor runs for ever. Changes the
// body makes to the variable do not change the count.
void TscForStmt::Execute() {
  if (!StartLine()) return;
  const bool wide = FVariable->FTyp == fvtInt64;
  const ScriptValue first = FBeginValue->GetValue();
  const ScriptValue last = FEndValue->GetValue();
  const std::int64_t a = wide ? first.ToInt64() : first.ToInt32();
  const std::int64_t b = wide ? last.ToInt64() : last.ToInt32();
  if (FDown ? a < b : a > b) return;
  for (std::int64_t i = a;;) {
    if (wide)
      FVariable->TakeValue(ScriptValue(i));
    else
      FVariable->Store(ScriptValue(int(i)));
    ExecuteList();
    if (LoopStopped() || i == b) break;
    i += FDown ? -1 : 1;
    RunLine();
  }
  FProgram->FBreakCalled = false;
}

void TscVbForStmt::Execute() {
  if (!StartLine()) return;
  ScriptValue counter = FBeginValue->GetValue();
  const ScriptValue last = FEndValue->GetValue();
  const ScriptValue step = FStep ? FStep->GetValue() : ScriptValue(1);
  const int direction = ValueOps::Compare(step, ScriptValue(0));
  if (direction == 0) throw ScriptError(QStringLiteral("For loop step must not be zero"));
  while (!Terminated()) {
    int c = ValueOps::Compare(counter, last);
    if (direction > 0 ? c > 0 : c < 0) break;
    FVariable->SetValue(counter);
    ExecuteList();
    if (LoopStopped()) break;
    // Integer counters widen instead of wrapping (see value_ops.h).
    counter = ValueOps::Add(counter, step);
    RunLine();
  }
  FProgram->FBreakCalled = false;
}

TscCppForStmt::TscCppForStmt(TscScript* program, const QString& sourcePos,
                             const QString& unitName)
    : TscStatement(program, sourcePos, unitName),
      FFirstStmt(std::make_unique<TscStatement>(program, sourcePos, unitName)),
      FSecondStmt(std::make_unique<TscStatement>(program, sourcePos, unitName)) {}

void TscCppForStmt::Execute() {
  if (!StartLine()) return;
  FFirstStmt->Execute();
  while (!Terminated() && (!FExpression || FExpression->IsTrue())) {
    ExecuteList();
    if (LoopStopped()) break;
    FSecondStmt->Execute();
    RunLine();
  }
  FProgram->FBreakCalled = false;
}
