// try ... finally and try ... except.
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"

namespace {

// The finally part runs with the exit, break and continue flags cleared, whatever the protected
// part set; afterwards the saved flags come back, joined by any the finally part set itself.
class FinallyFlags {
 public:
  explicit FinallyFlags(TscScript* s)
      : FScript(s), FExit(s->FExitCalled), FBreak(s->FBreakCalled),
        FContinue(s->FContinueCalled) {
    s->FExitCalled = s->FBreakCalled = s->FContinueCalled = false;
  }
  ~FinallyFlags() {
    FScript->FExitCalled = FScript->FExitCalled || FExit;
    FScript->FBreakCalled = FScript->FBreakCalled || FBreak;
    FScript->FContinueCalled = FScript->FContinueCalled || FContinue;
  }
  FinallyFlags(const FinallyFlags&) = delete;
  FinallyFlags& operator=(const FinallyFlags&) = delete;

 private:
  TscScript* FScript;
  bool FExit, FBreak, FContinue;
};

}  // namespace

TscTryStmt::TscTryStmt(TscScript* program, const QString& sourcePos, const QString& unitName)
    : TscStatement(program, sourcePos, unitName),
      FExceptStmt(std::make_unique<TscStatement>(program, sourcePos, unitName)) {}

void TscTryStmt::Execute() {
  if (!StartLine()) return;
  if (!FIsExcept) {
    try {
      ExecuteList();
    } catch (...) {
      FinallyFlags flags(FProgram);
      FExceptStmt->Execute();
      throw;
    }
    FinallyFlags flags(FProgram);
    FExceptStmt->Execute();
    return;
  }
  try {
    ExecuteList();
  } catch (const ScriptError& e) {
    FProgram->SetVariable(QStringLiteral("ExceptionClassName"), ScriptValue("Exception"));
    FProgram->SetVariable(QStringLiteral("ExceptionMessage"), ScriptValue(e.Message()));
    FExceptStmt->Execute();
  }
}
