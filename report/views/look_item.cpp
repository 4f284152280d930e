#include "report/views/look_item.h"

#include "report/objects/report_font.h"
#include "report/views/frame.h"

TrpLookItem::TrpLookItem(bool applyFrame)
    : FFont(std::make_unique<TrpFont>()),
      FFrame(std::make_unique<TrpFrame>()),
      FFill(rpCreateFill(ftBrush)),
      FApplyFrame(applyFrame) {}

TrpLookItem::~TrpLookItem() = default;

void TrpLookItem::SetFont(const TrpFont& value) { FFont->Assign(value); }

void TrpLookItem::SetFrame(const TrpFrame& value) { FFrame->Assign(value); }

void TrpLookItem::SetFillType(TrpFillType value) {
  if (value != FFill->FillType()) FFill = rpCreateFill(value);
}

void TrpLookItem::SetFill(const TrpCustomFill& value) {
  if (&value == FFill.get()) return;
  SetFillType(value.FillType());
  FFill->Assign(value);
}
