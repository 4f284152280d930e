#include "compiler_support.h"

#include <gtest/gtest.h>

#include "script_engine/compiler/compiler.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/created_objects.h"
#include "script_engine/interpreter/helpers.h"
#include "script_engine/modules/classes_module.h"

namespace {

int gLiving = 0;

const TscHostClass& counterClass() {
  static const TscHostClass c(
      QStringLiteral("TCounter"), &scGeneralClasses().Object,
      {TscPublishedProperty{QStringLiteral("Value"), TscPropertyKind::Integer, QString(),
                            [](TscHostObject& o) {
                              return ScriptValue(static_cast<TestCounter&>(o).FValue);
                            },
                            [](TscHostObject& o, const ScriptValue& v) {
                              static_cast<TestCounter&>(o).FValue = v.ToInt32();
                            }}});
  return c;
}

// The system names the test programs use; the real system module registers many more.
class TestSystemModule : public TscRTTIModule {
 public:
  explicit TestSystemModule(TscScript* s) : TscRTTIModule(s) {
    const struct { const char* name; TscVarType typ; } types[] = {
        {"Integer", fvtInt},   {"Int64", fvtInt64},   {"Boolean", fvtBool},
        {"Extended", fvtFloat}, {"Double", fvtFloat}, {"Char", fvtChar},
        {"String", fvtString}, {"Variant", fvtVariant}, {"Array", fvtArray}};
    for (const auto& t : types) s->AddType(QString::fromLatin1(t.name), t.typ);
    s->AddConst(QStringLiteral("True"), QStringLiteral("Boolean"), ScriptValue(true));
    s->AddConst(QStringLiteral("False"), QStringLiteral("Boolean"), ScriptValue(false));
    s->AddConst(QStringLiteral("nil"), QStringLiteral("Variant"), ScriptValue(0));
    s->AddVariable(QStringLiteral("ExceptionMessage"), QStringLiteral("String"), ScriptValue(""));
    s->AddVariable(QStringLiteral("ExceptionClassName"), QStringLiteral("String"),
                   ScriptValue(""));
  }
};

TscRTTIModule* makeTestModule(TscScript* s) { return new TestSystemModule(s); }

}  // namespace

void InstallTestCompiler() {
  scInstallCompiler();
  scAddRTTIModule(makeTestModule);
}

TestCounter::TestCounter(const QString& name, bool withChild) : FName(name) {
  ++gLiving;
  if (withChild) FChild = new TestCounter(QStringLiteral("Child"), false);
}

TestCounter::~TestCounter() {
  delete FChild;
  --gLiving;
}

const TscHostClass* TestCounter::HostClass() const { return &counterClass(); }
int TestCounter::Living() { return gLiving; }

void RegisterCounterClass(TscScript& script) {
  // Counters a script makes belong to it, as every object a script creates does.
  TscClassVariable* counter = script.AddClass(&counterClass(), QStringLiteral("TObject"));
  counter->AddMethod(QStringLiteral("constructor Create"),
                     [&script](TscHostObject*, const TscHostClass*, const QString&,
                               std::vector<ScriptValue>&) {
                       return script.CreatedObjects().Adopt(
                           new TestCounter(QStringLiteral("Made"), false));
                     });
  counter->AddMethod(QStringLiteral("procedure Add(n: Integer)"),
                     [](TscHostObject* self, const TscHostClass*, const QString&,
                        std::vector<ScriptValue>& args) {
                       static_cast<TestCounter*>(self)->FValue += args[0].ToInt32();
                       return ScriptValue::Null();
                     });
  counter->AddDefaultProperty(QStringLiteral("Items"), QStringLiteral("Integer"),
                              QStringLiteral("Integer"),
                              [](TscHostObject*, const TscHostClass*, const QString&,
                                 std::vector<ScriptValue>& args) {
                                return ScriptValue(args[0].ToInt32() * 10);
                              });
}

CompiledScript CompileScript(const QString& syntax, const QStringList& lines, bool withCounter) {
  CompiledScript c;
  c.script = std::make_unique<TscScript>();
  c.script->AddRTTI();
  if (withCounter) RegisterCounterClass(*c.script);
  c.script->SetSyntaxType(syntax);
  c.script->SetLines(lines);
  c.ok = c.script->Compile();
  return c;
}

namespace {

// Every test of the compiler program runs with the compiler and the test module installed.
class CompilerEnvironment : public testing::Environment {
 public:
  void SetUp() override { InstallTestCompiler(); }
};
const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new CompilerEnvironment);

}  // namespace
