// The band layout engine preparing a listing of 1,000 and 10,000 rows (id, grp = id div 50,
// name "Item <id>", amount = id x 1.5) on A4 portrait pages with 10 mm margins: a page header,
// a group header on grp, a 9-point data band, a group footer with the group's SUM of amount, and
// a page footer with the page number. Expressions go through the report's script binding and the
// pages into the prepared-pages store, as in the program.
#include <benchmark/benchmark.h>

#include <QFile>

#include <functional>
#include <memory>

#include "listing_report.h"
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "timed_prepare.h"

namespace {

// With STROVAL_BENCH_SAVE=PREFIX the prepared pages go to PREFIX<rows>.rpp (outside the timing),
// so a change meant to speed the store up can be checked to write the same bytes.
void saveForComparison(TrpReport& report, int rows) {
  const QString prefix = qEnvironmentVariable("STROVAL_BENCH_SAVE");
  if (!prefix.isEmpty()) report.PreviewPages()->SaveToFile(prefix + QString::number(rows) + ".rpp");
}

// Prepares the listing of `count` rows as often as the state asks; `configure` may change the
// definition first.
void prepareListing(benchmark::State& state, int count,
                    const std::function<void(TrpReport&)>& configure = {}) {
  int pages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ListingRows rows(count);
    auto report = std::make_unique<TrpReport>();
    report->EngineOptions().SetNewSilentMode(simSilent);
    rpBuildListing(*report);
    if (configure) configure(*report);
    if (!rpTimedPrepare(state, *report, pages)) return;
    saveForComparison(*report, count);
    report.reset();
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
  state.counters["pages_per_second"] =
      benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["rows_per_second"] =
      benchmark::Counter(static_cast<double>(count) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["peak_MiB"] = rpPeakMemoryMiB();
}

void BM_PrepareListing(benchmark::State& state) {
  prepareListing(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_PrepareListing)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The listing of 100,000 and 1,000,000 rows with the store's file cache on, as stroval-report
// prepares by default (page records past 64 MiB go to a temporary file): the time per row stays
// that of the smaller listings and the memory bounded. Each case is best run alone
// (--benchmark_filter) so that its peak memory is its own.
void BM_PrepareLargeListing(benchmark::State& state) {
  prepareListing(state, static_cast<int>(state.range(0)), [](TrpReport& report) {
    report.EngineOptions().SetUseFileCache(true);
    report.EngineOptions().SetMaxMemSize(64);
  });
}
BENCHMARK(BM_PrepareLargeListing)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The listing of 10,000 rows with its group header drilling down: every group folded (0), as a
// preview first shows it, or every group open (1).
void BM_PrepareDrillDownListing(benchmark::State& state) {
  const bool open = state.range(0) != 0;
  prepareListing(state, 10000, [open](TrpReport& report) {
    for (TrpComponent* object : report.AllObjects())
      if (auto* header = dynamic_cast<TrpGroupHeader*>(object)) {
        header->SetDrillDown(true);
        header->SetExpandDrillDown(open);
      }
  });
}
BENCHMARK(BM_PrepareDrillDownListing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
