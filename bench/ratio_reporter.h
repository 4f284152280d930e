#pragma once
// A console reporter that also keeps each benchmark's time per iteration, so that one run of
// the side-by-side benchmarks ends with the ratios between the languages.
//
// Benchmarks are named "Workload/Language"; the summary compares every workload's "Stroval" time
// with its "Lua" and "Python" times against the given goals.
#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

struct RatioGoal {
  std::string workload;
  std::optional<double> maxOverLua;     // ours / Lua at most this
  std::optional<double> maxOverPython;  // ours / Python at most this
};

// Workloads whose times should grow linearly: `larger` does `factor` times the work of `smaller`.
struct LinearityGoal {
  std::string smaller, larger;
  double maxGrowth;  // time(larger) / time(smaller) at most this
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal.
  RatioReporter();
  void ReportRuns(const std::vector<Run>& runs) override;
  // Seconds per iteration of a benchmark that ran, if it did (the least of its repetitions).
  std::optional<double> Seconds(const std::string& name) const;
  // Prints the ratio table; returns whether every goal whose times exist was met.
  bool PrintSummary(const std::vector<RatioGoal>& goals,
                    const std::vector<LinearityGoal>& linear) const;

 private:
  std::map<std::string, double> FSeconds;
};
