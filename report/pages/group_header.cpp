#include "report/pages/group_header.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/xml/xml_text.h"

namespace {
TrpComponent* createGroupHeader(TrpComponent* owner) { return new TrpGroupHeader(owner); }
}  // namespace

const TrpClassInfo& TrpGroupHeader::StaticClassInfo() {
  using C = TrpGroupHeader;
  static const TrpClassInfo info(
      "TrpGroupHeader", &TrpBand::StaticClassInfo(), &createGroupHeader,
      {
          rpPublish("AllowSplit"),
          rpPublish("Child"),
          rpString<&C::Condition, &C::SetCondition>("Condition"),
          rpBoolean<&C::DrillDown, &C::SetDrillDown>("DrillDown", false),
          rpBoolean<&C::ExpandDrillDown, &C::SetExpandDrillDown>("ExpandDrillDown", false),
          rpPublish("KeepChild"),
          rpBoolean<&C::KeepTogether, &C::SetKeepTogether>("KeepTogether", false),
          rpBoolean<&C::ReprintOnNewPage, &C::SetReprintOnNewPage>("ReprintOnNewPage", false),
          rpPublish("OutlineText"),
          rpPublish("PrintChildIfInvisible"),
          rpBoolean<&C::ResetPageNumbers, &C::SetResetPageNumbers>("ResetPageNumbers", false),
          rpBoolean<&C::ShowFooterIfDrillDown, &C::SetShowFooterIfDrillDown>(
              "ShowFooterIfDrillDown", false),
          rpBoolean<&C::ShowChildIfDrillDown, &C::SetShowChildIfDrillDown>(
              "ShowChildIfDrillDown", false),
          rpPublish("StartNewPage"),
          rpPublish("Stretched"),
          rpString<&C::DrillName, &C::SetDrillName>("DrillName"),
      });
  return info;
}

void TrpGroupHeader::AppendDiff(const TrpComponent& other, QString& out) const {
  TrpBand::AppendDiff(other, out);
  // Escaped like every text of a record, so a quotation mark in the name cannot end the value.
  if (FDrillDown) out += QLatin1String(" DrillName=\"") + rpStrToXML(FDrillName) + u'"';
}
