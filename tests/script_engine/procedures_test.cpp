// Procedures and functions: calls, recursion, by-reference parameters, the call depth limit,
// termination, host calls of script functions and Evaluate.
#include <gtest/gtest.h>

#include <pthread.h>

#include <QBuffer>

#include <memory>

#include "interp_builder.h"
#include "script_engine/compiler/compiler.h"
#include "script_engine/front/il_parser.h"
#include "script_engine/front/script_error.h"
#include "script_engine/front/xml.h"
#include "script_engine/interpreter/helpers.h"

using namespace build;

namespace {

class ProcedureTest : public ::testing::Test {
 protected:
  // Some tests replace the compiler's second phase; the tests after them get the real one back.
  void TearDown() override { scInstallCompiler(); }
  TscStatement& body() { return *script.Statement(); }
  ScriptValue value(const char* name) { return script.Variable(QString::fromLatin1(name)); }

  // function Fib(n: Integer): Integer;
  // begin if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2) end;
  TscProcVariable* fib() {
    TscProcVariable* f = Function(script, "Fib", fvtInt, {"n"});
    TscScript& local = *f->Program();
    auto* test = Add(*local.Statement(), new TscIfStmt(&local));
    test->FCondition.reset(Expr(local, {v("n"), op("<"), c(2)}));
    Assign(*test, local, "Result", {v("n")});
    Assign(*test->FElseStmt, local, "Result",
           {d(Call(local, f, {Expr(local, {v("n"), op("-"), c(1)})})), op("+"),
            d(Call(local, f, {Expr(local, {v("n"), op("-"), c(2)})}))});
    return f;
  }
  TscScript script;
};

TEST_F(ProcedureTest, RecursiveFunctionComputesFibonacci) {
  TscProcVariable* f = fib();
  Var(script, "r", fvtInt, 0);
  Assign(body(), script, "r", {d(Call(script, f, {Expr(script, {c(20)})}))});
  script.Execute();
  EXPECT_EQ(value("r"), ScriptValue(6765));
  EXPECT_EQ(scCallDepth(), 0);
  EXPECT_FALSE(f->FExecuting);
}

TEST_F(ProcedureTest, RecursionKeepsEachLevelsLocals) {
  // function Keep(n): Integer; var x: Integer;
  // begin x := n * 10; if n > 0 then Keep(n - 1); Result := x end;
  TscProcVariable* f = Function(script, "Keep", fvtInt, {"n"});
  TscScript& local = *f->Program();
  Var(local, "x", fvtInt, 0);
  Assign(*local.Statement(), local, "x", {v("n"), op("*"), c(10)});
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("n"), op(">"), c(0)}));
  CallStmt(*test, local, Call(local, f, {Expr(local, {v("n"), op("-"), c(1)})}));
  Assign(*local.Statement(), local, "Result", {v("x")});
  EXPECT_EQ(script.CallFunction("Keep", ScriptValue::ArrayOf({4})), ScriptValue(40));
}

TEST_F(ProcedureTest, ByReferenceResultOfARecursiveCallIsNotLost) {
  // procedure Sum(n: Integer; var total: Integer); var part: Integer;
  // begin if n > 0 then begin part := 0; Sum(n - 1, part); total := part + n end end;
  TscProcVariable* p = Function(script, "Sum", fvtInt, {"n"}, false);
  TscScript& local = *p->Program();
  p->AddParameter("total", fvtInt, QString(), true);
  Var(local, "part", fvtInt, 0);
  auto* test = Add(*local.Statement(), new TscIfStmt(&local));
  test->FCondition.reset(Expr(local, {v("n"), op(">"), c(0)}));
  Assign(*test, local, "part", {c(0)});
  CallStmt(*test, local,
           Call(local, p, {Expr(local, {v("n"), op("-"), c(1)}), Expr(local, {v("part")})}));
  Assign(*test, local, "total", {v("part"), op("+"), v("n")});
  Var(script, "t", fvtInt, 0);
  CallStmt(body(), script, Call(script, p, {Expr(script, {c(4)}), Expr(script, {v("t")})}));
  script.Execute();
  EXPECT_EQ(value("t"), ScriptValue(10));
}

TEST_F(ProcedureTest, ByReferenceArgumentThatIsNoVariableIsLeftAlone) {
  TscProcVariable* p = Function(script, "SetIt", fvtInt, {}, false);
  p->AddParameter("x", fvtInt, QString(), true);
  Assign(*p->Program()->Statement(), *p->Program(), "x", {c(99)});
  script.AddConst("K", "Integer", 5);
  Var(script, "y", fvtInt, 1);
  CallStmt(body(), script, Call(script, p, {Expr(script, {v("K")})}));
  CallStmt(body(), script, Call(script, p, {Expr(script, {v("y"), op("+"), c(1)})}));
  CallStmt(body(), script, Call(script, p, {Expr(script, {v("y")})}));
  script.Execute();
  EXPECT_EQ(value("K"), ScriptValue(5));
  EXPECT_EQ(value("y"), ScriptValue(99));
}

