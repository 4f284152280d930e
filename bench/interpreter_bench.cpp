// The interpreter's speed on two programs built through its API (as the compiler builds them):
//   for i := 1 to 10000000 do s := s + i mod 7;
//   function Fib(n: Integer): Integer;
//   begin if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2) end;
#include <benchmark/benchmark.h>

#include "script/designator.h"
#include "script/expression.h"
#include "script/procedure.h"
#include "script/script.h"
#include "script/statements.h"

namespace {

TscCustomVariable* variable(TscScript& scope, const char* name) {
  TscCustomVariable* v = TscScript::CreateVariable(name, fvtInt, QString());
  v->SetValue(ScriptValue(0));
  scope.Add(name, v);
  return v;
}

TscDesignator* ref(TscScript& scope, TscCustomVariable* target,
                   std::vector<TscCustomVariable*> args = {}) {
  auto* d = new TscDesignator(&scope);
  TscDesignatorItem* item = d->AddDesignatorItem(target);
  for (TscCustomVariable* a : args) item->AddArgument(a);
  d->Finish();
  return d;
}

TscExpression* binary(TscScript& scope, TscDesignator* left, const char* op,
                      const ScriptValue& right) {
  auto* e = new TscExpression(&scope);
  e->AddDesignator(left);
  e->AddOperator(op);
  e->AddConst(right);
  e->Finalize();
  return e;
}

void BM_LoopTenMillion(benchmark::State& state) {
  TscScript script;
  TscCustomVariable* s = variable(script, "s");
  TscCustomVariable* i = variable(script, "i");
  auto* loop = new TscForStmt(&script);
  loop->FVariable = i;
  auto* from = new TscExpression(&script);
  from->AddConst(ScriptValue(1));
  from->Finalize();
  auto* to = new TscExpression(&script);
  to->AddConst(ScriptValue(10000000));
  to->Finalize();
  loop->FBeginValue.reset(from);
  loop->FEndValue.reset(to);
  // s + i mod 7
  auto* sum = new TscExpression(&script);
  sum->AddDesignator(ref(script, s));
  sum->AddOperator("+");
  sum->AddDesignator(ref(script, i));
  sum->AddOperator("mod");
  sum->AddConst(ScriptValue(7));
  sum->Finalize();
  loop->Add(scCreateAssignment(&script, ref(script, s), sum));
  script.Statement()->Add(loop);
  for (auto _ : state) {
    s->SetValue(ScriptValue(0));
    script.Execute();
  }
  if (s->GetValue().ToInt64() != 29999997) state.SkipWithError("wrong sum");
}
BENCHMARK(BM_LoopTenMillion)->Unit(benchmark::kMillisecond);

void BM_Fib30(benchmark::State& state) {
  TscScript script;
  auto* fib = new TscProcVariable("Fib", fvtInt, QString(), &script, true);
  script.Add("Fib", fib);
  TscParamItem* n = fib->AddParameter("n", fvtInt, QString(), false);
  TscScript& local = *fib->Program();
  auto* test = new TscIfStmt(&local);
  test->FCondition.reset(binary(local, ref(local, n), "<", ScriptValue(2)));
  auto* single = new TscExpression(&local);
  single->AddDesignator(ref(local, n));
  single->Finalize();
  test->Add(scCreateAssignment(&local, ref(local, fib->ResultVariable()), single));
  auto* both = new TscExpression(&local);
  both->AddDesignator(ref(local, fib, {binary(local, ref(local, n), "-", ScriptValue(1))}));
  both->AddOperator("+");
  both->AddDesignator(ref(local, fib, {binary(local, ref(local, n), "-", ScriptValue(2))}));
  both->Finalize();
  test->FElseStmt->Add(scCreateAssignment(&local, ref(local, fib->ResultVariable()), both));
  local.Statement()->Add(test);
  ScriptValue result;
  for (auto _ : state) result = script.CallFunction("Fib", ScriptValue::ArrayOf({30}));
  if (result != ScriptValue(832040)) state.SkipWithError("wrong Fib(30)");
}
BENCHMARK(BM_Fib30)->Unit(benchmark::kMillisecond);

}  // namespace
