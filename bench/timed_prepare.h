#pragma once

#include <benchmark/benchmark.h>

#include <QLatin1Char>

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"

// Times only the preparation of a report whose building the caller did with the timer paused.
// On success the timer is paused again and the page count is stored; a failed preparation ends
// the benchmark with the engine's errors (the timer left running, as the loop expects on exit).
inline bool rpTimedPrepare(benchmark::State& state, TrpReport& report, int& pages) {
  state.ResumeTiming();
  if (!report.PrepareReport()) {
    state.SkipWithError(report.Errors().join(QLatin1Char('\n')).toUtf8().constData());
    return false;
  }
  pages = report.PreviewPages()->GetCount();
  state.PauseTiming();
  return true;
}
