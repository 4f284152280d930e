#include "report/options/common_error_handler.h"

#include "report/options/engine_options.h"

namespace {

TrpErrorBox* gErrorBox = nullptr;

}  // namespace

void rpSetErrorBox(TrpErrorBox* box) { gErrorBox = box; }
TrpErrorBox* rpErrorBox() { return gErrorBox; }

void rpCommonErrorHandler(const TrpEngineOptions& options, const QString& text) {
  switch (options.NewSilentMode()) {
    case simSilent:
      return;
    case simReThrow:
      throw TrpError(text);
    case simMessageBoxes:
      rpShowError(gErrorBox, text);
      return;
  }
}