TEST_F(ProcedureTest, EndlessRecursionIsAScriptErrorNotACrash) {
  TscProcVariable* f = Function(script, "Down", fvtInt, {"n"});
  TscScript& local = *f->Program();
  Assign(*local.Statement(), local, "Result",
         {d(Call(local, f, {Expr(local, {v("n"), op("+"), c(1)})}))});
  try {
    script.CallFunction("Down", ScriptValue::ArrayOf({0}));
    FAIL() << "no error";
  } catch (const ScriptError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("Stack overflow: script calls nested more than "
                                              "1000 deep"));
  }
  EXPECT_EQ(scCallDepth(), 0);
  EXPECT_FALSE(f->FExecuting);
  // The script is usable afterwards.
  TscProcVariable* g = fib();
  EXPECT_EQ(script.CallFunction2(g, ScriptValue::ArrayOf({10})), ScriptValue(55));
}

TEST_F(ProcedureTest, RecursionErrorCanBeCaughtByTheScript) {
  TscProcVariable* f = Function(script, "Down", fvtInt, {"n"});
  TscScript& local = *f->Program();
  Assign(*local.Statement(), local, "Result",
         {d(Call(local, f, {Expr(local, {v("n"), op("+"), c(1)})}))});
  Var(script, "r", fvtVariant, 0);
  auto* t = Add(body(), new TscTryStmt(&script));
  t->FIsExcept = true;
  Assign(*t, script, "r", {d(Call(script, f, {Expr(script, {c(0)})}))});
  Assign(*t->FExceptStmt, script, "r", {c("caught")});
  script.Execute();
  EXPECT_EQ(value("r"), ScriptValue("caught"));
}

TEST_F(ProcedureTest, TerminateFromTheLineHookStopsAnEmptyEndlessLoop) {
  auto* w = Add(body(), new TscWhileStmt(&script));
  w->FCondition.reset(Expr(script, {c(true)}));
  int lines = 0;
  script.FOnRunLine = [&](TscScript& s, const QString&, const QString&) {
    if (++lines == 1000) s.Terminate();
  };
  script.Execute();
  EXPECT_EQ(lines, 1000);
  EXPECT_FALSE(script.FTerminated);  // cleared for the next run
}

TEST_F(ProcedureTest, TerminateStopsAnEndlessLoopInsideAProcedure) {
  TscProcVariable* p = Function(script, "Spin", fvtInt, {}, false);
  TscScript& local = *p->Program();
  Var(local, "k", fvtInt, 0);
  auto* r = Add(*local.Statement(), new TscRepeatStmt(&local));
  r->FCondition.reset(Expr(local, {c(false)}));
  Assign(*r, local, "k", {v("k"), op("+"), c(1)});
  Var(script, "after", fvtInt, 0);
  CallStmt(body(), script, Call(script, p));
  Assign(body(), script, "after", {c(1)});
  int lines = 0;
  script.FOnRunLine = [&](TscScript& s, const QString&, const QString&) {
    if (++lines == 500) s.Terminate();
  };
  script.Execute();
  EXPECT_EQ(value("after"), ScriptValue(0));
  EXPECT_FALSE(p->FExecuting);
}

TEST_F(ProcedureTest, LineHookSeesUnitAndPosition) {
  Var(script, "n", fvtInt, 0);
  TscStatement* s = Assign(body(), script, "n", {c(1)});
  s->FSourcePos = QStringLiteral("3:5");
  s->FUnitName = QStringLiteral("lib.pas");
  QStringList seen;
  script.FOnRunLine = [&](TscScript&, const QString& unit, const QString& pos) {
    seen << unit + QLatin1Char('@') + pos;
  };
  script.Execute();
  EXPECT_EQ(seen, QStringList{QStringLiteral("lib.pas@3:5")});
}

TEST_F(ProcedureTest, CallFunctionPassesArgumentsAndReturnsNullForUnknownNames) {
  fib();
  EXPECT_EQ(script.CallFunction("fib", ScriptValue::ArrayOf({12})), ScriptValue(144));
  EXPECT_TRUE(script.CallFunction("NoSuch", ScriptValue::ArrayOf({1})).IsNull());
  TscScript child(&script);
  EXPECT_TRUE(child.CallFunction("Fib", ScriptValue::ArrayOf({3}), false).IsNull());
  EXPECT_EQ(child.CallFunction("Fib", ScriptValue::ArrayOf({3}), true), ScriptValue(2));
}

