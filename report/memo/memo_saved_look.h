#pragma once
// Private to the text object's sources: the look a highlight replaced for one output.
#include <memory>

#include "report/memo/memo_view.h"
#include "report/objects/report_font.h"
#include "report/views/fill.h"
#include "report/views/frame.h"

// What a highlight replaced, so AfterPrint can put it back.
struct TrpCustomMemoView::SavedLook {
  std::unique_ptr<TrpFont> Font;
  bool ParentFont = false;
  std::unique_ptr<TrpCustomFill> Fill;
  std::unique_ptr<TrpFrame> Frame;
  bool Visible = true;
};
