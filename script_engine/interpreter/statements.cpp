// Statement lists and the simple statements: assignments, calls, if, case, break, continue,
// exit, with.
#include "script_engine/interpreter/statements.h"

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/expression_nodes.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/value_ops.h"
#include "script_engine/interpreter/variables.h"

TscStatement::TscStatement(TscScript* program, const QString& sourcePos, const QString& unitName)
    : FProgram(program), FSourcePos(sourcePos), FUnitName(unitName) {}

void TscStatement::Execute() { ExecuteList(); }

void TscStatement::executeItems() {
  TscScript* p = FProgram;
  for (auto item = FItems.begin(), end = FItems.end();;) {
    Run(static_cast<TscStatement*>(*item));
    if (++item == end) return;
    // Break, continue or exit stop the list here; termination too, as it would before the next
    // item.
    if (p->AnyRunFlag()) return;
  }
}

bool TscStatement::LoopStopped() {
  TscScript* p = FProgram;
  if (p->FBreakCalled || p->FExitCalled || p->FTerminated) return true;
  p->FContinueCalled = false;
  return false;
}

// --- assignments ---

void TscAssignmentStmt::SetParts(TscDesignator* designator, TscCustomVariable* expression) {
  FDesignator.reset(designator);
  FExpression.reset(expression);
  FVar = designator && designator->FKind == dkVariable ? designator->FRef1 : designator;
  FStringTarget = dynamic_cast<TscStringVariable*>(FVar);
  FExpr = expression;
  // The expression's own GetValue only reads its root: the root is read directly.
  if (auto* e = dynamic_cast<TscExpression*>(expression)) {
    TscCustomVariable* single = e->SingleItem();
    FExpr = single ? single : e->Root();
  }
}

void TscAssignmentStmt::Execute() {
  if (!StartLine()) return;
  FVar->Store(FExpr->ReadValue());
}

void TscAssignmentStmt::ExecuteCompound() {
  if (!StartLine()) return;
  // The target is read before the value, as in  a := a + x.
  ScriptValue old = FVar->ReadValue();
  const ScriptValue value = FExpr->ReadValue();
  if (AppendInPlace(old, value)) return;
  FVar->TakeValue(Combine(old, value));
}

ScriptValue TscAssignmentStmt::Combine(const ScriptValue&, const ScriptValue& value) {
  return value;
}

// s := s + text on a plain String variable appends to the variable's own buffer, so building a
// text by appending costs linear time instead of copying the whole text at every step. Taken
// only while the variable still holds the text read before the value was computed, so the
// target is still read first.
bool TscAssignPlusStmt::AppendInPlace(ScriptValue& old, const ScriptValue& value) {
  TscStringVariable* target = FStringTarget;
  if (!target || target->FIsReadOnly || target->FOnGetVarValue || !value.IsString()) return false;
  ScriptValue& stored = target->StoredValue();
  if (!stored.SharesStringWith(old)) return false;
  old = ScriptValue();  // the variable's buffer is now its own
  stored.AppendString(value);
  return true;
}

// s := s + x where x is a constant or a plain variable: reading x cannot change s, so the order
// of the reads does not matter and x's text is appended straight from where it is stored,
// without copying either text.
bool TscAssignPlusStmt::appendStored() {
  TscStringVariable* target = FStringTarget;
  if (!target || target->FIsReadOnly || !target->ReadsStorage() || !FExpr->ReadsStorage())
    return false;
  ScriptValue& stored = target->StoredValue();
  const ScriptValue& value = FExpr->StoredValue();
  if (!stored.IsString() || !value.IsString()) return false;
  stored.AppendString(value);
  return true;
}

namespace {
bool bothInt(const ScriptValue& a, const ScriptValue& b) {
  return a.Kind() == ValueKind::Integer && b.Kind() == ValueKind::Integer;
}
ScriptValue fromInt64(std::int64_t v) {
  return v >= INT32_MIN && v <= INT32_MAX ? ScriptValue(static_cast<int>(v)) : ScriptValue(v);
}
}  // namespace

void TscAssignPlusStmt::Execute() {
  if (!StartLine() || appendStored()) return;
  ScriptValue old = FVar->ReadValue();
  const ScriptValue value = FExpr->ReadValue();
  if (bothInt(old, value)) {
    int sum;
    if (!__builtin_add_overflow(old.ToInt32(), value.ToInt32(), &sum))
      FVar->Store(ScriptValue(sum));
    else
      FVar->TakeValue(ScriptValue(std::int64_t(old.ToInt32()) + value.ToInt32()));
    return;
  }
  if (AppendInPlace(old, value)) return;
  FVar->TakeValue(ValueOps::Add(old, value));
}

