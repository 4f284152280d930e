// Painting the preview's visible area over 10,000 prepared pages, at zoom 1 and at a quarter.
// The pages come from the synthetic store of the preview tests (each page a white sheet with a
// filled box), so the figures measure the workspace — layout lookup, background clipping, frames —
// rather than the drawing of report objects.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "fake_preview_pages.h"
#include "report/model/report_classes.h"
#include "report/preview/preview.h"
#include "report/preview/preview_workspace.h"

namespace {

constexpr int kPages = 10000;

void PaintVisibleArea(benchmark::State& state) {
  rpRegisterReportClasses();
  TrpReport report;
  auto owned = std::make_unique<FakePreviewPages>(report, kPages);
  FakePreviewPages* pages = owned.get();
  report.SetPreviewPages(std::move(owned));
  TrpPreview preview;
  preview.resize(1200, 900);
  preview.show();
  QApplication::processEvents();
  preview.Init(&report, pages);
  preview.SetZoom(state.range(0) / 100.0L);
  preview.SetPageNo(kPages / 2);
  QApplication::processEvents();
  QWidget* viewport = preview.Workspace()->viewport();
  QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    viewport->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["pages_drawn"] = preview.Workspace()->PagesDrawn();
}
BENCHMARK(PaintVisibleArea)->Arg(100)->Arg(25)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
