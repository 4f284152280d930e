#pragma once
// The error raised by report objects: renaming conflicts, invalid names, abstract operations.
// It carries the user-visible text as a QString so that non-Latin texts survive unchanged.
#include <QString>

#include <stdexcept>

#include "script_engine/front/script_error.h"

class TrpError : public std::runtime_error {
 public:
  explicit TrpError(const QString& message)
      : std::runtime_error(message.toStdString()), FMessage(message) {}
  const QString& Message() const { return FMessage; }

 private:
  QString FMessage;
};

// The user-visible text of any error: the report's and the script's errors keep their QString (a
// script's with the line it was raised at), others give their what() text.
inline QString rpErrorText(const std::exception& e) {
  if (const auto* report = dynamic_cast<const TrpError*>(&e)) return report->Message();
  if (const auto* script = dynamic_cast<const ScriptError*>(&e)) return script->MessageWithLine();
  return QString::fromUtf8(e.what());
}
