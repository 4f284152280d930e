#pragma once
// The state of the last text search, shared by every workspace of the process: what is looked
// for, and where the last hit is (its page is the FLastFoundPage of the workspace that found it).
#include <QString>

#include "report/units/report_units.h"

class TrpPreviewWorkspace;

struct TrpTextSearchState {
  QString TextToFind;
  bool CaseSensitive = false;
  bool TextFound = false;
  TrpRect TextBounds;  // page pixels at zoom 1, whole pixels
  int RecordNo = 0;
  int LastFoundRecord = -1;
  // The main workspace whose pages hold the hit: only it and its thumbnail strip mark it.
  const TrpPreviewWorkspace* FoundIn = nullptr;
};

TrpTextSearchState& rpTextSearch();
