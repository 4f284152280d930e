// The band layout engine preparing a listing of 1,000 and 10,000 rows (id, grp = id div 50,
// name "Item <id>", amount = id x 1.5) on A4 portrait pages with 10 mm margins: a page header,
// a group header on grp, a 9-point data band, a group footer with the group's SUM of amount, and
// a page footer with the page number. Expressions go through the report's script binding and the
// pages into the prepared-pages store, as in the program.
#include <benchmark/benchmark.h>

#include <QFile>

#include <functional>
#include <memory>

#include "report/model/band_kinds.h"
#include "report/model/custom_preview_pages.h"
#include "report/model/data_band.h"
#include "report/model/data_set.h"
#include "report/model/engine_options.h"
#include "report/model/group_header.h"
#include "report/model/memo_view.h"
#include "report/model/report.h"
#include "report/model/report_data_sets.h"
#include "report/model/report_page.h"
#include "timed_prepare.h"

namespace {

// The rows, computed from the record number.
class ListingRows : public TrpDataSet {
 public:
  explicit ListingRows(int count) : TrpDataSet(nullptr), FCount(count) {
    SetUserName(QStringLiteral("Rows"));
  }
  bool Eof() override { return RecNo() >= FCount; }
  ScriptValue GetValue(const QString& field) override {
    const int id = RecNo() + 1;
    if (field == QLatin1String("id")) return ScriptValue(id);
    if (field == QLatin1String("grp")) return ScriptValue(id / 50);
    if (field == QLatin1String("name")) return ScriptValue(QStringLiteral("Item %1").arg(id));
    if (field == QLatin1String("amount")) return ScriptValue(id * 1.5);
    return {};
  }

 private:
  int FCount;
};

TrpMemoView* text(TrpComponent* band, const QString& value, Extended left, Extended width,
                  Extended height, int points = 10) {
  auto* memo = new TrpMemoView(band);
  memo->CreateUniqueName();
  memo->SetBounds(left, 0, width, height);
  memo->SetText(value);
  memo->Font()->SetSize(points);
  return memo;
}

template <class Band>
Band* band(TrpReportPage* page, Extended top, Extended millimetres) {
  auto* b = new Band(page);
  b->CreateUniqueName();
  b->SetTop(top);
  b->SetHeight(millimetres * rp01cm);
  return b;
}

void buildListing(TrpReport& report, ListingRows& rows) {
  report.DataSets().Add()->SetDataSetName(QStringLiteral("Rows"));
  report.DataSets().Items(0)->SetDataSet(&rows);
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  for (auto setter : {&TrpReportPage::SetLeftMargin, &TrpReportPage::SetRightMargin,
                      &TrpReportPage::SetTopMargin, &TrpReportPage::SetBottomMargin})
    (page->*setter)(10);
  text(band<TrpPageHeader>(page, 0, 6), QStringLiteral("Listing of items"), 0, 400, 6 * rp01cm);
  auto* groupHeader = band<TrpGroupHeader>(page, 40, 6);
  groupHeader->SetCondition(QStringLiteral("Rows.\"grp\""));
  text(groupHeader, QStringLiteral("Group [Rows.\"grp\"]"), 0, 300, 6 * rp01cm);
  auto* data = band<TrpMasterData>(page, 80, 4);
  data->SetDataSet(&rows);
  text(data, QStringLiteral("[Rows.\"id\"]"), 0, 80, 4 * rp01cm, 9);
  text(data, QStringLiteral("[Rows.\"name\"]"), 90, 300, 4 * rp01cm, 9);
  text(data, QStringLiteral("[Rows.\"amount\"]"), 400, 120, 4 * rp01cm, 9);
  auto* groupFooter = band<TrpGroupFooter>(page, 120, 6);
  text(groupFooter, QStringLiteral("[SUM(<Rows.\"amount\">)]"), 400, 120, 6 * rp01cm);
  auto* pageFooter = band<TrpPageFooter>(page, 200, 6);
  text(pageFooter, QStringLiteral("Page [Page#]"), 0, 200, 6 * rp01cm);
}

// The process's peak resident memory in mebibytes (VmHWM).
double peakMemoryMiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  return 0;
}

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
    buildListing(*report, rows);
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
  state.counters["peak_MiB"] = peakMemoryMiB();
}

void BM_PrepareListing(benchmark::State& state) {
  prepareListing(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_PrepareListing)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

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
