// The band layout engine preparing a cross table with vertical bands: 100 master rows (10 mm
// high, A4 portrait, 10 mm margins) crossed by a vertical header (the row captions, shown again
// on every page) and a vertical data band of 12 or 48 columns (20 mm wide), each cell three
// times its column number, and a footer with each column's SUM. The wider table spreads over the
// following pages. Expressions go through the report's script binding into the prepared-pages
// store, as in the program.
#include <benchmark/benchmark.h>


#include <memory>

#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"
#include "timed_prepare.h"

namespace {

constexpr Extended kColumnWidth = 20 * rp01cm;
constexpr Extended kRowHeight = 10 * rp01cm;

void text(TrpComponent* band, const QString& value, Extended left) {
  auto* memo = new TrpMemoView(band);
  memo->CreateUniqueName();
  memo->SetBounds(left, 0, kColumnWidth, kRowHeight);
  memo->SetText(value);
}

template <class Band>
Band* band(TrpReportPage* page, Extended top, Extended height) {
  auto* b = new Band(page);
  b->CreateUniqueName();
  b->SetTop(top);
  b->SetHeight(height);
  return b;
}

template <class Band>
Band* verticalBand(TrpReportPage* page, Extended left) {
  Band* b = band<Band>(page, 0, 0);
  b->SetVertical(true);
  b->SetLeft(left);
  b->SetWidth(kColumnWidth);
  return b;
}

void buildCrossTable(TrpReport& report, int columns) {
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  for (auto setter : {&TrpReportPage::SetLeftMargin, &TrpReportPage::SetRightMargin,
                      &TrpReportPage::SetTopMargin, &TrpReportPage::SetBottomMargin})
    (page->*setter)(10);
  auto* rows = band<TrpMasterData>(page, 100, kRowHeight);
  rows->SetName(QStringLiteral("Rows"));
  rows->SetRowCount(100);
  verticalBand<TrpHeader>(page, 0)->SetReprintOnNewPage(true);
  verticalBand<TrpMasterData>(page, kColumnWidth)->SetRowCount(columns);
  auto* footer = band<TrpFooter>(page, 200, kRowHeight);
  text(rows, QStringLiteral("Row"), 0);
  text(rows, QStringLiteral("[<Line> * 3]"), kColumnWidth);
  text(footer, QStringLiteral("[SUM(<Line>, Rows)]"), kColumnWidth);
}

void BM_PrepareCrossTable(benchmark::State& state) {
  const int columns = static_cast<int>(state.range(0));
  int pages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto report = std::make_unique<TrpReport>();
    report->EngineOptions().SetNewSilentMode(simSilent);
    buildCrossTable(*report, columns);
    if (!rpTimedPrepare(state, *report, pages)) return;
    report.reset();
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
  state.counters["cells"] = 100.0 * columns;
}
BENCHMARK(BM_PrepareCrossTable)->Arg(12)->Arg(48)->Unit(benchmark::kMillisecond);

}  // namespace
