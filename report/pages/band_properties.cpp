// The published properties of every band. The options that only some kinds publish are declared
// here once, public only, and each kind publishes its own subset (band_kinds.cpp).
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"

const TrpClassInfo& TrpBand::StaticClassInfo() {
  using C = TrpBand;
  static const TrpClassInfo info(
      "TrpBand", &TrpReportComponent::StaticClassInfo(), nullptr,
      {
          // The kind of fill is always written, so a file read back restores it before the
          // fill's own attributes.
          rpEnum<&C::FillType, &C::SetFillType>("FillType", rpFillTypeType),
          rpObject<&C::Fill, &C::SetFill>("Fill"),
          rpObject<&C::FillGap, &C::SetFillGap>("FillGap"),
          rpPublish("Font"),
          rpPublish("Height"),
          rpPublish("Left"),
          rpPublish("ParentFont"),
          rpPublish("Restrictions"),
          rpPublish("Top"),
          rpBoolean<&C::Vertical, &C::SetVertical>("Vertical", false),
          rpPublish("Visible"),
          rpPublish("Width"),
          rpString<&C::OnAfterCalcHeight, &C::SetOnAfterCalcHeight>("OnAfterCalcHeight"),
          rpPublish("OnAfterPrint"),
          rpPublish("OnBeforePrint"),
          rpPublish("Description"),
          // Published by the kinds that use them.
          rpBoolean<&C::AllowSplit, &C::SetAllowSplit>("AllowSplit", false).PublicOnly(),
          rpReference<&C::Child, &C::SetChild>("Child").PublicOnly(),
          rpBoolean<&C::KeepChild, &C::SetKeepChild>("KeepChild", false).PublicOnly(),
          rpBoolean<&C::PrintChildIfInvisible, &C::SetPrintChildIfInvisible>(
              "PrintChildIfInvisible", false)
              .PublicOnly(),
          rpBoolean<&C::StartNewPage, &C::SetStartNewPage>("StartNewPage", false).PublicOnly(),
          rpBoolean<&C::Stretched, &C::SetStretched>("Stretched", false).PublicOnly(),
          rpString<&C::OutlineText, &C::SetOutlineText>("OutlineText").PublicOnly(),
          rpBoolean<&C::Overflow>("Overflow").NotStored().PublicOnly(),
      });
  return info;
}

const TrpClassInfo& TrpBand::ClassInfo() const { return StaticClassInfo(); }
