#include "report/views/frame.h"

#include <cmath>

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {

constexpr TrpEnumValue kFrameStyles[] = {
    {"fsSolid", fsSolid},     {"fsDash", fsDash},         {"fsDot", fsDot},
    {"fsDashDot", fsDashDot}, {"fsDashDotDot", fsDashDotDot}, {"fsDouble", fsDouble},
    {"fsAltDot", fsAltDot},   {"fsSquare", fsSquare}};
constexpr TrpEnumValue kFrameTypes[] = {
    {"ftLeft", ftLeft}, {"ftRight", ftRight}, {"ftTop", ftTop}, {"ftBottom", ftBottom}};

const TrpFrameLine& line(const TrpPersistent& o) { return static_cast<const TrpFrameLine&>(o); }
const TrpFrame& frame(const TrpPersistent& o) { return static_cast<const TrpFrame&>(o); }

}  // namespace

const TrpEnumType rpFrameStyleType{"TrpFrameStyle", kFrameStyles};
const TrpEnumType rpFrameTypeType{"TrpFrameTypes", kFrameTypes};

// --- TrpFrameLine --------------------------------------------------------------------------------

const TrpClassInfo& TrpFrameLine::StaticClassInfo() {
  using C = TrpFrameLine;
  // A line attribute equal to the frame's is not written: reading the frame's value sets it.
  static const TrpClassInfo info(
      "TrpFrameLine", nullptr, nullptr,
      {
          rpColor<&C::Color, &C::SetColor>("Color").StoredIf(
              [](const TrpPersistent& o) { return line(o).Color() != line(o).Frame().Color(); }),
          rpEnum<&C::Style, &C::SetStyle>("Style", rpFrameStyleType)
              .StoredIf([](const TrpPersistent& o) {
                return line(o).Style() != line(o).Frame().Style();
              }),
          rpFloat<&C::Width, &C::SetWidth>("Width").StoredIf(
              [](const TrpPersistent& o) { return line(o).Width() != line(o).Frame().Width(); }),
      });
  return info;
}

const TrpClassInfo& TrpFrameLine::ClassInfo() const { return StaticClassInfo(); }

void TrpFrameLine::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpFrameLine*>(&source);
  if (!other || other == this) return;
  FColor = other->FColor;
  FStyle = other->FStyle;
  FWidth = other->FWidth;
  StampChange();
}

// --- TrpFrame ------------------------------------------------------------------------------------

TrpFrame::TrpFrame()
    : FLines{{TrpFrameLine(this), TrpFrameLine(this), TrpFrameLine(this), TrpFrameLine(this)}} {
  StampChange();
}

const TrpClassInfo& TrpFrame::StaticClassInfo() {
  using C = TrpFrame;
  static const TrpClassInfo info(
      "TrpFrame", nullptr, nullptr,
      {
          rpColor<&C::Color, &C::SetColor>("Color", clBlack),
          rpBoolean<&C::DropShadow, &C::SetDropShadow>("DropShadow", false),
          rpColor<&C::ShadowColor, &C::SetShadowColor>("ShadowColor", clBlack),
          rpFloat<&C::ShadowWidth, &C::SetShadowWidth>("ShadowWidth")
              .StoredIf([](const TrpPersistent& o) { return frame(o).ShadowWidth() != 4; }),
          rpEnum<&C::Style, &C::SetStyle>("Style", rpFrameStyleType, fsSolid),
          rpSet<&C::Typ, &C::SetTyp>("Typ", rpFrameTypeType, TrpFrameTypes{}),
          rpFloat<&C::Width, &C::SetWidth>("Width")
              .StoredIf([](const TrpPersistent& o) { return frame(o).Width() != 1; }),
          rpObject<&C::LeftLine, &C::SetLeftLine>("LeftLine"),
          rpObject<&C::TopLine, &C::SetTopLine>("TopLine"),
          rpObject<&C::RightLine, &C::SetRightLine>("RightLine"),
          rpObject<&C::BottomLine, &C::SetBottomLine>("BottomLine"),
      });
  return info;
}

const TrpClassInfo& TrpFrame::ClassInfo() const { return StaticClassInfo(); }

void TrpFrame::SetColor(TColor value) {
  FColor = value;
  StampChange();
  for (TrpFrameLine& l : FLines) l.SetColor(value);
}

void TrpFrame::SetStyle(TrpFrameStyle value) {
  FStyle = value;
  StampChange();
  for (TrpFrameLine& l : FLines) l.SetStyle(value);
}

void TrpFrame::SetWidth(Extended value) {
  FWidth = value;
  StampChange();
  for (TrpFrameLine& l : FLines) l.SetWidth(value);
}

void TrpFrame::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpFrame*>(&source);
  if (!other || other == this) return;
  FColor = other->FColor;
  FDropShadow = other->FDropShadow;
  FShadowColor = other->FShadowColor;
  FShadowWidth = other->FShadowWidth;
  FStyle = other->FStyle;
  FTyp = other->FTyp;
  FWidth = other->FWidth;
  for (size_t i = 0; i < FLines.size(); ++i) FLines[i].Assign(other->FLines[i]);
  StampChange();
}
