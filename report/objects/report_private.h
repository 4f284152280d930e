#pragma once
// The report's parts that its header keeps out of sight: the engine, the store, the preview and
// progress windows and the timer that starts a preparation inside the preview's message loop.
#include <QTimer>

#include <memory>

#include "report/objects/custom_engine.h"
#include "report/objects/custom_preview.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/custom_report_script.h"

struct TrpReportPrivate {
  std::unique_ptr<TrpCustomEngine> Engine;
  std::unique_ptr<TrpCustomPreviewPages> PreviewPages;
  // The report's own modal preview window while it is shown.
  std::unique_ptr<TrpCustomPreviewForm> OwnPreviewForm;
  // A non-modal preview window, which frees itself when closed.
  TrpCustomPreviewForm* PreviewForm = nullptr;
  std::unique_ptr<TrpCustomProgress> Progress;
  QTimer Timer;
  // The report's script binding, or none when no binding is installed.
  std::unique_ptr<TrpCustomReportScript> Script;
};
