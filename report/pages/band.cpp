// TrpBand: geometry on text-mode pages, the child link with its cycle check, the fill and the
// designer drawing.
#include "report/pages/band.h"

#include <QPainter>
#include <QSet>

#include "report/objects/class_info.h"
#include "report/objects/report_error.h"
#include "report/objects/text_mode.h"
#include "report/pages/band_kinds.h"
#include "report/res/resources.h"

namespace {

int px(Extended value) { return static_cast<int>(rpRound(value)); }

}  // namespace

TrpBand::TrpBand(TrpComponent* owner)
    : TrpReportComponent(owner),
      FFill(rpCreateFill(ftBrush)),
      FFillGap(std::make_unique<TrpFillGaps>()) {}

TrpBand::~TrpBand() = default;

QString TrpBand::GetDescription() const { return rpResources()->Get(GetBandName()); }

// --- geometry ------------------------------------------------------------------------------------

bool TrpBand::OnTextModePage() const {
  const TrpComponent* page = Page();
  return page && page->IsTextModePage();
}

void TrpBand::SetLeft(Extended value) {
  TrpReportComponent::SetLeft(OnTextModePage() ? rpSnapToColumns(value) : value);
}

void TrpBand::SetTop(Extended value) {
  TrpReportComponent::SetTop(OnTextModePage() ? rpSnapToRows(value) : value);
}

void TrpBand::SetHeight(Extended value) {
  TrpReportComponent::SetHeight(OnTextModePage() ? rpSnapToRows(value) : value);
}

// --- child ---------------------------------------------------------------------------------------

void TrpBand::SetChild(TrpChild* value) {
  // Walk the chain the new child starts; the set stops the walk should a chain ever loop
  // without passing through this band.
  QSet<const TrpBand*> seen;
  for (const TrpBand* b = value; b && !seen.contains(b); b = b->Child()) {
    if (b == this) throw TrpError(rpResources()->Get(QStringLiteral("clCirRefNotAllow")));
    seen.insert(b);
  }
  FChild = value;
}

bool TrpBand::MayBeVertical() const {
  constexpr int kFirstTreeKind = 4, kLastTreeKind = 13;  // TrpHeader .. TrpGroupFooter
  const int kind = BandNumber();
  return kind >= kFirstTreeKind && kind <= kLastTreeKind;
}

void TrpBand::SetVertical(bool value) { FVertical = value && MayBeVertical(); }

// --- fill ----------------------------------------------------------------------------------------

void TrpBand::SetFillType(TrpFillType value) {
  if (value == FFill->FillType()) return;
  FFill = rpCreateFill(value);
}

void TrpBand::SetFill(const TrpCustomFill& value) {
  if (&value == FFill.get()) return;
  SetFillType(value.FillType());
  FFill->Assign(value);
}

TrpComponent* TrpBand::FillMemo() const {
  // A band outside any report is not told when its fill object is freed; its child list is.
  return FFillMemo && Objects().contains(FFillMemo) ? FFillMemo : nullptr;
}

void TrpBand::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                   Extended offsetY) {
  if (!IsDesigning()) return;
  const Extended left = AbsLeft(), top = AbsTop();
  const int x = px(offsetX + scaleX * left), y = px(offsetY + scaleY * top);
  const int x1 = px(offsetX + scaleX * (left + Width()));
  const int y1 = px(offsetY + scaleY * (top + Height()));
  if (x1 > x && y1 > y) FFill->Draw(canvas, QRect(x, y, x1 - x, y1 - y));
}

void TrpBand::Notification(TrpComponent* removed) {
  if (removed == FChild) FChild = nullptr;
  if (removed == FFillMemo) FFillMemo = nullptr;
  TrpReportComponent::Notification(removed);
}
