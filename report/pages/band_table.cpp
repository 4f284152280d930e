#include "report/pages/band_table.h"

#include <QString>

#include <array>

#include "report/objects/class_info.h"
#include "report/pages/band.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"

std::span<const TrpClassInfo* const> rpBands() {
  static const std::array<const TrpClassInfo*, 18> bands = {
      &TrpReportTitle::StaticClassInfo(),   &TrpReportSummary::StaticClassInfo(),
      &TrpPageHeader::StaticClassInfo(),    &TrpPageFooter::StaticClassInfo(),
      &TrpHeader::StaticClassInfo(),        &TrpFooter::StaticClassInfo(),
      &TrpMasterData::StaticClassInfo(),    &TrpDetailData::StaticClassInfo(),
      &TrpSubdetailData::StaticClassInfo(), &TrpDataBand4::StaticClassInfo(),
      &TrpDataBand5::StaticClassInfo(),     &TrpDataBand6::StaticClassInfo(),
      &TrpGroupHeader::StaticClassInfo(),   &TrpGroupFooter::StaticClassInfo(),
      &TrpChild::StaticClassInfo(),         &TrpColumnHeader::StaticClassInfo(),
      &TrpColumnFooter::StaticClassInfo(),  &TrpOverlay::StaticClassInfo(),
  };
  return bands;
}

int TrpBand::BandNumber() const {
  int result = -1;
  const std::span<const TrpClassInfo* const> bands = rpBands();
  for (int i = 0; i < static_cast<int>(bands.size()); ++i)
    if (ClassInfo().InheritsFrom(*bands[static_cast<size_t>(i)])) result = i;
  return result;
}

QString TrpBand::GetBandName() const {
  QString name = ClassName();
  for (const QLatin1String word : {QLatin1String("Trp"), QLatin1String("Band")}) {
    const qsizetype at = name.indexOf(word);
    if (at >= 0) name.remove(at, word.size());
  }
  return name;
}
