#pragma once
// Statements. A statement is also a statement list: its items are its body, run in order while
// the program is not terminated, stopping after an item that set the break, continue or exit flag.
// Loops call the line hook at every round, so a host can cancel even an empty endless loop.
#include <QString>

#include <memory>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/variables.h"

class TscCustomExpression;
class TscDesignator;
class TscExpression;
class TscScript;
class TscSetExpression;
class TscStringVariable;

class TscStatement : public TscItemList {
 public:
  TscStatement(TscScript* program, const QString& sourcePos = {}, const QString& unitName = {});
  // Runs the items.
  virtual void Execute();
  void Add(TscStatement* statement) { AddItem(statement); }  // takes ownership
  TscStatement* Statement(int index) const { return static_cast<TscStatement*>(Item(index)); }
  // Runs the items of this list itself, without the virtual Execute: what Execute does for a
  // plain statement list (a procedure's body, an else part).
  [[gnu::always_inline]] void ExecuteList() {
    const auto first = FItems.begin();
    const auto end = FItems.end();
    if (first == end || FProgram->FTerminated) return;
    // The flags after the last item are the caller's to test, so a list of one statement
    // (most bodies and branches) runs it and returns, keeping nothing else across the call.
    if (first + 1 == end)
      Run(static_cast<TscStatement*>(*first));
    else
      executeItems();
  }

  TscScript* FProgram;
  QString FSourcePos;
  QString FUnitName;

 protected:
  // Inline, as every statement calls them.
  void RunLine() {
    if (TscScript* s = FProgram->LineHookScript()) s->FOnRunLine(*s, FUnitName, FSourcePos);
  }
  // The line hook before a statement runs; false when the statement is not to run, as the hook
  // terminated the program. The list running the statement tested termination just before, so
  // without a hook there is nothing new to test.
  bool StartLine() {
    TscScript* s = FProgram->LineHookScript();
    if (!s) return true;
    s->FOnRunLine(*s, FUnitName, FSourcePos);
    return !Terminated();
  }
  bool Terminated() const { return FProgram->FTerminated; }
  // ExecuteList for two items and more.
  [[gnu::noinline]] void executeItems();
  // Runs an item of the list. The innermost list an error leaves tells it the statement it
  // came from.
  static void Run(TscStatement* statement) {
    try {
      statement->Execute();
    } catch (ScriptError& e) {
      if (e.RunPosition().isEmpty() && !statement->FSourcePos.isEmpty())
        e.SetRunPosition(statement->FSourcePos, statement->FUnitName);
      throw;
    }
  }
  // The body stopped the loop (break or exit, or termination); continue is cleared.
  bool LoopStopped();
};

class TscAssignmentStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
  // Takes ownership of both; a plain variable target and a single-operand expression are then
  // used directly (FVar, FExpr).
  void SetParts(TscDesignator* designator, TscCustomVariable* expression);

  std::unique_ptr<TscDesignator> FDesignator;
  std::unique_ptr<TscCustomVariable> FExpression;
  TscCustomVariable* FVar = nullptr;   // the target
  TscCustomVariable* FExpr = nullptr;  // the value
  TscStringVariable* FStringTarget = nullptr;  // the target, when it is a String variable

 protected:
  // The target's new value from its old one and the expression's value.
  virtual ScriptValue Combine(const ScriptValue& old, const ScriptValue& value);
  // A compound assignment that can change the target in place does so and returns true.
  virtual bool AppendInPlace(ScriptValue& old, const ScriptValue& value) { (void)old, (void)value; return false; }
  // target := Combine(target, value), the target read first: the compound assignments' Execute.
  void ExecuteCompound();
};

// target := target + value, with integer sums and text appends taken without a detour.
class TscAssignPlusStmt : public TscAssignmentStmt {
 public:
  using TscAssignmentStmt::TscAssignmentStmt;
  void Execute() override;
 protected:
  ScriptValue Combine(const ScriptValue& old, const ScriptValue& value) override;
  bool AppendInPlace(ScriptValue& old, const ScriptValue& value) override;
 private:
  bool appendStored();
};
class TscAssignMinusStmt : public TscAssignmentStmt {
 public:
  using TscAssignmentStmt::TscAssignmentStmt;
  void Execute() override { ExecuteCompound(); }
 protected:
  ScriptValue Combine(const ScriptValue& old, const ScriptValue& value) override;
};
class TscAssignMulStmt : public TscAssignmentStmt {
 public:
  using TscAssignmentStmt::TscAssignmentStmt;
  void Execute() override { ExecuteCompound(); }
 protected:
  ScriptValue Combine(const ScriptValue& old, const ScriptValue& value) override;
};
class TscAssignDivStmt : public TscAssignmentStmt {
 public:
  using TscAssignmentStmt::TscAssignmentStmt;
  void Execute() override { ExecuteCompound(); }
 protected:
  ScriptValue Combine(const ScriptValue& old, const ScriptValue& value) override;
};

