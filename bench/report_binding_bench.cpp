// What one bracketed expression costs a report: a plain name resolved without the compiler, a
// cached expression called again, a new expression compiled, and a running total fed with rows.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "report/binding/aggregate.h"
#include "report/binding/report_script.h"
#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/objects/variables.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"

namespace {

// A report with a page, a data band and a footer, its script prepared (the binding is installed
// by main, before any report exists).
struct PreparedReport {
  PreparedReport() {
    page = new TrpReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    data = new TrpMasterData(page);
    data->SetName(QStringLiteral("MasterData1"));
    footer = new TrpFooter(page);
    footer->SetName(QStringLiteral("Footer1"));
    report.Variables().SetVariables(QStringLiteral("Amount"), ScriptValue(1.5));
    report.ReportScript()->PrepareScript(report);
  }
  TrpReport report;
  TrpReportPage* page = nullptr;
  TrpMasterData* data = nullptr;
  TrpFooter* footer = nullptr;
};

void PlainName(benchmark::State& state) {
  PreparedReport r;
  for (auto _ : state) benchmark::DoNotOptimize(r.report.Calc(QStringLiteral("Amount")));
}
BENCHMARK(PlainName);

void CachedExpression(benchmark::State& state) {
  PreparedReport r;
  for (auto _ : state) benchmark::DoNotOptimize(r.report.Calc(QStringLiteral("<Amount> * 2 + 1")));
}
BENCHMARK(CachedExpression);

void NewExpressionCompiled(benchmark::State& state) {
  PreparedReport r;
  int n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(r.report.Calc(QStringLiteral("%1 + 1").arg(++n)));
}
BENCHMARK(NewExpressionCompiled);

void SumOverRows(benchmark::State& state) {
  PreparedReport r;
  TrpAggregateList list(r.report);
  list.AddCall(QStringLiteral("SUM(<Amount>)"), QStringLiteral("Memo1"), r.footer, r.data);
  for (auto _ : state) list.AddValue(*r.data);
  benchmark::DoNotOptimize(list.GetValue(r.footer, QStringLiteral("SUM(<Amount>)")));
}
BENCHMARK(SumOverRows);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  rpRegisterReportClasses();
  rpInstallReportScript();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
