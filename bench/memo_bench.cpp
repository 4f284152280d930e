// Text objects: measuring (the layout engine asks every text object for its height) and drawing
// a full page of them at 100 % and 400 %.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

#include "report/memo/memo_view.h"
#include "report/objects/custom_report.h"
#include "report/text/font_substitutions.h"

namespace {

// Fonts need a GUI application; one for the whole run.
void ensureApplication() {
  static int argc = 1;
  static char name[] = "memo_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto a = std::make_unique<QGuiApplication>(argc, argv);
    stroval::RegisterFontSubstitutions();
    return a;
  }();
}

const QStringList kThreeLines{QStringLiteral("The quick brown fox jumps over the dog 1"),
                              QStringLiteral("Pack my box with five dozen liquor jugs!"),
                              QStringLiteral("Sphinx of black quartz, judge my vow now.")};

// 100,000 CalcHeight calls on three 40-character lines.
void CalcHeight100k(benchmark::State& state) {
  ensureApplication();
  TrpCustomReport report;
  auto* memo = new TrpMemoView(&report);
  memo->SetBounds(0, 0, 400, 60);
  memo->SetMemo(kThreeLines);
  for (auto _ : state) {
    Extended sum = 0;
    for (int i = 0; i < 100000; ++i) sum += memo->CalcHeight();
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(CalcHeight100k)->Unit(benchmark::kMillisecond);

// A page of 500 text objects (25 rows of 20 cells on an A4 page), drawn at the given zoom in
// percent onto an image of the page's size.
void DrawPageOf500(benchmark::State& state) {
  ensureApplication();
  const Extended zoom = state.range(0) / 100.0L;
  TrpCustomReport report;
  std::vector<TrpMemoView*> memos;
  for (int row = 0; row < 25; ++row) {
    for (int col = 0; col < 20; ++col) {
      auto* memo = new TrpMemoView(&report);
      memo->SetBounds(20 + col * 37, 20 + row * 42, 36, 40);
      memo->SetMemo({QStringLiteral("R%1").arg(row), QStringLiteral("C%1").arg(col)});
      memo->SetHAlign(haCenter);
      memo->SetVAlign(vaCenter);
      memos.push_back(memo);
    }
  }
  QImage page(static_cast<int>(794 * zoom), static_cast<int>(1123 * zoom), QImage::Format_RGB32);
  for (auto _ : state) {
    page.fill(Qt::white);
    QPainter painter(&page);
    for (TrpMemoView* memo : memos) memo->Draw(painter, zoom, zoom, 0, 0);
  }
}
BENCHMARK(DrawPageOf500)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
