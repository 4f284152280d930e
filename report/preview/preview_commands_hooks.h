#pragma once
// Preview commands carried out by other parts of the preview subsystem (text search, the page
// settings dialog). Each installs its handler at start-up; a command without one is not offered.
#include <functional>

class TrpPreview;

struct TrpPreviewCommandHooks {
  std::function<void(TrpPreview&)> Find;
  std::function<void(TrpPreview&)> FindNext;
  std::function<void(TrpPreview&)> PageSetup;
};

TrpPreviewCommandHooks& rpPreviewCommandHooks();