TEST_F(ProcedureTest, CallFunction1CopiesBackOnlyWhatBothArraysHold) {
  // procedure Twice(var a, b: Integer); begin a := a * 2; b := b * 2 end;
  TscProcVariable* p = Function(script, "Twice", fvtInt, {}, false);
  p->AddParameter("a", fvtInt, QString(), true);
  p->AddParameter("b", fvtInt, QString(), true, true, ScriptValue(0));
  Assign(*p->Program()->Statement(), *p->Program(), "a", {v("a"), op("*"), c(2)});
  Assign(*p->Program()->Statement(), *p->Program(), "b", {v("b"), op("*"), c(2)});
  ScriptValue both = ScriptValue::ArrayOf({3, 4});
  script.CallFunction1("Twice", both);
  EXPECT_EQ(both, ScriptValue::ArrayOf({6, 8}));
  ScriptValue shorter = ScriptValue::ArrayOf({5});
  script.CallFunction1("Twice", shorter);
  EXPECT_EQ(shorter, ScriptValue::ArrayOf({10}));
  ScriptValue longer = ScriptValue::ArrayOf({1, 2, 3});
  script.CallFunction1("Twice", longer);
  EXPECT_EQ(longer, ScriptValue::ArrayOf({2, 4, 3}));
}

TEST_F(ProcedureTest, VariablesReadAndWriteAndCreateVariants) {
  Var(script, "n", fvtInt, 1);
  script.SetVariable("n", ScriptValue(2.0));
  EXPECT_EQ(script.Variable("N"), ScriptValue(2));
  EXPECT_TRUE(script.Variable("missing").IsNull());
  script.SetVariable("fresh", ScriptValue("text"));
  EXPECT_EQ(script.Find("fresh")->FTyp, fvtVariant);
  EXPECT_EQ(script.Variable("fresh"), ScriptValue("text"));
}

TEST_F(ProcedureTest, ValueHookMayReplaceAVariablesValue) {
  script.FOnGetVarValue = [](const QString& name, TscVarType, ScriptValue& result,
                             const ScriptValue&) {
    if (name == QLatin1String("hooked")) result = ScriptValue(77);
  };
  script.AddVariable("hooked", "Integer", 1);
  script.AddVariable("plain", "Integer", 2);
  EXPECT_EQ(script.Variable("hooked"), ScriptValue(77));
  EXPECT_EQ(script.Variable("plain"), ScriptValue(2));
}

TEST_F(ProcedureTest, EvaluateWithoutACompilerReturnsTheMessage) {
  TscCompilerPhase2 none;
  TscScript::SetCompilerPhase2(none);
  ScriptValue v = script.Evaluate("1 + 1");
  EXPECT_TRUE(script.FEvaluteRiseError);
  EXPECT_EQ(v, ScriptValue("The script compiler is not available"));
}

// A stand-in for the compiler's second phase that understands just what Evaluate produces for
// a single name or number: the function scEvaluateFUNC returning it.
void evaluatePhase2(TscScript& script, TscILParser& parser) {
  TscXMLItem* root = parser.ILScript().Root();
  std::vector<TscXMLItem*> stack{root};
  TscXMLItem* expr = nullptr;
  while (!stack.empty() && !expr) {
    TscXMLItem* item = stack.back();
    stack.pop_back();
    if (item->Name() == QLatin1String("expr")) expr = item;
    for (int i = 0; i < item->Count(); ++i) stack.push_back(item->Items(i));
  }
  if (!expr || expr->Count() != 1) throw ScriptCompileError("unsupported", "1:1");
  auto* f = new TscProcVariable("scEvaluateFUNC", fvtVariant, QString(), &script, true);
  script.Add("scEvaluateFUNC", f);
  TscScript& local = *f->Program();
  auto e = std::make_unique<TscExpression>(&local);
  TscXMLItem* operand = expr->Items(0);
  if (operand->Name() == QLatin1String("number")) {
    e->AddConst(ScriptValue(operand->Prop("text").toInt()));
  } else {
    QString name = operand->Items(0)->Prop("text");
    TscCustomVariable* var = local.Find(name);
    if (!var) throw ScriptCompileError("Undeclared identifier: '" + name + "'", "1:1");
    auto* dsgn = new TscDesignator(&local);
    dsgn->AddDesignatorItem(var);
    dsgn->Finish();
    e->AddDesignator(dsgn);
  }
  e->Finalize();
  auto* result = new TscDesignator(&local);
  result->AddDesignatorItem(local.Find("Result"));
  result->Finish();
  local.Statement()->Add(scCreateAssignment(&local, result, e.release()));
}

