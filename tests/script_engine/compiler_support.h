#pragma once
// Test support for the compiler: the few system names the programs need (types, True, False,
// nil, the shared helpers), a small host class, and compiling and running a program.
#include <QString>
#include <QStringList>

#include <memory>

#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/script.h"
#include "syntax_names.h"

// Installs the compiler and registers the test module for the lifetime of the test program.
// The compiler test program does this once before its tests through a test environment.
void InstallTestCompiler();

// A host object with an Integer property "Value", a method "Add(n)", a default property
// "Items[i]" (i * 10), a constructor "Create" and an owned component "Child".
class TestCounter : public TscHostObject {
 public:
  explicit TestCounter(const QString& name = QStringLiteral("Counter"), bool withChild = true);
  ~TestCounter() override;
  const TscHostClass* HostClass() const override;
  QString ObjectName() const override { return FName; }
  int ComponentCount() const override { return FChild ? 1 : 0; }
  TscHostObject* Component(int) const override { return FChild; }
  static int Living();  // counters alive now

  QString FName;
  int FValue = 0;
  TestCounter* FChild = nullptr;
};

// Registers "TObject" (with "Free") and "TCounter" in a script.
void RegisterCounterClass(TscScript& script);

struct CompiledScript {
  std::unique_ptr<TscScript> script;
  bool ok = false;
};

// A script with the test module, the given syntax and lines, compiled.
CompiledScript CompileScript(const QString& syntax, const QStringList& lines,
                             bool withCounter = false);
