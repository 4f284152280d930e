// The prepared-pages store with 10,000 pages of 60 records each: records added per second, peak
// memory with the file cache off and with pages unloaded past MaxMemSize, saving and loading the
// prepared-report file, opening it and showing its first page, a scroll to page 9,000, and random
// page reads (the median of single GetPage calls).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/memo/memo_view.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"
#include "report/store/preview_pages.h"
#include "report/store/xml_serializer.h"

namespace {

constexpr int kPages = 10000;
constexpr int kBandsPerPage = 12;  // each band with 4 text objects: 60 records per page
constexpr int kMemosPerBand = 4;

void ensureApplication() {
  static int argc = 1;
  static char name[] = "preview_pages_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto a = std::make_unique<QGuiApplication>(argc, argv);
    rpRegisterReportClasses();
    rpInstallXMLSerializer();
    return a;
  }();
}

// Linux: gives freed memory back to the system and resets the peak resident size, so that the
// next peak is this run's own; then reads it back (MiB).
void resetPeakMemory() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double peakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

struct Prepared {
  std::unique_ptr<TrpReport> report;
  TrpPreviewPages* pages = nullptr;
  TrpReportPage* page = nullptr;
};

Prepared makeReport(bool unload, const QString& tempDir) {
  Prepared p;
  p.report = std::make_unique<TrpReport>();
  p.report->EngineOptions().SetUseFileCache(unload);
  p.report->EngineOptions().SetMaxMemSize(10);
  p.report->EngineOptions().SetTempDir(tempDir);
  p.report->SetShowProgress(false);
  auto store = std::make_unique<TrpPreviewPages>(*p.report);
  p.pages = store.get();
  p.report->SetPreviewPages(std::move(store));
  p.page = new TrpReportPage(p.report.get());
  p.page->SetName(QStringLiteral("Page1"));
  p.page->SetPaperSize(9);
  auto* band = new TrpMasterData(p.page);
  band->SetName(QStringLiteral("Band1"));
  band->SetBounds(0, 0, 700, 80);
  for (int m = 0; m < kMemosPerBand; ++m) {
    auto* memo = new TrpMemoView(band);
    memo->SetName(QStringLiteral("Memo%1").arg(m + 1));
    memo->SetBounds(m * 170, 5, 160, 20);
  }
  return p;
}

// Writes the pages as the engine does: a page, then bands with changed texts at growing tops.
void writePages(Prepared& p) {
  auto* band = dynamic_cast<TrpBand*>(p.page->FindObject(QStringLiteral("Band1")));
  QList<TrpMemoView*> memos;
  for (TrpComponent* child : band->Objects()) memos.append(dynamic_cast<TrpMemoView*>(child));
  p.pages->Initialize();
  p.pages->SetAddPageAction(apAdd);
  p.pages->AddSourcePage(*p.page);
  p.pages->BeginPass();
  for (int i = 0; i < kPages; ++i) {
    p.pages->AddPage(*p.page);
    for (int b = 0; b < kBandsPerPage; ++b) {
      band->SetTop(b * 80);
      for (int m = 0; m < kMemosPerBand; ++m)
        memos[m]->SetText(QStringLiteral("Row %1 of page %2, field %3").arg(b).arg(i).arg(m));
      p.pages->AddObject(*band);
    }
  }
  p.pages->Finish();
}

void AddRecords(benchmark::State& state) {
  ensureApplication();
  const bool unload = state.range(0) != 0;
  QTemporaryDir temp;
  double seconds = 0, cpu = 0, peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Prepared p = makeReport(unload, temp.path());
    resetPeakMemory();
    const double before = peakMemoryMiB();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    writePages(p);
    cpu = cpuSeconds() - cpuStart;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    peak = peakMemoryMiB() - before;
  }
  const double records = double(kPages) * kBandsPerPage * (kMemosPerBand + 1);
  state.counters["records_per_s"] = records / seconds;
  state.counters["records_per_cpu_s"] = records / cpu;
  state.counters["peak_growth_MiB"] = peak;
}
// Unloading first: the run without it leaves the allocator larger, which would hide a peak.
BENCHMARK(AddRecords)->Arg(1)->Arg(0)->ArgName("unload")->Iterations(1)->Unit(benchmark::kMillisecond);