TEST_F(ProcedureTest, EvaluateSeesTheLocalsOfTheRunningProcedure) {
  TscScript::SetCompilerPhase2(evaluatePhase2);
  // function Peek(n): Variant; var secret: Integer; begin secret := n * 3;
  //   Result := Evaluate('secret') end;   (the host's Evaluate is called by a method)
  TscProcVariable* f = Function(script, "Peek", fvtVariant, {"n"});
  TscScript& local = *f->Program();
  Var(local, "secret", fvtInt, 0);
  Assign(*local.Statement(), local, "secret", {v("n"), op("*"), c(3)});
  TscMethodHelper* evaluate = script.AddMethod(
      "function Eval(s: String): Variant",
      TscCallMethod([this](TscHostObject*, const TscHostClass*, const QString&,
                           std::vector<ScriptValue>& args) {
        return script.Evaluate(args[0].ToString());
      }));
  Assign(*local.Statement(), local, "Result",
         {d(Call(local, evaluate, {Expr(local, {c("secret")})}))});
  EXPECT_EQ(script.CallFunction("Peek", ScriptValue::ArrayOf({5})), ScriptValue(15));
  EXPECT_FALSE(script.FEvaluteRiseError);
  EXPECT_EQ(script.Evaluate("42"), ScriptValue(42));
  EXPECT_EQ(script.Evaluate("secret"), ScriptValue("Undeclared identifier: 'secret'"));
  EXPECT_TRUE(script.FEvaluteRiseError);
  TscScript::SetCompilerPhase2({});
}

TEST_F(ProcedureTest, IntermediateFormIsWrittenAndReadBackIntoTheSecondPhase) {
  script.SetLines({"begin", "  x := 1;", "end."});
  QBuffer il;
  il.open(QIODevice::ReadWrite);
  ASSERT_TRUE(script.GetILCode(il)) << script.FErrorMsg.toStdString();
  EXPECT_TRUE(il.data().startsWith("<?xml"));
  EXPECT_TRUE(il.data().contains("assignstmt"));
  int phase2Calls = 0;
  TscScript::SetCompilerPhase2([&](TscScript&, TscILParser& parser) {
    ++phase2Calls;
    EXPECT_EQ(parser.ILScript().Root()->Name(), QStringLiteral("program"));
  });
  il.seek(0);
  EXPECT_TRUE(script.SetILCode(il));
  EXPECT_EQ(phase2Calls, 1);
  TscScript::SetCompilerPhase2([](TscScript&, TscILParser&) {
    throw ScriptCompileError("Undeclared identifier: 'x'", "2:4");
  });
  il.seek(0);
  EXPECT_FALSE(script.SetILCode(il));
  EXPECT_EQ(script.FErrorMsg, QStringLiteral("Undeclared identifier: 'x'"));
  EXPECT_EQ(script.FErrorPos, QStringLiteral("2:4"));
  TscScript::SetCompilerPhase2({});
  script.SetLines({"begin", "  x := ;", "end."});
  QBuffer broken;
  broken.open(QIODevice::ReadWrite);
  EXPECT_FALSE(script.GetILCode(broken));
  EXPECT_FALSE(script.FErrorMsg.isEmpty());
}

TEST_F(ProcedureTest, CompileWithoutTheSecondPhaseReportsItAndKeepsPhaseOneErrors) {
  TscScript::SetCompilerPhase2({});
  script.SetLines({"begin", "end."});
  EXPECT_FALSE(script.Compile());
  EXPECT_EQ(script.FErrorMsg, QStringLiteral("The script compiler is not available"));
  script.SetSyntaxType("NoSuchLanguage");
  EXPECT_FALSE(script.Compile());
  EXPECT_EQ(script.FErrorMsg, QStringLiteral("Language 'NoSuchLanguage' not found"));
}

}  // namespace

namespace {

// Runs fn on a thread with a small stack.
void onSmallStack(void (*fn)(void*), void* arg) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 768 * 1024);
  struct Call {
    void (*fn)(void*);
    void* arg;
  } call{fn, arg};
  pthread_t thread;
  pthread_create(
      &thread, &attributes,
      [](void* p) -> void* {
        auto* c = static_cast<Call*>(p);
        c->fn(c->arg);
        return nullptr;
      },
      &call);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

TEST(StackTest, DeepRecursionOnASmallStackIsAScriptError) {
  TscScript script;
  TscProcVariable* f = Function(script, "Down", fvtInt, {"n"});
  TscScript& local = *f->Program();
  Assign(*local.Statement(), local, "Result",
         {d(Call(local, f, {Expr(local, {v("n"), op("+"), c(1)})}))});
  struct Outcome {
    TscScript* script;
    QString message;
  } outcome{&script, {}};
  onSmallStack(
      [](void* p) {
        auto* o = static_cast<Outcome*>(p);
        try {
          o->script->CallFunction("Down", ScriptValue::ArrayOf({0}));
        } catch (const ScriptError& e) {
          o->message = e.Message();
        }
      },
      &outcome);
  EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Stack overflow"))) << outcome.message.toStdString();
}

}  // namespace
