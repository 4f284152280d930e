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

  // Where a running program raised it: the line:column of the innermost statement it left (and
  // that statement's unit), empty for errors raised outside a running statement.
  const QString& RunPosition() const { return FRunPosition; }
  const QString& RunUnit() const { return FRunUnit; }
  void SetRunPosition(const QString& position, const QString& unit) {
    FRunPosition = position;
    FRunUnit = unit;
  }
  // The message followed by the line it was raised at, when known.
  QString MessageWithLine() const {
    if (FRunPosition.isEmpty()) return FMessage;
    const QString line = FRunPosition.section(QLatin1Char(':'), 0, 0);
    return FRunUnit.isEmpty() ? QStringLiteral("%1 (line %2)").arg(FMessage, line)
                              : QStringLiteral("%1 (%2, line %3)").arg(FMessage, FRunUnit, line);
  }

 private:
  QString FMessage;
  QString FRunPosition;
  QString FRunUnit;
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
