// The PDF export of the 10,000-row grouped listing of engine_bench, prepared once: pages written
// per second and the file's size per page (goals: 300 pages a second, under 40 KB a page). The
// picture and text exports of the same pages are measured beside it.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

#include "listing_report.h"
#include "report/component/report.h"
#include "report/objects/custom_export_filter.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/engine_options.h"

namespace {

// The listing prepared once for every benchmark of this program.
TrpReport& preparedListing() {
  static ListingRows rows(10000);
  static std::unique_ptr<TrpReport> report = [] {
    auto r = std::make_unique<TrpReport>();
    r->EngineOptions().SetNewSilentMode(simSilent);
    rpBuildListing(*r);
    r->PrepareReport();
    return r;
  }();
  return *report;
}

// Exports the listing's pages `pages` ("" for all) with the filter `className` as often as the
// state asks.
void exportListing(benchmark::State& state, const QString& className, const QString& pages = {}) {
  TrpReport& report = preparedListing();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("listing.out"));
  int exported = 0;
  for (auto _ : state) {
    const std::unique_ptr<TrpCustomExportFilter> filter = rpCreateExportFilter(className);
    filter->SetFileName(file);
    filter->SetPageNumbers(pages);
    if (!report.Export(*filter)) {
      state.SkipWithError(filter->Error().toUtf8().constData());
      return;
    }
    exported = filter->PagesDone();
  }
  state.counters["pages"] = exported;
  state.counters["pages_per_second"] = benchmark::Counter(
      static_cast<double>(exported) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  if (QFileInfo::exists(file)) {
    const double bytes = static_cast<double>(QFileInfo(file).size());
    state.counters["file_KB"] = bytes / 1024;
    state.counters["KB_per_page"] = bytes / 1024 / exported;
  }
}

void BM_ExportListingPdf(benchmark::State& state) { exportListing(state, QStringLiteral("TrpPDFExport")); }
BENCHMARK(BM_ExportListingPdf)->Unit(benchmark::kMillisecond);

void BM_ExportListingText(benchmark::State& state) { exportListing(state, QStringLiteral("TrpTextExport")); }
BENCHMARK(BM_ExportListingText)->Unit(benchmark::kMillisecond);

// Pictures at 96 pixels per inch, ten pages.
void BM_ExportListingPng(benchmark::State& state) {
  exportListing(state, QStringLiteral("TrpPNGExport"), QStringLiteral("1-10"));
}
BENCHMARK(BM_ExportListingPng)->Unit(benchmark::kMillisecond);

}  // namespace
