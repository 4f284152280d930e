#pragma once
// Private to the text object's sources: the look a highlight replaced for one output.
#include <memory>

#include "report/model/fill.h"
#include "report/model/frame.h"
#include "report/model/memo_view.h"
#include "report/model/report_font.h"

// What a highlight replaced, so AfterPrint can put it back.
struct TrpCustomMemoView::SavedLook {
  std::unique_ptr<TrpFont> Font;
  bool ParentFont = false;
  std::unique_ptr<TrpCustomFill> Fill;
  std::unique_ptr<TrpFrame> Frame;
  bool Visible = true;
};
