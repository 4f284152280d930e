// Report page options: columns, runs, the data-set link, bands and declared defaults.
#include "pages_fixture.h"
#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/property_access.h"
#include "report/pages/band_kinds.h"

namespace {

using PageOptionsTest = PageTest;

TEST_F(PageOptionsTest, ThreeColumnsOnABareA4PageAreSeventyMillimetresWide) {
  Page->SetColumns(3);
  EXPECT_MM(Page->ColumnWidth(), 70);
  EXPECT_EQ(Page->ColumnPositions(), (QStringList{"0", "70", "140"}));
}

TEST_F(PageOptionsTest, ColumnsShareThePrintableWidth) {
  Page->SetLeftMargin(10);
  Page->SetRightMargin(20);
  Page->SetColumns(2);
  EXPECT_MM(Page->ColumnWidth(), 90);
  EXPECT_EQ(Page->ColumnPositions(), (QStringList{"0", "90"}));
}

TEST_F(PageOptionsTest, NoColumnsClearsThePositionsAndKeepsTheWidth) {
  Page->SetColumns(4);
  Page->SetColumns(0);
  EXPECT_EQ(Page->Columns(), 0);
  EXPECT_TRUE(Page->ColumnPositions().isEmpty());
  EXPECT_MM(Page->ColumnWidth(), 52.5L);
}

TEST_F(PageOptionsTest, PageCountTakesOnlyPositiveCounts) {
  Page->SetPageCount(3);
  Page->SetPageCount(0);
  EXPECT_EQ(Page->PageCount(), 3);
  Page->SetPageCount(-2);
  EXPECT_EQ(Page->PageCount(), 3);
}

TEST_F(PageOptionsTest, DataSetGivesItsNameAndIsForgottenWhenFreed) {
  auto* data = new TrpDataSet(&Report);
  data->SetUserName(QStringLiteral("Customers"));
  Page->SetDataSet(data);
  EXPECT_EQ(Page->DataSetName(), QStringLiteral("Customers"));
  delete data;
  EXPECT_EQ(Page->DataSet(), nullptr);
}

TEST_F(PageOptionsTest, DataSetIsFoundByItsName) {
  auto* data = new TrpDataSet(&Report);
  data->SetUserName(QStringLiteral("Orders"));
  Page->SetDataSetName(QStringLiteral("orders"));
  EXPECT_EQ(Page->DataSet(), data);
  Page->SetDataSetName(QString());
  EXPECT_EQ(Page->DataSet(), nullptr);
}

TEST_F(PageOptionsTest, FindBandGivesTheFirstBandOfThatKind) {
  new TrpReportTitle(Page);
  auto* first = new TrpPageHeader(Page);
  new TrpPageHeader(Page);
  EXPECT_EQ(Page->FindBand(TrpPageHeader::StaticClassInfo()), first);
  EXPECT_EQ(Page->FindBand(TrpPageFooter::StaticClassInfo()), nullptr);
}

// Properties with a declared default that a new page holds, and those a new page changed.
TEST_F(PageOptionsTest, NewPageHoldsTheDeclaredDefaults) {
  for (const char* name :
       {"Orientation", "MirrorMargins", "Columns", "Bin", "BinOtherPages", "BackPictureVisible",
        "BackPicturePrintable", "BackPictureStretched", "PageCount", "Color", "Duplex",
        "EndlessHeight", "EndlessWidth", "LargeDesignHeight", "PrintIfEmpty",
        "PrintOnPreviousPage", "ShowTitleOnPreviousPage", "ResetPageNumbers",
        "TitleBeforeHeader", "OutlineText", "HGuides", "VGuides", "OnManualBuild"}) {
    const TrpPropertyDescriptor* d = Page->ClassInfo().FindProperty(name);
    ASSERT_NE(d, nullptr) << name;
    EXPECT_TRUE(rpIsDefaultValue(*Page, *d)) << name;
  }
}

TEST_F(PageOptionsTest, PaperAndMarginsAreAlwaysWritten) {
  for (const char* name : {"PaperWidth", "PaperHeight", "PaperSize", "LeftMargin", "RightMargin",
                           "TopMargin", "BottomMargin", "ColumnWidth"}) {
    const TrpPropertyDescriptor* d = Page->ClassInfo().FindProperty(name);
    ASSERT_NE(d, nullptr) << name;
    EXPECT_FALSE(d->HasDefault()) << name;
    EXPECT_TRUE(d->IsStored(*Page)) << name;
  }
}

TEST_F(PageOptionsTest, PagePublishesFontAndVisibleFirst) {
  const auto properties = Page->ClassInfo().Properties();
  ASSERT_GE(properties.size(), 4u);
  EXPECT_STREQ(properties[2].Name, "Font");
  EXPECT_STREQ(properties[3].Name, "Visible");
  EXPECT_EQ(Page->ClassInfo().FindProperty("Left"), nullptr);
}

}  // namespace
