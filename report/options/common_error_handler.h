#pragma once
// How the errors collected while loading or preparing a report reach the user: a message box, a
// raised exception, or nothing, as EngineOptions.NewSilentMode says.
#include <QString>

#include "report/objects/report_error.h"

class TrpEngineOptions;

// Shows an error message to the user. The program installs one that opens a message box; tests
// install one that records.
class TrpErrorBox {
 public:
  virtual ~TrpErrorBox() = default;
  virtual void ShowError(const QString& caption, const QString& text) = 0;
};

// The installed error box (none: a stop-icon message box when a widget application runs,
// otherwise the standard error stream). The installer keeps ownership.
void rpSetErrorBox(TrpErrorBox* box);
TrpErrorBox* rpErrorBox();

// simMessageBoxes: the error box titled with the UI string "mbError"; simSilent: nothing;
// simReThrow: raises TrpError with `text`.
void rpCommonErrorHandler(const TrpEngineOptions& options, const QString& text);
