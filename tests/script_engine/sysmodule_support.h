#pragma once
// Test support for the system module: a pinned locale record (so results never depend on the
// machine), recorded message boxes, and evaluating expressions and running programs in a
// script that received the modules.
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <ostream>

#include "script_engine/interpreter/script.h"
#include "syntax_names.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }


// Installs the compiler, pins the locale record below and records message boxes. Decimal ".",
// thousands ",", dates "dd.mm.yyyy" with ".", times "hh:nn:ss" with ":", English names.
void PinSystemModuleEnvironment();

// The texts ShowMessage showed since the last call, one per message.
QStringList TakeShownMessages();

// The value of an expression in a script of the syntax (runtime errors propagate as ScriptError).
// A compile error fails the test and gives its message.
ScriptValue EvaluateIn(const QString& syntax, const QString& expression);

// An expression and the text of its expected result.
struct ExpressionCase {
  const char* expression;
  const char* expected;
};

// Evaluates every case in a script of the syntax and expects its result's text.
void ExpectAll(const QString& syntax, std::initializer_list<ExpressionCase> cases);

// Compiles and runs a program; returns the script (so tests read its variables). A compile error
// fails the test. Runtime errors propagate.
std::unique_ptr<TscScript> RunProgram(const QString& syntax, const QStringList& lines);

// The message of the ScriptError a program raises, or "" when it runs through.
QString RuntimeError(const QString& syntax, const QStringList& lines);
