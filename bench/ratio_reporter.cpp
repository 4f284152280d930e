// The side-by-side summary: times per iteration and their ratios against the goals.
#include "ratio_reporter.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    // The function name is the registered "Workload/Language", without the manual-time suffix.
    // With repetitions the least disturbed run counts: on a shared machine other load only
    // ever adds time.
    const double seconds = run.real_accumulated_time / double(run.iterations);
    auto [it, added] = FSeconds.emplace(run.run_name.function_name, seconds);
    if (!added) it->second = std::min(it->second, seconds);
  }
}

std::optional<double> RatioReporter::Seconds(const std::string& name) const {
  auto it = FSeconds.find(name);
  if (it == FSeconds.end()) return std::nullopt;
  return it->second;
}

bool RatioReporter::PrintSummary(const std::vector<RatioGoal>& goals,
                                 const std::vector<LinearityGoal>& linear) const {
  bool allMet = true;
  std::printf("\n%-16s %10s %10s %10s %10s %10s\n", "workload", "Stroval s", "Lua s", "Python s",
              "ours/Lua", "ours/Py");
  for (const RatioGoal& g : goals) {
    auto ours = Seconds(g.workload + "/Stroval");
    auto lua = Seconds(g.workload + "/Lua");
    auto python = Seconds(g.workload + "/Python");
    if (!ours && !lua && !python) continue;  // filtered out of this run
    std::printf("%-16s %10.4f %10.4f %10.4f", g.workload.c_str(), ours.value_or(0),
                lua.value_or(0), python.value_or(0));
    std::string notes;
    auto ratio = [&](const std::optional<double>& other, const std::optional<double>& goal,
                     const char* language) {
      if (!ours || !other || *other <= 0) {
        std::printf(" %10s", "-");
        return;
      }
      double r = *ours / *other;
      std::printf(" %10.2f", r);
      if (!goal) return;
      bool met = r <= *goal;
      allMet = allMet && met;
      char text[64];
      std::snprintf(text, sizeof text, "  over %s <= %.1f: %s", language, *goal, verdict(met));
      notes += text;
    };
    ratio(lua, g.maxOverLua, "Lua");
    ratio(python, g.maxOverPython, "Python");
    std::printf("%s\n", notes.c_str());
  }
  for (const LinearityGoal& l : linear) {
    for (const char* language : {"Stroval", "Lua", "Python"}) {
      auto small = Seconds(l.smaller + "/" + language), large = Seconds(l.larger + "/" + language);
      if (!small || !large || *small <= 0) continue;
      double growth = *large / *small;
      std::printf("%s / %s, %s: %.2f", l.larger.c_str(), l.smaller.c_str(), language, growth);
      if (std::string(language) == "Stroval") {
        bool met = growth <= l.maxGrowth;
        allMet = allMet && met;
        std::printf("  (goal <= %.1f: %s)", l.maxGrowth, verdict(met));
      }
      std::printf("\n");
    }
  }
  return allMet;
}
