// The paper model of a report page: paper codes, dimensions, orientation and margins.
#include <memory>

#include "pages_fixture.h"
#include "report/objects/property_access.h"
#include "report/printer/printers.h"
#include "report/printer/recording_printer_backend.h"

namespace {

using PaperTest = PageTest;

TEST_F(PaperTest, NewPageIsA4PortraitCodeNine) {
  EXPECT_EQ(Page->PaperSize(), 9);
  EXPECT_EQ(Page->Orientation(), poPortrait);
  EXPECT_MM(Page->PaperWidth(), 210);
  EXPECT_MM(Page->PaperHeight(), 297);
  EXPECT_MM(Page->Width(), 794);
  EXPECT_MM(Page->Height(), 1123);
}

TEST_F(PaperTest, NewPageHasNoMarginsAndAutomaticBins) {
  EXPECT_MM(Page->LeftMargin(), 0);
  EXPECT_MM(Page->RightMargin(), 0);
  EXPECT_MM(Page->TopMargin(), 0);
  EXPECT_MM(Page->BottomMargin(), 0);
  EXPECT_EQ(Page->Bin(), 7);
  EXPECT_EQ(Page->BinOtherPages(), 7);
  EXPECT_EQ(Page->PageCount(), 1);
}

TEST_F(PaperTest, NewPagesAreNamedPageOneAndPageTwo) {
  Page->CreateUniqueName();
  auto* second = new TrpReportPage(&Report);
  second->CreateUniqueName();
  EXPECT_EQ(Page->Name(), QStringLiteral("Page1"));
  EXPECT_EQ(second->Name(), QStringLiteral("Page2"));
}

TEST_F(PaperTest, PaperWidthIsKeptToEightDecimalsAndMakesTheSizeCustom) {
  Page->SetPaperWidth(200.123456789L);
  EXPECT_NEAR(static_cast<double>(Page->PaperWidth()), 200.12345679, 1e-12);
  EXPECT_EQ(Page->PaperSize(), 256);
  EXPECT_MM(Page->Width(), 756);  // round(200.12345679 x 3.77953) = round(756.37...)
}

TEST_F(PaperTest, PaperHeightIsKeptToEightDecimalsAndMakesTheSizeCustom) {
  Page->SetPaperHeight(100.000000004L);
  EXPECT_NEAR(static_cast<double>(Page->PaperHeight()), 100, 1e-12);
  EXPECT_EQ(Page->PaperSize(), 256);
  EXPECT_MM(Page->Height(), 378);  // round(377.953)
}

struct PaperCase {
  int Code;
  Extended Width, Height;  // portrait, mm
};

class PaperCodeTest : public PageTest, public ::testing::WithParamInterface<PaperCase> {};

TEST_P(PaperCodeTest, CodeTakesTableDimensions) {
  const PaperCase& c = GetParam();
  Page->SetPaperWidth(123);
  Page->SetPaperSize(c.Code);
  EXPECT_EQ(Page->PaperSize(), c.Code);
  EXPECT_MM(Page->PaperWidth(), c.Width);
  EXPECT_MM(Page->PaperHeight(), c.Height);
  EXPECT_MM(Page->Width(), rpRound(c.Width * rp01cm));
  EXPECT_MM(Page->Height(), rpRound(c.Height * rp01cm));
}

TEST_P(PaperCodeTest, LandscapePageTakesTableDimensionsTurned) {
  const PaperCase& c = GetParam();
  Page->SetOrientation(poLandscape);
  Page->SetPaperSize(c.Code);
  EXPECT_MM(Page->PaperWidth(), c.Height);
  EXPECT_MM(Page->PaperHeight(), c.Width);
}

INSTANTIATE_TEST_SUITE_P(Papers, PaperCodeTest,
                         ::testing::Values(PaperCase{1, 215.9L, 279.4L},  // Letter
                                           PaperCase{8, 297, 420},        // A3
                                           PaperCase{9, 210, 297},        // A4
                                           PaperCase{11, 148, 210}));     // A5

TEST_F(PaperTest, CodeMissingFromTheTableKeepsDimensions) {
  Page->SetOrientation(poLandscape);
  Page->SetPaperSize(48);  // the table jumps from 47 to 50
  EXPECT_EQ(Page->PaperSize(), 48);
  EXPECT_MM(Page->PaperWidth(), 297);
  EXPECT_MM(Page->PaperHeight(), 210);
}

TEST_F(PaperTest, CustomCodeKeepsDimensions) {
  Page->SetPaperWidth(100);
  Page->SetPaperHeight(50);
  Page->SetPaperSize(256);
  EXPECT_MM(Page->PaperWidth(), 100);
  EXPECT_MM(Page->PaperHeight(), 50);
}

TEST_F(PaperTest, SizeAndDimensionsAreStoredTogether) {
  Page->SetSizeAndDimensions(9, 100.123456789L, 50);
  EXPECT_EQ(Page->PaperSize(), 9);
  EXPECT_NEAR(static_cast<double>(Page->PaperWidth()), 100.12345679, 1e-12);
  EXPECT_MM(Page->PaperHeight(), 50);
  EXPECT_MM(Page->Width(), 378);
  EXPECT_MM(Page->Height(), 189);
}

TEST_F(PaperTest, LandscapeTurnsPaperAndMargins) {
  Page->SetLeftMargin(10);
  Page->SetRightMargin(20);
  Page->SetTopMargin(30);
  Page->SetBottomMargin(40);
  Page->SetOrientation(poLandscape);
  EXPECT_MM(Page->LeftMargin(), 30);
  EXPECT_MM(Page->RightMargin(), 40);
  EXPECT_MM(Page->TopMargin(), 20);
  EXPECT_MM(Page->BottomMargin(), 10);
  EXPECT_MM(Page->PaperWidth(), 297);
  EXPECT_MM(Page->PaperHeight(), 210);
  EXPECT_MM(Page->Width(), 1123);
  EXPECT_MM(Page->Height(), 794);
  EXPECT_EQ(Page->PaperSize(), 9);
}

TEST_F(PaperTest, PortraitAgainRestoresTheFirstMargins) {
  Page->SetLeftMargin(10);
  Page->SetRightMargin(20);
  Page->SetTopMargin(30);
  Page->SetBottomMargin(40);
  Page->SetOrientation(poLandscape);
  Page->SetOrientation(poPortrait);
  EXPECT_MM(Page->LeftMargin(), 10);
  EXPECT_MM(Page->RightMargin(), 20);
  EXPECT_MM(Page->TopMargin(), 30);
  EXPECT_MM(Page->BottomMargin(), 40);
  EXPECT_MM(Page->PaperWidth(), 210);
}

TEST_F(PaperTest, SettingTheSameOrientationChangesNothing) {
  Page->SetLeftMargin(10);
  Page->SetOrientation(poPortrait);
  EXPECT_MM(Page->LeftMargin(), 10);
  EXPECT_MM(Page->PaperWidth(), 210);
}

// A report file is read in publishing order; copying through the descriptors reads the same way.
TEST_F(PaperTest, LandscapePageReadBackKeepsItsPaper) {
  Page->SetOrientation(poLandscape);
  Page->SetPaperSize(8);
  Page->SetLeftMargin(12.5L);
  auto* copy = new TrpReportPage(&Report);
  rpCopyProperties(*Page, *copy);
  EXPECT_EQ(copy->Orientation(), poLandscape);
  EXPECT_EQ(copy->PaperSize(), 8);
  EXPECT_MM(copy->PaperWidth(), 420);
  EXPECT_MM(copy->PaperHeight(), 297);
  EXPECT_MM(copy->LeftMargin(), 12.5L);
}

TEST_F(PaperTest, CustomPageReadBackKeepsItsSize) {
  Page->SetPaperWidth(100.5L);
  Page->SetPaperHeight(60);
  auto* copy = new TrpReportPage(&Report);
  rpCopyProperties(*Page, *copy);
  EXPECT_EQ(copy->PaperSize(), 256);
  EXPECT_MM(copy->PaperWidth(), 100.5L);
  EXPECT_MM(copy->PaperHeight(), 60);
}

TEST_F(PaperTest, DefaultsComeFromTheCurrentPrinter) {
  auto backend = std::make_shared<TrpRecordingPrinterBackend>();
  TrpRecordingPrinter& printer = backend->AddPrinter(QStringLiteral("Office"));
  printer.Settings.PaperSize = 8;
  printer.Settings.Orientation = rpOrientLandscape;
  backend->SetDefaultPrinter(QStringLiteral("Office"));
  rpSetPrinterBackend(backend);
  Page->SetDefaults();
  rpSetPrinterBackend(std::make_shared<TrpRecordingPrinterBackend>());

  EXPECT_EQ(Page->PaperSize(), 8);
  EXPECT_EQ(Page->Orientation(), poLandscape);
  EXPECT_MM(Page->PaperWidth(), 420);
  EXPECT_MM(Page->PaperHeight(), 297);
  EXPECT_MM(Page->Width(), rpRound(420 * rp01cm));
  for (Extended margin : {Page->LeftMargin(), Page->RightMargin(), Page->TopMargin(),
                          Page->BottomMargin()})
    EXPECT_MM(margin, 10);
}

}  // namespace
