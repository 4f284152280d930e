#pragma once
// The state of the last text search, shared by every workspace of the process: what is looked
// for, and where the last hit is (its page is the workspace's FLastFoundPage).
#include <QString>

#include "report/units/report_units.h"

struct TrpTextSearchState {
  QString TextToFind;
  bool CaseSensitive = false;
  bool TextFound = false;
  TrpRect TextBounds;  // page pixels at zoom 1
  int RecordNo = 0;
  int LastFoundRecord = -1;
};

TrpTextSearchState& rpTextSearch();
