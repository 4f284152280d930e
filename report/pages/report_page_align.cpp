// Page alignment, run by the engine before a page is prepared: the page takes the size of its
// printable area while its objects and bands are laid out over it, then returns to the paper
// size.
#include <array>

#include "report/objects/class_info.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"

namespace {

// Bands that span the whole printable width even on a page with columns.
bool spansPage(const TrpBand& band) {
  static const std::array<const TrpClassInfo*, 6> kinds = {
      &TrpNullBand::StaticClassInfo(),   &TrpReportSummary::StaticClassInfo(),
      &TrpPageHeader::StaticClassInfo(), &TrpPageFooter::StaticClassInfo(),
      &TrpReportTitle::StaticClassInfo(), &TrpOverlay::StaticClassInfo()};
  for (const TrpClassInfo* kind : kinds)
    if (band.ClassInfo().InheritsFrom(*kind)) return true;
  return false;
}

}  // namespace

void TrpReportPage::AlignChildren() {
  SetWidth(PrintableWidth() * rp01cm);
  SetHeight(PrintableHeight() * rp01cm);
  TrpPage::AlignChildren();
  for (TrpComponent* child : Objects()) {
    auto* band = dynamic_cast<TrpBand*>(child);
    if (!band) continue;
    if (band->Vertical())
      band->SetHeight(Height() - band->Top());
    else if (FColumns > 1 && !spansPage(*band))
      band->SetWidth(FColumnWidth * rp01cm);
    else
      band->SetWidth(Width() - band->Left());
    band->AlignChildren();
  }
  UpdatePageSize();
}
