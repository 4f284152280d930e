#pragma once
// The properties dialog of a system printer: its paper source and duplex mode, edited on a copy
// of the printer's settings record.
#include "report/printer/printer_device.h"

// Shows the dialog modally over the active window; true when the user confirmed, and then
// `settings` holds the chosen source and duplex mode. Without a widget application it shows
// nothing and gives false.
bool rpPrinterPropertiesDialog(const QString& printerName, const QList<TrpDeviceItem>& bins,
                               TrpDeviceSettings& settings);
