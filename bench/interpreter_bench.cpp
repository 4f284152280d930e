// The script engine side by side with Lua 5.4 and Python 3, in one run:
//   Loop            10 million rounds of  s := s + i mod 7
//   Fib30           recursive Fib(30)
//   StringAppend1M  a 1,000,000-character text built by appending one character at a time
//   StringAppend2M  the same with 2,000,000 (the time must grow linearly)
//   CachedEvaluate  1,000,000 evaluations of an expression compiled once, as the report's
//                   expression cache does: a function "rpf1" in a private script whose parent
//                   is the report's script, called by name without arguments
// and, on their own, throw-away Evaluate calls (compiled anew each time) for the compile cost.
// Our programs are compiled from PascalScript source text. Every time is CPU time around the
// work alone (compiling and interpreter start-up excluded), so other load on the machine does
// not count. The run ends with the ratios and whether the goals are met; with
// --benchmark_repetitions=N the ratios use each benchmark's fastest repetition.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QStringList>

#include <ctime>
#include <functional>
#include <memory>

#include "child_interpreter.h"
#include "compare_programs.h"
#include "ratio_reporter.h"
#include "script_engine/compiler/compiler.h"
#include "script_engine/interpreter/script.h"

namespace {

double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A script with the system module, compiled from source; null with the error set on failure.
std::unique_ptr<TscScript> compilePascal(const QString& text, TscScript* parent,
                                         benchmark::State& state) {
  scInstallCompiler();
  auto script = std::make_unique<TscScript>(parent);
  if (!parent) script->AddRTTI();
  script->SetLines(text.split(QLatin1Char('\n')));
  if (!script->Compile()) {
    state.SkipWithError(("compile error: " + script->FErrorMsg + " at " + script->FErrorPos)
                            .toStdString()
                            .c_str());
    return nullptr;
  }
  return script;
}

void runOurs(benchmark::State& state, const CompareWorkload& w) {
  std::unique_ptr<TscScript> script = compilePascal(w.pascal, nullptr, state);
  if (!script) return;
  for (auto _ : state) {
    const double start = threadSeconds();
    script->Execute();
    state.SetIterationTime(threadSeconds() - start);
  }
  const ScriptValue result = script->Variable(w.resultVariable);
  const QString text = result.IsString() ? QString::number(result.ToString().size())
                                         : result.ToText();
  if (text != w.expected) state.SkipWithError(("wrong result " + text).toStdString().c_str());
}

void runChild(benchmark::State& state, const QString& interpreter, const QString& program,
              const QString& expected) {
  for (auto _ : state) {
    ChildRun run = scRunChildProgram(interpreter, program);
    if (!run.ok) {
      state.SkipWithError(run.error.toStdString().c_str());
      return;
    }
    if (run.result != expected) {
      state.SkipWithError(("wrong result " + run.result).toStdString().c_str());
      return;
    }
    state.SetIterationTime(run.seconds);
  }
}

void runOursCached(benchmark::State& state, const CachedExpressionWorkload& w) {
  std::unique_ptr<TscScript> report = compilePascal(
      QStringLiteral("var a, b: Integer;\nbegin\n  a := 3;\n  b := 4;\nend."), nullptr, state);
  if (!report) return;
  report->Execute();
  std::unique_ptr<TscScript> cache = compilePascal(
      QStringLiteral("function rpf1: Variant;\nbegin\n  Result := %1\nend;\nbegin\nend.")
          .arg(w.expression),
      report.get(), state);
  if (!cache) return;
  const QString name = QStringLiteral("rpf1");
  ScriptValue result;
  for (auto _ : state) {
    const double start = threadSeconds();
    for (int i = 0; i < w.calls; ++i) result = cache->CallFunction(name, ScriptValue());
    state.SetIterationTime(threadSeconds() - start);
  }
  if (result.ToText() != w.expected)
    state.SkipWithError(("wrong result " + result.ToText()).toStdString().c_str());
}

// A throw-away Evaluate (no cache): the expression is compiled into a new script every time.
// On a script without modules the system module is registered for each call.
void throwAwayEvaluate(benchmark::State& state, bool withModules) {
  scInstallCompiler();
  TscScript script;
  if (withModules) script.AddRTTI();
  ScriptValue result;
  for (auto _ : state) result = script.Evaluate(QStringLiteral("2 * (3 + 4)"));
  if (result != ScriptValue(14)) state.SkipWithError(result.ToText().toStdString().c_str());
}

void add(const std::string& name, std::function<void(benchmark::State&)> body) {
  benchmark::RegisterBenchmark(name.c_str(), std::move(body))
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

void addWorkload(const std::string& family, const CompareWorkload& w) {
  add(family + "/Stroval", [w](benchmark::State& s) { runOurs(s, w); });
  add(family + "/Lua", [w](benchmark::State& s) {
    runChild(s, QStringLiteral("lua5.4"), w.lua, w.expected);
  });
  add(family + "/Python", [w](benchmark::State& s) {
    runChild(s, QStringLiteral("python3"), w.python, w.expected);
  });
}

void registerAll() {
  addWorkload("Loop", scLoopWorkload());
  addWorkload("Fib30", scFibWorkload());
  addWorkload("StringAppend1M", scStringAppendWorkload(1000000));
  addWorkload("StringAppend2M", scStringAppendWorkload(2000000));
  const CachedExpressionWorkload cached = scCachedExpressionWorkload();
  add("CachedEvaluate/Stroval", [cached](benchmark::State& s) { runOursCached(s, cached); });
  add("CachedEvaluate/Lua", [cached](benchmark::State& s) {
    runChild(s, QStringLiteral("lua5.4"), cached.lua, cached.expected);
  });
  add("CachedEvaluate/Python", [cached](benchmark::State& s) {
    runChild(s, QStringLiteral("python3"), cached.python, cached.expected);
  });
  benchmark::RegisterBenchmark("ThrowAwayEvaluate/WithModules", throwAwayEvaluate, true)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ThrowAwayEvaluate/WithoutModules", throwAwayEvaluate, false)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // for the child processes
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  registerAll();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary({{"Loop", 3.0, 1.0},
                         {"Fib30", 3.0, 1.0},
                         {"StringAppend1M", std::nullopt, 1.0},
                         {"StringAppend2M", std::nullopt, 1.0},
                         {"CachedEvaluate", std::nullopt, 1.0}},
                        {{"StringAppend1M", "StringAppend2M", 2.2}});
  benchmark::Shutdown();
  return 0;
}
