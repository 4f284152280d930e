// The print job over a synthetic store on a recording printer: pages per second for each print
// mode, and the page-range parser on long ranges.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "fake_preview_pages.h"
#include "report/component/report.h"
#include "report/options/print_options.h"
#include "report/print/page_numbers.h"
#include "report/print/print_job.h"
#include "report/printer/printers.h"
#include "report/printer/recording_printer_backend.h"

namespace {

// Prints `pages` A5 or A4 pages once in `mode`; the recording printer keeps what was drawn, so
// each iteration starts from a fresh printer.
void PrintPages(benchmark::State& state, TrpPrintMode mode, int paper, int sheet) {
  const int count = static_cast<int>(state.range(0));
  TrpReport report;
  FakePreviewPages pages(report);
  for (int i = 0; i < count; ++i) pages.AddTestPage(paper);
  report.PrintOptions().SetShowDialog(false);
  report.PrintOptions().SetPrintMode(mode);
  report.PrintOptions().SetPrintOnSheet(sheet);
  report.SetShowProgress(false);
  for (auto _ : state) {
    state.PauseTiming();
    auto backend = std::make_shared<TrpRecordingPrinterBackend>();
    backend->AddPrinter(QStringLiteral("Laser"));
    rpSetPrinterBackend(backend);
    pages.Draws.clear();
    state.ResumeTiming();
    TrpPrintJob job(pages);
    benchmark::DoNotOptimize(job.Print());
  }
  state.SetItemsProcessed(state.iterations() * count);
  rpSetPrinterBackend(nullptr);
}

void BM_PrintDefault(benchmark::State& state) { PrintPages(state, pmDefault, 9, 0); }
void BM_PrintScaleA4OnA3(benchmark::State& state) { PrintPages(state, pmScale, 9, 8); }
void BM_PrintSplitA3OnA4(benchmark::State& state) { PrintPages(state, pmSplit, 8, 9); }
void BM_PrintJoinA5OnA4(benchmark::State& state) { PrintPages(state, pmJoin, 11, 9); }

BENCHMARK(BM_PrintDefault)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintScaleA4OnA3)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintSplitA3OnA4)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintJoinA5OnA4)->Arg(1000)->Unit(benchmark::kMillisecond);

// A range as long as the report, and one far beyond it (cut off at the last page).
void BM_ParsePageNumbers(benchmark::State& state) {
  const int total = static_cast<int>(state.range(0));
  const QString range = QStringLiteral("1-2000000000");
  QStringList list;
  for (auto _ : state) {
    rpParsePageNumbers(range, list, total);
    benchmark::DoNotOptimize(list.size());
  }
  state.SetItemsProcessed(state.iterations() * total);
}
BENCHMARK(BM_ParsePageNumbers)->Arg(10000);

}  // namespace

// Text needs fonts, fonts need an application object; no display is needed.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
