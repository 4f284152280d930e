// Painting the preview's visible area over 10,000 prepared pages, at zoom 1 and at a quarter.
// The pages come from the synthetic store of the preview tests (each page a white sheet with a
// filled box), so the figures measure the workspace — layout lookup, background clipping, frames —
// rather than the drawing of report objects.
// And the time from ShowReport of the worksheet report (real engine and store) until the preview
// window has painted its page.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "fake_preview_pages.h"
#include "report/component/report_classes.h"
#include "report/objects/report_services.h"
#include "report/options/common_error_handler.h"
#include "report/options/engine_options.h"
#include "report/preview/install_preview.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"
#include "report/services/install_report_services.h"
#include "report/text/font_substitutions.h"
#include "worksheet_report.h"

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

// One ShowReport per iteration: the window opens, the 50 ms timer prepares the report inside
// it, and the clock stops when the workspace has painted the page; then the window is closed.
void ShowReportToFirstPaintedPage(benchmark::State& state) {
  rpInstallReportServices();
  rpInstallPreview();
  for (auto _ : state) {
    TrpReport report;
    report.EngineOptions().SetNewSilentMode(simSilent);
    report.PreviewOptions().SetZoomMode(zmPageWidth);
    worksheet::Build(report, worksheet::Fonts::Sheet);
    QElapsedTimer clock;
    double seconds = 0;
    report.OnPreview = [&] {
      auto* preview = dynamic_cast<TrpPreview*>(report.Preview());
      QObject::connect(preview->Workspace(), &TrpPreviewWorkspace::Painted, preview, [&, preview](int drawn) {
        if (drawn == 0 || seconds > 0) return;
        seconds = clock.nsecsElapsed() / 1e9;
        // Closed from the loop once the preparation has ended (the window refuses before).
        auto* closer = new QTimer(preview);
        QObject::connect(closer, &QTimer::timeout, preview, [preview] {
          if (!preview->Running()) preview->window()->close();
        });
        closer->start(5);
      });
    };
    clock.start();
    report.ShowReport();
    state.SetIterationTime(seconds);
  }
  rpReportServices() = TrpReportServices{};
}
BENCHMARK(ShowReportToFirstPaintedPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stroval::RegisterFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