ScriptValue TscAssignPlusStmt::Combine(const ScriptValue& old, const ScriptValue& value) {
  if (bothInt(old, value)) return fromInt64(std::int64_t(old.ToInt32()) + value.ToInt32());
  return ValueOps::Add(old, value);
}

ScriptValue TscAssignMinusStmt::Combine(const ScriptValue& old, const ScriptValue& value) {
  if (bothInt(old, value)) return fromInt64(std::int64_t(old.ToInt32()) - value.ToInt32());
  return ValueOps::Subtract(old, value);
}

ScriptValue TscAssignMulStmt::Combine(const ScriptValue& old, const ScriptValue& value) {
  if (bothInt(old, value)) return fromInt64(std::int64_t(old.ToInt32()) * value.ToInt32());
  return ValueOps::Multiply(old, value);
}

ScriptValue TscAssignDivStmt::Combine(const ScriptValue& old, const ScriptValue& value) {
  if (scIsZeroDivisor(value))
    throw ScriptError(QStringLiteral("Floating point division by zero"));
  return ValueOps::Divide(old, value);
}

TscAssignmentStmt* scCreateAssignment(TscScript* program, TscDesignator* target,
                                      TscExpression* expression, QChar modifier,
                                      const QString& sourcePos, const QString& unitName) {
  if (modifier.isNull()) modifier = expression->Optimize(target);
  TscAssignmentStmt* s;
  switch (modifier.unicode()) {
    case '+': s = new TscAssignPlusStmt(program, sourcePos, unitName); break;
    case '-': s = new TscAssignMinusStmt(program, sourcePos, unitName); break;
    case '*': s = new TscAssignMulStmt(program, sourcePos, unitName); break;
    case '/': s = new TscAssignDivStmt(program, sourcePos, unitName); break;
    default: s = new TscAssignmentStmt(program, sourcePos, unitName);
  }
  s->SetParts(target, expression);
  return s;
}

// --- calls ---

void TscCallStmt::Execute() {
  if (!StartLine()) return;
  if (FModificator.isEmpty()) {
    FDesignator->Evaluate(false);
    return;
  }
  ScriptValue one(1);
  ScriptValue v = FDesignator->GetValue();
  FDesignator->SetValue(FModificator == QLatin1String("-") ? ValueOps::Subtract(v, one)
                                                           : ValueOps::Add(v, one));
}

// --- branches ---

TscIfStmt::TscIfStmt(TscScript* program, const QString& sourcePos, const QString& unitName)
    : TscStatement(program, sourcePos, unitName),
      FElseStmt(std::make_unique<TscStatement>(program, sourcePos, unitName)) {}

void TscIfStmt::Execute() {
  if (!StartLine()) return;
  // The condition's source is found once (and again should the condition be replaced).
  if (FConditionOf != FCondition.get()) {
    FConditionSource = scValueSource(FCondition.get());
    FConditionOf = FCondition.get();
  }
  if (FConditionSource->IsTrue())
    ExecuteList();
  else
    FElseStmt->ExecuteList();
}

TscCaseStmt::TscCaseStmt(TscScript* program, const QString& sourcePos, const QString& unitName)
    : TscStatement(program, sourcePos, unitName),
      FElseStmt(std::make_unique<TscStatement>(program, sourcePos, unitName)) {}

void TscCaseStmt::Execute() {
  if (!StartLine()) return;
  ScriptValue selector = FCondition->GetValue();
  for (TscItemList* item : FItems) {
    auto* branch = static_cast<TscCaseSelector*>(item);
    if (branch->FSetExpression->Check(selector)) {
      branch->Execute();
      return;
    }
  }
  FElseStmt->Execute();
}

// --- jumps ---

void TscBreakStmt::Execute() { FProgram->FBreakCalled = true; }
void TscContinueStmt::Execute() { FProgram->FContinueCalled = true; }

void TscExitStmt::Execute() {
  RunLine();
  FProgram->FExitCalled = true;
}

void TscWithStmt::Execute() { FVariable->SetValue(FDesignator->GetValue()); }
