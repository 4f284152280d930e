#include "report/printer/printer_error_box.h"

#include <utility>

namespace {

TrpErrorBox* gPrinterErrorBox = nullptr;

}  // namespace

TrpErrorBox* rpSetPrinterErrorBox(TrpErrorBox* box) { return std::exchange(gPrinterErrorBox, box); }

void rpPrinterErrorBox(const QString& text) { rpShowError(gPrinterErrorBox, text); }
