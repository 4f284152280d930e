// A system printer: initialisation, lists, geometry, view and print settings.
#include "printer_fixture.h"

namespace {

class RealPrinter : public PrinterFixture {
 protected:
  TrpRecordingPrinter& Office = Backend->AddPrinter(QStringLiteral("Office"));
};

TEST_F(RealPrinter, TakesItsDefaultsFromTheSettingsRecord) {
  Office.Settings.PaperSize = 8;
  Office.Settings.Orientation = rpOrientLandscape;
  Office.Settings.DefaultSource = 15;
  Office.Settings.Duplex = rpDuplexVertical;
  auto printer = OpenPrinter(QStringLiteral("Office"));
  ASSERT_TRUE(printer->Initialized());
  EXPECT_EQ(printer->DefPaper(), 8);
  EXPECT_EQ(printer->Paper(), 8);
  EXPECT_EQ(printer->DefOrientation(), poLandscape);
  EXPECT_EQ(printer->DefBin(), 15);
  EXPECT_EQ(printer->DefDuplex(), rpDuplexVertical);
  EXPECT_EQ(printer->DefPaperWidth(), 420);
  EXPECT_EQ(printer->DefPaperHeight(), 297);
  EXPECT_EQ(printer->Bin(), -1);
  EXPECT_EQ(printer->Duplex(), -1);
}

TEST_F(RealPrinter, IsNotOpenedBeforeInit) {
  TrpPrinter printer(QStringLiteral("Office"), QString(), Backend);
  EXPECT_FALSE(printer.Initialized());
  EXPECT_EQ(printer.Handle(), nullptr);
  EXPECT_EQ(Office.OpenCount, 0);
}

TEST_F(RealPrinter, ListsCustomFirstThenTheDriversPapersWithoutItsCustomEntry) {
  const QString longName = QString(70, QLatin1Char('P'));
  Office.Papers = {{9, QStringLiteral("A4")}, {256, QStringLiteral("Custom size")}, {1, longName}};
  auto printer = OpenPrinter(QStringLiteral("Office"));
  const TrpTaggedStrings& papers = printer->Papers();
  ASSERT_EQ(papers.Count(), 3);
  EXPECT_EQ(papers.Name(0), QStringLiteral("Custom"));
  EXPECT_EQ(papers.Tag(0), 256);
  EXPECT_EQ(papers.Tag(1), 9);
  EXPECT_EQ(papers.Tag(2), 1);
  EXPECT_EQ(papers.Name(2), QString(64, QLatin1Char('P')));
}

TEST_F(RealPrinter, ListsDefaultFirstThenTheDriversSourcesWithoutItsAutomaticOne) {
  Office.Bins = {{7, QStringLiteral("Automatic")},
                 {1, QStringLiteral("Upper tray with a rather long name")},
                 {15, QString()}};
  auto printer = OpenPrinter(QStringLiteral("Office"));
  const TrpTaggedStrings& bins = printer->Bins();
  ASSERT_EQ(bins.Count(), 3);
  EXPECT_EQ(bins.Name(0), QStringLiteral("Default"));
  EXPECT_EQ(bins.Tag(0), 7);
  EXPECT_EQ(bins.Name(1), QStringLiteral("Upper tray with a rather"));
  EXPECT_EQ(bins.Tag(2), 15);
  EXPECT_EQ(printer->BinNameToNumber(QStringLiteral("upper tray with a rather")), 1);
  EXPECT_EQ(printer->BinNameToNumber(QStringLiteral("Lower tray")), 7);
}

TEST_F(RealPrinter, MeasuresPaperAndMarginsInWholeMillimetres) {
  Office.DpiX = 300;
  Office.MarginLeft = 3;
  Office.MarginTop = 5;
  Office.MarginRight = 7;
  Office.MarginBottom = 9;
  auto printer = OpenPrinter(QStringLiteral("Office"));
  EXPECT_EQ(printer->DPI(), QPoint(300, 600));
  EXPECT_EQ(printer->PaperWidth(), 210);
  EXPECT_EQ(printer->PaperHeight(), 297);
  EXPECT_EQ(printer->LeftMargin(), 3);
  EXPECT_EQ(printer->TopMargin(), 5);
  EXPECT_EQ(printer->RightMargin(), 7);
  EXPECT_EQ(printer->BottomMargin(), 9);
}

TEST_F(RealPrinter, WithoutResolutionShowsAnErrorAndStaysUninitialised) {
  Office.DpiY = 0;
  auto printer = OpenPrinter(QStringLiteral("Office"));
  EXPECT_FALSE(printer->Initialized());
  EXPECT_EQ(printer->Handle(), nullptr);
  EXPECT_EQ(ErrorBoxes, QStringList{QStringLiteral("Error: Printer selected is not valid")});
}

TEST_F(RealPrinter, WhoseSettingsCannotBeReadStaysUninitialisedAndInert) {
  Office.CanOpen = false;
  auto printer = OpenPrinter(QStringLiteral("Office"));
  EXPECT_FALSE(printer->Initialized());
  EXPECT_EQ(printer->PaperWidth(), 0);
  printer->SetViewParams(9, 210, 297, poPortrait);
  printer->SetPrintParams(9, 210, 297, poPortrait, 7, 0, 1);
  printer->PropertiesDlg();
  EXPECT_EQ(printer->PaperWidth(), 0);
  EXPECT_FALSE(printer->BeginDoc());
  EXPECT_FALSE(printer->EndDoc());
  EXPECT_FALSE(printer->LastError().isEmpty());
}

TEST_F(RealPrinter, ThatLosesItsResolutionKeepsItsGeometry) {
  auto printer = OpenPrinter(QStringLiteral("Office"));
  Office.DpiX = 0;
  printer->SetViewParams(8, 0, 0, poPortrait);
  EXPECT_EQ(ErrorBoxes.size(), 1);
  EXPECT_EQ(printer->PaperWidth(), 210);
  EXPECT_EQ(printer->PaperHeight(), 297);
  EXPECT_EQ(printer->Paper(), 9);
  EXPECT_EQ(printer->DPI(), QPoint(600, 600));
}

TEST_F(RealPrinter, ViewParamsOfAListedPaperMeasureThatPaper) {
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetViewParams(8, 0, 0, poLandscape);
  EXPECT_EQ(printer->Paper(), 8);
  EXPECT_EQ(printer->Orientation(), poLandscape);
  EXPECT_EQ(printer->PaperWidth(), 420);
  EXPECT_EQ(printer->PaperHeight(), 297);
  EXPECT_EQ(printer->DeviceMode().PaperSize, 8);
  EXPECT_EQ(printer->DeviceMode().Orientation, rpOrientLandscape);
}

TEST_F(RealPrinter, ViewParamsOfAnUnlistedPaperUseTheCustomSizeWithA4Margins) {
  Office.MarginLeft = 6;
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetViewParams(11, 100, 150, poPortrait);
  EXPECT_EQ(printer->Paper(), 256);
  EXPECT_EQ(printer->PaperWidth(), 100);
  EXPECT_EQ(printer->PaperHeight(), 150);
  EXPECT_EQ(printer->LeftMargin(), 6);
  EXPECT_EQ(printer->DeviceMode().PaperSize, 9);
}

TEST_F(RealPrinter, ViewParamsOfACustomSizeWithoutA4MeasureTheFirstListedPaper) {
  Office.Papers = {{1, QStringLiteral("Letter")}, {8, QStringLiteral("A3")}};
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetViewParams(256, 100, 150, poPortrait);
  EXPECT_EQ(printer->DeviceMode().PaperSize, 1);
  EXPECT_EQ(printer->Paper(), 256);
  EXPECT_EQ(printer->PaperWidth(), 100);
  EXPECT_EQ(printer->PaperHeight(), 150);
}

// A printer that lists no paper but "Custom" has nothing to measure the custom size on; the
// size is applied directly rather than asked for again and again.
TEST_F(RealPrinter, ViewParamsOfACustomSizeOnACustomOnlyPrinterApplyItDirectly) {
  Office.Papers = {{256, QStringLiteral("Custom size")}};
  auto printer = OpenPrinter(QStringLiteral("Office"));
  ASSERT_EQ(printer->Papers().Count(), 1);
  printer->SetViewParams(256, 100, 150, poLandscape);
  EXPECT_EQ(printer->Paper(), 256);
  EXPECT_EQ(printer->Orientation(), poLandscape);
  EXPECT_EQ(printer->PaperWidth(), 100);
  EXPECT_EQ(printer->PaperHeight(), 150);
  EXPECT_EQ(printer->LeftMargin(), 4);
  printer->SetViewParams(9, 0, 0, poPortrait);  // unlisted there too
  EXPECT_EQ(printer->Paper(), 256);
}

struct CustomSizeCase {
  TPrinterOrientation Orientation;
  Extended Width, Height;
  int Length, RecordWidth;
};

void PrintTo(const CustomSizeCase& c, std::ostream* os) {
  *os << double(c.Width) << " x " << double(c.Height)
      << (c.Orientation == poLandscape ? " landscape" : " portrait");
}

class CustomPrintSize : public RealPrinter, public ::testing::WithParamInterface<CustomSizeCase> {};

TEST_P(CustomPrintSize, GoesIntoTheRecordInPortraitTenthsOfAMillimetre) {
  const CustomSizeCase& c = GetParam();
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetPrintParams(256, c.Width, c.Height, c.Orientation, 7, 0, 1);
  const TrpDeviceSettings& mode = printer->DeviceMode();
  EXPECT_EQ(mode.PaperSize, 256);
  EXPECT_EQ(mode.PaperLength, c.Length);
  EXPECT_EQ(mode.PaperWidth, c.RecordWidth);
  EXPECT_TRUE(mode.Fields & dfPaperLength);
  EXPECT_TRUE(mode.Fields & dfPaperWidth);
  EXPECT_EQ(printer->Paper(), 256);
}

INSTANTIATE_TEST_SUITE_P(RealPrinter, CustomPrintSize,
                         ::testing::Values(CustomSizeCase{poPortrait, 100.04L, 150.06L, 1501, 1000},
                                           CustomSizeCase{poLandscape, 150, 100, 1500, 1000},
                                           CustomSizeCase{poPortrait, 100.25L, 50.25L, 502, 1002}));

TEST_F(RealPrinter, PrintParamsOfAListedPaperClearTheCustomSize) {
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetPrintParams(256, 100, 150, poPortrait, 7, 0, 1);
  printer->SetPrintParams(8, 0, 0, poLandscape, 7, 0, 3);
  const TrpDeviceSettings& mode = printer->DeviceMode();
  EXPECT_EQ(mode.PaperSize, 8);
  EXPECT_EQ(mode.Orientation, rpOrientLandscape);
  EXPECT_EQ(mode.PaperLength, 0);
  EXPECT_EQ(mode.PaperWidth, 0);
  EXPECT_EQ(mode.Copies, 3);
  EXPECT_FALSE(mode.Collate);
  const unsigned marked = dfPaperSize | dfOrientation | dfCopies | dfDefaultSource | dfCollate;
  EXPECT_EQ(mode.Fields & marked, marked);
  EXPECT_EQ(printer->Paper(), 8);
  EXPECT_EQ(printer->Orientation(), poLandscape);
  EXPECT_EQ(printer->PaperWidth(), 420);
  ASSERT_FALSE(Office.Resets.isEmpty());
  EXPECT_EQ(Office.Resets.last(), mode);
}

TEST_F(RealPrinter, PrintParamsOfAnUnlistedPaperUseItsSizeAsCustom) {
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetPrintParams(11, 148, 210, poPortrait, 7, 0, 1);
  EXPECT_EQ(printer->DeviceMode().PaperSize, 256);
  EXPECT_EQ(printer->DeviceMode().PaperLength, 2100);
  EXPECT_EQ(printer->PaperWidth(), 148);
  EXPECT_EQ(printer->PaperHeight(), 210);
}

struct DuplexCase {
  int ReportDuplex;
  int Sent;
};

void PrintTo(const DuplexCase& c, std::ostream* os) {
  *os << "report duplex " << c.ReportDuplex << " sent as " << c.Sent;
}

class DuplexSent : public RealPrinter, public ::testing::WithParamInterface<DuplexCase> {};

TEST_P(DuplexSent, InThePlatformsNumbering) {
  Office.Settings.Duplex = rpDuplexHorizontal;  // the printer's own default
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetPrintParams(9, 0, 0, poPortrait, 7, GetParam().ReportDuplex, 1);
  EXPECT_EQ(printer->DeviceMode().Duplex, GetParam().Sent);
  EXPECT_EQ(bool(printer->DeviceMode().Fields & dfDuplex), GetParam().Sent != rpDuplexSimplex);
}

INSTANTIATE_TEST_SUITE_P(RealPrinter, DuplexSent,
                         ::testing::Values(DuplexCase{0, 3},  // dmNone: the printer's default
                                           DuplexCase{1, 2},  // dmVertical
                                           DuplexCase{2, 3},  // dmHorizontal
                                           DuplexCase{3, 1},  // dmSimplex
                                           DuplexCase{7, 3},  // not a mode: as dmNone
                                           DuplexCase{-1, 3}));

TEST_F(RealPrinter, TheDefaultSourceIsThePrintersOwn) {
  Office.Settings.DefaultSource = 15;
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->SetPrintParams(9, 0, 0, poPortrait, 7, 0, 1);
  EXPECT_EQ(printer->DeviceMode().DefaultSource, 15);
  printer->SetPrintParams(9, 0, 0, poPortrait, 2, 0, 1);
  EXPECT_EQ(printer->DeviceMode().DefaultSource, 2);
}

TEST_F(RealPrinter, ATrayChosenInThePropertiesDialogHoldsUntilTheDocumentEnds) {
  Office.Settings.DefaultSource = 15;
  Office.PropertiesDialog = [](TrpDeviceSettings& s) {
    s.DefaultSource = 4;
    return true;
  };
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->PropertiesDlg();
  EXPECT_EQ(printer->Bin(), 4);
  EXPECT_EQ(printer->Duplex(), -1);  // duplex unchanged in the dialog
  ASSERT_TRUE(printer->BeginDoc());
  for (int page = 0; page < 2; ++page) {
    printer->SetPrintParams(9, 0, 0, poPortrait, 7, 0, 1);
    EXPECT_EQ(printer->DeviceMode().DefaultSource, 4);
    printer->BeginPage();
    printer->EndPage();
  }
  printer->SetPrintParams(9, 0, 0, poPortrait, 2, 0, 1);
  EXPECT_EQ(printer->DeviceMode().DefaultSource, 2);  // an explicit source still wins
  EXPECT_TRUE(printer->EndDoc());
  EXPECT_EQ(printer->Bin(), -1);
  EXPECT_EQ(printer->DeviceMode().DefaultSource, 15);
  printer->SetPrintParams(9, 0, 0, poPortrait, 7, 0, 1);
  EXPECT_EQ(printer->DeviceMode().DefaultSource, 15);
}

TEST_F(RealPrinter, ADuplexModeChosenInThePropertiesDialogWinsUntilTheDocumentEnds) {
  Office.PropertiesDialog = [](TrpDeviceSettings& s) {
    s.Duplex = rpDuplexHorizontal;
    return true;
  };
  auto printer = OpenPrinter(QStringLiteral("Office"));
  printer->PropertiesDlg();
  EXPECT_EQ(printer->Duplex(), rpDuplexHorizontal);
  printer->SetPrintParams(9, 0, 0, poPortrait, 7, 3, 1);  // dmSimplex asked for
  EXPECT_EQ(printer->DeviceMode().Duplex, rpDuplexHorizontal);
  printer->BeginDoc();
  printer->EndDoc();
  EXPECT_EQ(printer->Duplex(), -1);
  EXPECT_EQ(printer->DeviceMode().Duplex, rpDuplexSimplex);
  EXPECT_TRUE(printer->DeviceMode().Fields & dfDuplex);
  EXPECT_TRUE(printer->DeviceMode().Fields & dfDefaultSource);
}

TEST_F(RealPrinter, ACancelledPropertiesDialogChangesNothing) {
  Office.PropertiesDialog = [](TrpDeviceSettings& s) {
    s.DefaultSource = 4;
    s.Duplex = rpDuplexVertical;
    return false;
  };
  auto printer = OpenPrinter(QStringLiteral("Office"));
  const TrpDeviceSettings before = printer->DeviceMode();
  printer->PropertiesDlg();
  EXPECT_EQ(printer->Bin(), -1);
  EXPECT_EQ(printer->Duplex(), -1);
  EXPECT_EQ(printer->DeviceMode(), before);
}

}  // namespace
