#pragma once
// The dialogs the system functions open (ShowMessage), behind an interface so that a window
// host shows real message boxes, a command-line runner prints, and tests record.
#include <QString>

#include <memory>

class TscSystemDialogs {
 public:
  virtual ~TscSystemDialogs() = default;
  // Shows the text and returns when the user has closed it.
  virtual void ShowMessage(const QString& text) = 0;
};

// The dialogs in use; without an installed one, messages are written to standard output.
TscSystemDialogs& scSystemDialogs();
// Installs dialogs (nullptr: back to standard output); returns the previous ones.
std::unique_ptr<TscSystemDialogs> scSetSystemDialogs(std::unique_ptr<TscSystemDialogs> dialogs);