// One store of 10,000 pages (file cache off), saved once, shared by the file and read benchmarks.
struct SavedStore {
  QTemporaryDir temp;
  Prepared store;
  QString file;
  SavedStore() : store(makeReport(false, QString())), file(temp.filePath(QStringLiteral("bench.rpp"))) {
    writePages(store);
  }
};
SavedStore& saved() {
  static SavedStore s;
  return s;
}

void SaveToFile(benchmark::State& state) {
  ensureApplication();
  SavedStore& s = saved();
  for (auto _ : state) benchmark::DoNotOptimize(s.store.pages->SaveToFile(s.file));
  state.counters["file_MiB"] = double(QFile(s.file).size()) / (1024.0 * 1024.0);
}
BENCHMARK(SaveToFile)->Iterations(3)->Unit(benchmark::kMillisecond);

void LoadFromFile(benchmark::State& state) {
  ensureApplication();
  SavedStore& s = saved();
  if (!QFile::exists(s.file)) s.store.pages->SaveToFile(s.file);
  Prepared target = makeReport(false, QString());
  for (auto _ : state) benchmark::DoNotOptimize(target.pages->LoadFromFile(s.file));
  state.counters["pages"] = target.pages->GetCount();
}
BENCHMARK(LoadFromFile)->Iterations(3)->Unit(benchmark::kMillisecond);

// What the preview does on opening the saved 10,000 pages: the file read (the page index; each
// page's records wait until the page is shown) and the first page built and drawn at 100 % into a
// screen picture. CPU time of the whole.
void OpenAndShowFirstPage(benchmark::State& state) {
  ensureApplication();
  SavedStore& s = saved();
  if (!QFile::exists(s.file)) s.store.pages->SaveToFile(s.file);
  QImage screen(1280, 1024, QImage::Format_RGB32);
  double cpu = 0;
  for (auto _ : state) {
    Prepared target = makeReport(false, QString());
    const double start = cpuSeconds();
    target.pages->LoadFromFile(s.file);
    QPainter painter(&screen);
    target.pages->DrawPage(0, painter, 1, 1, 0, 0);
    cpu = cpuSeconds() - start;
    state.PauseTiming();
    target.report.reset();
    state.ResumeTiming();
  }
  state.counters["cpu_ms"] = cpu * 1000;
}
BENCHMARK(OpenAndShowFirstPage)->Iterations(3)->Unit(benchmark::kMillisecond);

// After opening, a scroll to page 9,000: that page read from the file, built and drawn (the
// budget of one frame is about 16 ms).
void ShowPageAfterScroll(benchmark::State& state) {
  ensureApplication();
  SavedStore& s = saved();
  if (!QFile::exists(s.file)) s.store.pages->SaveToFile(s.file);
  QImage screen(1280, 1024, QImage::Format_RGB32);
  std::vector<double> millis;
  for (auto _ : state) {
    state.PauseTiming();
    Prepared target = makeReport(false, QString());
    target.pages->LoadFromFile(s.file);
    QPainter painter(&screen);
    state.ResumeTiming();
    const double start = cpuSeconds();
    target.pages->DrawPage(8999, painter, 1, 1, 0, 0);
    millis.push_back((cpuSeconds() - start) * 1000);
    state.PauseTiming();
    painter.end();
    target.report.reset();
    state.ResumeTiming();
  }
  std::sort(millis.begin(), millis.end());
  state.counters["median_cpu_ms"] = millis[millis.size() / 2];
}
BENCHMARK(ShowPageAfterScroll)->Iterations(5)->Unit(benchmark::kMillisecond);

void RandomGetPage(benchmark::State& state) {
  ensureApplication();
  SavedStore& s = saved();
  QRandomGenerator random(42);
  std::vector<double> micros;
  for (auto _ : state) {
    const int index = int(random.bounded(kPages));
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(s.store.pages->GetPage(index));
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
}
BENCHMARK(RandomGetPage)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace
