#pragma once
// How the errors collected while loading or preparing a report reach the user: a message box, a
// raised exception, or nothing, as EngineOptions.NewSilentMode says.
#include <QString>

#include "report/objects/report_error.h"
#include "report/res/error_box.h"

class TrpEngineOptions;

// The installed box for the report's errors (none: rpShowError's message box or standard error
// stream). The installer keeps ownership.
void rpSetErrorBox(TrpErrorBox* box);
TrpErrorBox* rpErrorBox();

// simMessageBoxes: the error box titled with the UI string "mbError"; simSilent: nothing;
// simReThrow: raises TrpError with `text`.
void rpCommonErrorHandler(const TrpEngineOptions& options, const QString& text);
