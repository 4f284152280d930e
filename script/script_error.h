#pragma once
// The one exception type of the script engine. Value conversions, value arithmetic, grammar and
// XML loading all raise it; the interpreter's try-except statement catches it. The message is kept
// as a QString so that non-Latin texts survive untouched.
#include <QString>

#include <stdexcept>

class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const QString& message)
      : std::runtime_error(message.toStdString()), FMessage(message) {}
  const QString& Message() const { return FMessage; }

 private:
  QString FMessage;
};

// A compile error that ends phase 1 at once, whatever backtracking is still pending: it carries
// its own line:column position and the unit (included file) it lies in.
class ScriptCompileError : public ScriptError {
 public:
  ScriptCompileError(const QString& message, const QString& position, const QString& unit = QString())
      : ScriptError(message), FPosition(position), FUnit(unit) {}
  const QString& Position() const { return FPosition; }
  const QString& Unit() const { return FUnit; }

 private:
  QString FPosition;
  QString FUnit;
};
