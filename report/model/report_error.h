#pragma once
// The error raised by report objects: renaming conflicts, invalid names, abstract operations.
// It carries the user-visible text as a QString so that non-Latin texts survive unchanged.
#include <QString>

#include <stdexcept>

class TrpError : public std::runtime_error {
 public:
  explicit TrpError(const QString& message)
      : std::runtime_error(message.toStdString()), FMessage(message) {}
  const QString& Message() const { return FMessage; }

 private:
  QString FMessage;
};
