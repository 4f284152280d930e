#include "report/binding/script_run_limits.h"

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "script_engine/front/script_error.h"

namespace {

// The clock is read once in this many statements: often enough for a tenth of a second.
constexpr qint64 kStepsPerClockCheck = 1024;
// While a script runs this long without returning, the program looks at its events (so the
// preview's Cancel can be pressed) every this many milliseconds.
constexpr qint64 kPollMs = 100;

}  // namespace

TrpScriptRunLimits::Scope::Scope(TrpScriptRunLimits& limits) : FLimits(limits) {
  if (FLimits.FDepth++ > 0) return;
  FLimits.FSteps = 0;
  FLimits.FLastPoll = 0;
}

TrpScriptRunLimits::Scope::~Scope() { --FLimits.FDepth; }

void TrpScriptRunLimits::Step() {
  if (FDepth == 0) return;  // a script run by the program itself, not by the report
  // The clock starts with the first statement: most expressions a report evaluates read a field
  // or a variable and run none.
  if (++FSteps == 1) FClock.start();
  const qint64 limit = FReport.ScriptStepLimit();
  if (limit > 0 && FSteps > limit)
    throw ScriptError(QStringLiteral("The script was stopped after %1 statements (the report's limit)").arg(limit));
  if (FSteps % kStepsPerClockCheck == 0) CheckClock();
}

void TrpScriptRunLimits::CheckClock() {
  const qint64 elapsed = FClock.elapsed();
  const double timeout = FReport.ScriptTimeout();
  if (timeout > 0 && elapsed > timeout * 1000)
    throw ScriptError(QStringLiteral("The script was stopped after running for %1 s (the report's time limit)")
                          .arg(timeout));
  if (elapsed - FLastPoll < kPollMs) return;
  FLastPoll = elapsed;
  // The user's Cancel sets Terminated while the events are looked at; a script's own
  // Report.Terminated := True is not a cancel.
  if (FReport.Terminated()) return;
  const TrpCustomPreviewPages* pages = FReport.PreviewPages();
  FReport.InternalOnProgress(ptRunning, pages ? pages->GetCount() : 0);
  if (FReport.Terminated()) throw ScriptError(QStringLiteral("The script was stopped: the preparation was cancelled"));
}
