// Script engine front end: value arithmetic (the interpreter's inner loop) and phase 1 of the
// compiler over a generated program.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "script_engine/front/il_parser.h"
#include "script_engine/front/lexer.h"
#include "script_engine/interpreter/value.h"
#include "script_engine/interpreter/value_ops.h"

namespace {

void IntegerArithmetic(benchmark::State& state) {
  ScriptValue sum(0);
  const ScriptValue one(1);
  for (auto _ : state) {
    sum = ValueOps::Add(sum, one);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(IntegerArithmetic);

void MixedComparison(benchmark::State& state) {
  const ScriptValue a(3), b(2.5);
  for (auto _ : state) benchmark::DoNotOptimize(ValueOps::Compare(a, b));
}
BENCHMARK(MixedComparison);

void StringConcatenation(benchmark::State& state) {
  const ScriptValue a(QStringLiteral("abc")), b(QStringLiteral("def"));
  for (auto _ : state) benchmark::DoNotOptimize(ValueOps::Add(a, b));
}
BENCHMARK(StringConcatenation);

QString PascalProgram(int statements) {
  QStringList lines{"var i, s: Integer;", "begin"};
  for (int n = 0; n < statements; ++n)
    lines << QStringLiteral("  if i > %1 then s := s + (i * 2 - %1) div 3 else s := s - 1;").arg(n);
  lines << "end.";
  return scJoinLines(lines);
}

void PascalPhase1(benchmark::State& state) {
  const QString text = PascalProgram(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TscILParser parser;
    parser.SelectLanguage(QStringLiteral("PascalScript"));
    if (!parser.MakeILScript(text)) state.SkipWithError("compile failed");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PascalPhase1)->Arg(100)->Arg(1000);

void SelectGrammar(benchmark::State& state) {
  for (auto _ : state) {
    TscILParser parser;
    parser.SelectLanguage(QStringLiteral("PascalScript"));
  }
}
BENCHMARK(SelectGrammar);

}  // namespace
