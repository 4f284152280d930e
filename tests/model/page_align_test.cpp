// Page alignment: bands follow the printable width, or the column width on a page of columns.
#include "pages_fixture.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/views/view.h"

namespace {

class PageAlignTest : public PageTest {
 protected:
  void SetUp() override {
    for (auto setMargin : {&TrpReportPage::SetLeftMargin, &TrpReportPage::SetRightMargin,
                           &TrpReportPage::SetTopMargin, &TrpReportPage::SetBottomMargin})
      (Page->*setMargin)(5.000625L);
  }
};

TEST_F(PageAlignTest, FullWidthBandFollowsThePrintableWidth) {
  auto* band = new TrpPageHeader(Page);
  Page->AlignChildren();
  EXPECT_NEAR(static_cast<double>(band->Width()), 755.9012755875, 1e-9);
}

TEST_F(PageAlignTest, PageReturnsToItsPaperSizeAfterwards) {
  new TrpPageHeader(Page);
  Page->AlignChildren();
  EXPECT_MM(Page->Width(), 794);
  EXPECT_MM(Page->Height(), 1123);
}

TEST_F(PageAlignTest, BandLeftShortensItsWidth) {
  auto* band = new TrpMasterData(Page);
  band->SetLeft(100);
  Page->AlignChildren();
  EXPECT_NEAR(static_cast<double>(band->Width()), 655.9012755875, 1e-9);
}

TEST_F(PageAlignTest, ObjectsOnThePageFillThePrintableArea) {
  auto* view = new TrpView(Page);
  view->SetAlign(baClient);
  Page->AlignChildren();
  EXPECT_NEAR(static_cast<double>(view->Width()), 755.9012755875, 1e-9);
  EXPECT_NEAR(static_cast<double>(view->Height()), (297 - 10.00125) * 3.77953, 1e-9);
}

TEST_F(PageAlignTest, BandAlignsItsOwnObjectsToItsNewWidth) {
  auto* band = new TrpMasterData(Page);
  auto* view = new TrpView(band);
  view->SetAlign(baWidth);
  Page->AlignChildren();
  EXPECT_NEAR(static_cast<double>(view->Width()), 755.9012755875, 1e-9);
}

struct ColumnCase {
  const char* Kind;
  TrpBand* (*Create)(TrpComponent* page);
  bool SpansPage;
};

template <class T>
TrpBand* make(TrpComponent* page) {
  return new T(page);
}

class ColumnPageTest : public PageAlignTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ColumnPageTest, OnlyBandsOfTheBodyTakeTheColumnWidth) {
  Page->SetColumns(2);  // (210 - 10.00125) / 2 = 99.999375 mm
  TrpBand* band = GetParam().Create(Page);
  Page->AlignChildren();
  const Extended expected = GetParam().SpansPage ? 755.9012755875L : 99.999375L * rp01cm;
  EXPECT_NEAR(static_cast<double>(band->Width()), static_cast<double>(expected), 1e-9)
      << GetParam().Kind;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ColumnPageTest,
    ::testing::Values(ColumnCase{"NullBand", &make<TrpNullBand>, true},
                      ColumnCase{"ReportSummary", &make<TrpReportSummary>, true},
                      ColumnCase{"PageHeader", &make<TrpPageHeader>, true},
                      ColumnCase{"PageFooter", &make<TrpPageFooter>, true},
                      ColumnCase{"ReportTitle", &make<TrpReportTitle>, true},
                      ColumnCase{"Overlay", &make<TrpOverlay>, true},
                      ColumnCase{"MasterData", &make<TrpMasterData>, false},
                      ColumnCase{"Header", &make<TrpHeader>, false},
                      ColumnCase{"ColumnHeader", &make<TrpColumnHeader>, false},
                      ColumnCase{"Child", &make<TrpChild>, false}),
    [](const auto& info) { return std::string(info.param.Kind); });

TEST_F(PageAlignTest, OneColumnMeansFullWidth) {
  Page->SetColumns(1);
  Page->SetColumnWidth(50);
  auto* band = new TrpMasterData(Page);
  Page->AlignChildren();
  EXPECT_NEAR(static_cast<double>(band->Width()), 755.9012755875, 1e-9);
}

}  // namespace
