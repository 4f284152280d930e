#pragma once
// The printer layer's error box ("Printer selected is not valid"). Shown as a message box titled
// with the UI string "mbError"; tests and callers without a window replace it.
#include <QString>

#include <functional>

using TrpErrorBox = std::function<void(const QString& title, const QString& text)>;

// Installs `box` and returns the one it replaces; an empty function restores the message box.
TrpErrorBox rpSetPrinterErrorBox(TrpErrorBox box);
void rpPrinterErrorBox(const QString& text);

// The message of a printer that reports no resolution or cannot be used.
inline const char* const rpInvalidPrinterText = "Printer selected is not valid";
