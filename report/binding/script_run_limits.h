#pragma once
// How long and how far a report's script may run at one go: a statement count and a time limit
// (both off unless the program sets them on the report), and the user's Cancel. Each entry into
// the script from the report (an expression, an event procedure) starts a new count and clock;
// the script's line hook steps them at every statement and loop round. A script that runs past a
// limit, or that the user cancels, ends with a script error rather than hanging the program.
#include <QElapsedTimer>

class TrpReport;

class TrpScriptRunLimits {
 public:
  explicit TrpScriptRunLimits(TrpReport& report) : FReport(report) {}

  // Called before every statement; raises ScriptError past a limit or on Cancel.
  void Step();

  // Arms the limits for the outermost entry into the script; nested entries share its count.
  class Scope {
   public:
    explicit Scope(TrpScriptRunLimits& limits);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    TrpScriptRunLimits& FLimits;
  };

 private:
  void CheckClock();

  TrpReport& FReport;
  int FDepth = 0;
  qint64 FSteps = 0;
  qint64 FLastPoll = 0;  // ms on the clock when the program last looked at its events
  QElapsedTimer FClock;
};
