#pragma once
// The printer layer's errors ("Printer selected is not valid"), shown through their own installed
// error box (error_box.h): a program lists them where it lists a job's outcome, apart from the
// report's errors.
#include <QString>

#include "report/res/error_box.h"

// Installs `box` (not owned) and returns the one it replaces; none puts rpShowError's message box
// back.
TrpErrorBox* rpSetPrinterErrorBox(TrpErrorBox* box);
void rpPrinterErrorBox(const QString& text);

// The message of a printer that reports no resolution or cannot be used.
inline const char* const rpInvalidPrinterText = "Printer selected is not valid";