// The assignment the compiler makes for  target := expression  with a written modifier ('+',
// '-', '*', '/' or a null QChar for none). Without one the expression may optimise itself into a
// compound assignment (a := a + x runs as a += x).
TscAssignmentStmt* scCreateAssignment(TscScript* program, TscDesignator* target,
                                      TscExpression* expression, QChar modifier = QChar(),
                                      const QString& sourcePos = {}, const QString& unitName = {});

// A designator run for its effect; with FModificator "+" or "-" an increment or decrement by 1.
class TscCallStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
  std::unique_ptr<TscDesignator> FDesignator;
  QString FModificator;
};

class TscIfStmt : public TscStatement {
 public:
  TscIfStmt(TscScript* program, const QString& sourcePos = {}, const QString& unitName = {});
  void Execute() override;
  std::unique_ptr<TscCustomVariable> FCondition;
  std::unique_ptr<TscStatement> FElseStmt;

 private:
  TscCustomVariable* FConditionSource = nullptr;  // scValueSource of FConditionOf
  const TscCustomVariable* FConditionOf = nullptr;
};

// One branch of a case statement: a set to test and its statements (the items).
class TscCaseSelector : public TscStatement {
 public:
  using TscStatement::TscStatement;
  std::unique_ptr<TscSetExpression> FSetExpression;
};

// Items are the case selectors.
class TscCaseStmt : public TscStatement {
 public:
  TscCaseStmt(TscScript* program, const QString& sourcePos = {}, const QString& unitName = {});
  void Execute() override;
  std::unique_ptr<TscCustomVariable> FCondition;
  std::unique_ptr<TscStatement> FElseStmt;
};

class TscRepeatStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
  std::unique_ptr<TscCustomVariable> FCondition;
  bool FInverseCondition = false;  // loop while the condition is true
};

class TscWhileStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
  std::unique_ptr<TscCustomVariable> FCondition;
};

// for v := a to b (downto). The count is fixed before the first round and counted in 64 bits.
class TscForStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
  TscCustomVariable* FVariable = nullptr;
  std::unique_ptr<TscCustomVariable> FBeginValue;
  std::unique_ptr<TscCustomVariable> FEndValue;
  bool FDown = false;
};

// For v = a To b Step s. A step of 0 is a run-time error (it would never end).
class TscVbForStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
  TscCustomVariable* FVariable = nullptr;
  std::unique_ptr<TscCustomVariable> FBeginValue;
  std::unique_ptr<TscCustomVariable> FEndValue;
  std::unique_ptr<TscCustomVariable> FStep;  // null: 1
};

class TscCppForStmt : public TscStatement {
 public:
  TscCppForStmt(TscScript* program, const QString& sourcePos = {}, const QString& unitName = {});
  void Execute() override;
  std::unique_ptr<TscStatement> FFirstStmt;
  std::unique_ptr<TscCustomVariable> FExpression;
  std::unique_ptr<TscStatement> FSecondStmt;
};

// try ... finally / try ... except: the items are the protected part.
class TscTryStmt : public TscStatement {
 public:
  TscTryStmt(TscScript* program, const QString& sourcePos = {}, const QString& unitName = {});
  void Execute() override;
  bool FIsExcept = false;
  std::unique_ptr<TscStatement> FExceptStmt;  // the handler or the finally part
};

class TscBreakStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
};
class TscContinueStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
};
class TscExitStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
};

// Entry of a with statement: stores the designator's value in its hidden variable.
class TscWithStmt : public TscStatement {
 public:
  using TscStatement::TscStatement;
  void Execute() override;
  std::unique_ptr<TscDesignator> FDesignator;
  TscCustomVariable* FVariable = nullptr;
};
