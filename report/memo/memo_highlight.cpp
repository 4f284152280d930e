#include "report/memo/memo_highlight.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_font.h"
#include "report/views/brush_fill.h"
#include "report/views/frame.h"

namespace {
constexpr TColor kHighlightRed = 0x0000FF;
}

TrpHighlight::TrpHighlight() : TrpLookItem(false) { Font()->SetColor(kHighlightRed); }

const TrpClassInfo& TrpHighlight::StaticClassInfo() {
  using C = TrpHighlight;
  static const TrpClassInfo info(
      "TrpHighlight", nullptr, nullptr,
      {rpBoolean<&C::Active, &C::SetActive>("Active", false).NotStored(),
       rpBoolean<&C::ApplyFont, &C::SetApplyFont>("ApplyFont", true),
       rpBoolean<&C::ApplyFill, &C::SetApplyFill>("ApplyFill", true),
       rpBoolean<&C::ApplyFrame, &C::SetApplyFrame>("ApplyFrame", false),
       rpObject<&C::Font, &C::SetFont>("Font"),
       rpColor<&C::Color, &C::SetColor>("Color").NotStored(),
       rpString<&C::Condition, &C::SetCondition>("Condition"),
       rpEnum<&C::FillType, &C::SetFillType>("FillType", rpFillTypeType, ftBrush),
       rpObject<&C::Fill, &C::SetFill>("Fill"),
       rpObject<&C::Frame, &C::SetFrame>("Frame"),
       rpBoolean<&C::Visible, &C::SetVisible>("Visible", true)});
  return info;
}

const TrpClassInfo& TrpHighlight::ClassInfo() const { return StaticClassInfo(); }

TColor TrpHighlight::Color() const {
  const auto* brush = dynamic_cast<const TrpBrushFill*>(Fill());
  return brush ? brush->BackColor() : clNone;
}

void TrpHighlight::SetColor(TColor value) {
  if (auto* brush = dynamic_cast<TrpBrushFill*>(Fill())) brush->SetBackColor(value);
}

TrpHighlight* TrpHighlightCollection::Add() {
  FItems.push_back(std::make_unique<TrpHighlight>());
  return FItems.back().get();
}

void TrpHighlightCollection::Assign(const TrpHighlightCollection& other) {
  if (&other == this) return;
  FItems.clear();
  for (const auto& item : other.FItems) Add()->Assign(*item);
}
