// The band table: kinds, names and the published set of each kind.
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

#include "report/objects/class_info.h"
#include "report/pages/band_kinds.h"
#include "report/pages/band_table.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"

namespace {

// What every band publishes.
const QSet<QString> kCommon = {"Name", "Tag", "FillType", "Fill", "FillGap", "Font", "Height",
                               "Left", "ParentFont", "Restrictions", "Top", "Vertical",
                               "Visible", "Width", "OnAfterCalcHeight", "OnAfterPrint",
                               "OnBeforePrint", "Description"};
const QSet<QString> kTitle = {"AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible",
                              "StartNewPage", "Stretched"};
const QSet<QString> kData = {"AllowSplit", "Child", "Columns", "ColumnWidth", "ColumnGap",
                             "DataSet", "DataSetName", "FooterAfterEach", "Filter", "KeepChild",
                             "KeepFooter", "KeepHeader", "KeepTogether", "OutlineText",
                             "PrintChildIfInvisible", "PrintIfDetailEmpty", "RowCount",
                             "StartNewPage", "Stretched", "OnMasterDetail"};

struct KindCase {
  const char* ClassName;
  const char* BandName;
  QSet<QString> Further;
};

const KindCase kKinds[] = {
    {"TrpReportTitle", "ReportTitle", kTitle},
    {"TrpReportSummary", "ReportSummary", kTitle},
    {"TrpPageHeader", "PageHeader",
     {"Child", "PrintChildIfInvisible", "PrintOnFirstPage", "Stretched"}},
    {"TrpPageFooter", "PageFooter", {"PrintOnFirstPage", "PrintOnLastPage"}},
    {"TrpHeader", "Header", kTitle + QSet<QString>{"ReprintOnNewPage"}},
    {"TrpFooter", "Footer",
     {"AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible", "Stretched"}},
    {"TrpMasterData", "MasterData", kData},
    {"TrpDetailData", "DetailData", kData},
    {"TrpSubdetailData", "SubdetailData", kData},
    {"TrpDataBand4", "Data4", kData},
    {"TrpDataBand5", "Data5", kData},
    {"TrpDataBand6", "Data6", kData},
    {"TrpGroupHeader", "GroupHeader",
     {"AllowSplit", "Child", "Condition", "DrillDown", "ExpandDrillDown", "KeepChild",
      "KeepTogether", "ReprintOnNewPage", "OutlineText", "PrintChildIfInvisible",
      "ResetPageNumbers", "ShowFooterIfDrillDown", "ShowChildIfDrillDown", "StartNewPage",
      "Stretched", "DrillName"}},
    {"TrpGroupFooter", "GroupFooter",
     {"AllowSplit", "Child", "HideIfSingleDataRecord", "KeepChild", "PrintChildIfInvisible",
      "Stretched"}},
    {"TrpChild", "Child", kTitle},
    {"TrpColumnHeader", "ColumnHeader", {"Child", "Stretched"}},
    {"TrpColumnFooter", "ColumnFooter", {}},
    {"TrpOverlay", "Overlay", {"PrintOnTop"}},
};

QSet<QString> publishedNames(const TrpClassInfo& info) {
  QSet<QString> names;
  for (const TrpPropertyDescriptor& d : info.Properties()) names.insert(QString::fromLatin1(d.Name));
  return names;
}

TEST(BandTable, ListsTheEighteenKindsInOrder) {
  const auto bands = rpBands();
  ASSERT_EQ(bands.size(), std::size(kKinds));
  for (size_t i = 0; i < bands.size(); ++i)
    EXPECT_STREQ(bands[i]->ClassName(), kKinds[i].ClassName) << i;
}

TEST(BandTable, EachKindKnowsItsNumberAndName) {
  const auto bands = rpBands();
  for (size_t i = 0; i < bands.size(); ++i) {
    std::unique_ptr<TrpComponent> object(bands[i]->Factory()(nullptr));
    auto* band = dynamic_cast<TrpBand*>(object.get());
    ASSERT_NE(band, nullptr) << kKinds[i].ClassName;
    EXPECT_EQ(band->BandNumber(), static_cast<int>(i)) << kKinds[i].ClassName;
    EXPECT_EQ(band->GetBandName(), QLatin1String(kKinds[i].BandName));
    // The band names are also the captions of the kinds in the string table.
    EXPECT_EQ(band->GetDescription(), QLatin1String(kKinds[i].BandName));
  }
}

TEST(BandTable, EachKindPublishesItsOwnSet) {
  for (const KindCase& kind : kKinds) {
    const TrpClassInfo* info = nullptr;
    for (const TrpClassInfo* band : rpBands())
      if (qstrcmp(band->ClassName(), kind.ClassName) == 0) info = band;
    ASSERT_NE(info, nullptr) << kind.ClassName;
    EXPECT_EQ(publishedNames(*info), kCommon + kind.Further) << kind.ClassName;
  }
}

TEST(BandTable, OptionsDefaultToFalseExceptThePageFlags) {
  TrpPageHeader header(nullptr);
  TrpPageFooter footer(nullptr);
  TrpGroupHeader group(nullptr);
  EXPECT_TRUE(header.PrintOnFirstPage());
  EXPECT_TRUE(footer.PrintOnFirstPage());
  EXPECT_TRUE(footer.PrintOnLastPage());
  EXPECT_FALSE(group.DrillDown());
  EXPECT_FALSE(group.StartNewPage());
  EXPECT_FALSE(group.AllowSplit());
}

TEST(BandTable, NullBandIsOfNoListedKind) {
  TrpNullBand band(nullptr);
  EXPECT_EQ(band.BandNumber(), -1);
  EXPECT_EQ(band.GetBandName(), QStringLiteral("Null"));
  EXPECT_EQ(publishedNames(band.ClassInfo()), kCommon);
}

TEST(BandTable, KindOfADerivedClassIsItsHighestListedAncestor) {
  // A class derived from a data kind still counts as that kind.
  static const TrpClassInfo derived("TrpSpecialDetail", &TrpDetailData::StaticClassInfo(),
                                    nullptr, {});
  struct SpecialDetail : TrpDetailData {
    using TrpDetailData::TrpDetailData;
    const TrpClassInfo& ClassInfo() const override { return derived; }
  } band(nullptr);
  EXPECT_EQ(band.BandNumber(), 7);
  EXPECT_EQ(band.GetBandName(), QStringLiteral("SpecialDetail"));
}

}  // namespace
