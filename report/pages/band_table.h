#pragma once
// The band table: the band kinds in their numbering order. A band's kind (BandNumber) is its
// class's index here, and the UI string table names each kind by its band name.
#include <span>

struct TrpClassInfo;

// TrpReportTitle, TrpReportSummary, TrpPageHeader, TrpPageFooter, TrpHeader, TrpFooter,
// TrpMasterData, TrpDetailData, TrpSubdetailData, TrpDataBand4, TrpDataBand5, TrpDataBand6,
// TrpGroupHeader, TrpGroupFooter, TrpChild, TrpColumnHeader, TrpColumnFooter, TrpOverlay.
std::span<const TrpClassInfo* const> rpBands();
