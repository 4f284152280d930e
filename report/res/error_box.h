#pragma once
// How the report subsystem shows an error to the user: the report's own errors (while loading or
// preparing, common_error_handler.h) and the printer's (printer_error_box.h) go through boxes of
// this one interface, which programs install and tests replace with boxes that record.
#include <QString>

class TrpErrorBox {
 public:
  virtual ~TrpErrorBox() = default;
  virtual void ShowError(const QString& caption, const QString& text) = 0;
};

// Shows `text` titled with the UI string "mbError" through `box`. Without a box: a stop-icon
// message box over the active window when a widget application runs, otherwise a line on the
// standard error stream, so that a program without windows never blocks on a dialog nobody sees.
void rpShowError(TrpErrorBox* box, const QString& text);
