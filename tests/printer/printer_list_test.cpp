// The printer list: building it from the system, the virtual printer, selection.
#include "report/printer/printers.h"
#include "report/printer/virtual_printer.h"

#include "printer_fixture.h"

namespace {

class PrinterList : public PrinterFixture {};

TEST_F(PrinterList, WithoutPrintersHoldsOneVirtualPrinter) {
  TrpPrinters printers(Backend);
  EXPECT_FALSE(printers.HasPhysicalPrinters());
  EXPECT_EQ(printers.Printers(), QStringList{QStringLiteral("Virtual")});
  EXPECT_EQ(printers.PrinterIndex(), 0);
  ASSERT_NE(dynamic_cast<TrpVirtualPrinter*>(printers.Printer()), nullptr);
  EXPECT_TRUE(printers.Printer()->Initialized());
}

TEST_F(PrinterList, ListsEveryPrinterAndSelectsTheDefault) {
  Backend->AddPrinter(QStringLiteral("Office"));
  Backend->AddPrinter(QStringLiteral("Label"));
  Backend->SetDefaultPrinter(QStringLiteral("Label"));
  TrpPrinters printers(Backend);
  EXPECT_TRUE(printers.HasPhysicalPrinters());
  EXPECT_EQ(printers.Printers(), (QStringList{QStringLiteral("Office"), QStringLiteral("Label")}));
  EXPECT_EQ(printers.PrinterIndex(), 1);
  EXPECT_EQ(printers.Printer()->Name(), QStringLiteral("Label"));
}

TEST_F(PrinterList, SelectsTheFirstPrinterWhenTheDefaultIsNotListed) {
  Backend->AddPrinter(QStringLiteral("Office"));
  Backend->AddPrinter(QStringLiteral("Label"));
  Backend->SetDefaultPrinter(QStringLiteral("Gone"));
  TrpPrinters printers(Backend);
  EXPECT_EQ(printers.PrinterIndex(), 0);
}

TEST_F(PrinterList, OpensOnlyTheSelectedPrinter) {
  TrpRecordingPrinter& office = Backend->AddPrinter(QStringLiteral("Office"));
  TrpRecordingPrinter& label = Backend->AddPrinter(QStringLiteral("Label"));
  TrpPrinters printers(Backend);
  EXPECT_EQ(office.OpenCount, 1);
  EXPECT_EQ(label.OpenCount, 0);
  EXPECT_FALSE(printers.Items(1)->Initialized());
  printers.SetPrinterIndex(1);
  EXPECT_EQ(label.OpenCount, 1);
  EXPECT_TRUE(printers.Items(1)->Initialized());
}

TEST_F(PrinterList, SelectingAnInitialisedPrinterAgainDoesNotReopenIt) {
  TrpRecordingPrinter& office = Backend->AddPrinter(QStringLiteral("Office"));
  TrpPrinters printers(Backend);
  printers.SetPrinterIndex(0);
  printers.SetPrinterIndex(0);
  EXPECT_EQ(office.OpenCount, 1);
}

TEST_F(PrinterList, AddsOnePrinterPerPortOfAPrinterWithPorts) {
  Backend->AddPrinter(QStringLiteral("Shared"), QStringLiteral("LPT1:,COM2:"));
  Backend->AddPrinter(QStringLiteral("Plain"));
  TrpPrinters printers(Backend);
  ASSERT_EQ(printers.Count(), 3);
  EXPECT_EQ(printers.Items(0)->Port(), QStringLiteral("LPT1:"));
  EXPECT_EQ(printers.Items(1)->Port(), QStringLiteral("COM2:"));
  EXPECT_EQ(printers.Items(1)->Name(), QStringLiteral("Shared"));
  EXPECT_EQ(printers.Items(2)->Port(), QString());
}

TEST_F(PrinterList, FindsPrintersByNameWithoutRegardToCase) {
  Backend->AddPrinter(QStringLiteral("Office Laser"));
  TrpPrinters printers(Backend);
  EXPECT_EQ(printers.IndexOf(QStringLiteral("office LASER")), 0);
  EXPECT_EQ(printers.IndexOf(QStringLiteral("Office")), -1);
}

TEST_F(PrinterList, ItemsOutsideTheListAreNone) {
  Backend->AddPrinter(QStringLiteral("Office"));
  TrpPrinters printers(Backend);
  EXPECT_EQ(printers.Items(-1), nullptr);
  EXPECT_EQ(printers.Items(1), nullptr);
}

struct FallbackCase {
  const char* What;
  int Index;
};

void PrintTo(const FallbackCase& c, std::ostream* os) { *os << c.What << " (" << c.Index << ")"; }

class OutOfRangeIndex : public PrinterFixture,
                        public ::testing::WithParamInterface<FallbackCase> {};

// Selecting a position that names no printer falls back to the default printer instead of
// leaving the list without a current printer.
TEST_P(OutOfRangeIndex, FallsBackToTheDefaultPrinter) {
  Backend->AddPrinter(QStringLiteral("Office"));
  Backend->AddPrinter(QStringLiteral("Label"));
  Backend->SetDefaultPrinter(QStringLiteral("Label"));
  TrpPrinters printers(Backend);
  printers.SetPrinterIndex(0);
  printers.SetPrinterIndex(GetParam().Index);
  EXPECT_EQ(printers.PrinterIndex(), 1) << GetParam().What;
  ASSERT_NE(printers.Printer(), nullptr);
  EXPECT_TRUE(printers.Printer()->Initialized());
}

TEST_P(OutOfRangeIndex, FallsBackToTheFirstPrinterWithoutADefault) {
  Backend->AddPrinter(QStringLiteral("Office"));
  Backend->AddPrinter(QStringLiteral("Label"));
  TrpPrinters printers(Backend);
  printers.SetPrinterIndex(1);
  printers.SetPrinterIndex(GetParam().Index);
  EXPECT_EQ(printers.PrinterIndex(), 0) << GetParam().What;
  ASSERT_NE(printers.Printer(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(PrinterList, OutOfRangeIndex,
                         ::testing::Values(FallbackCase{"past the end", 2},
                                           FallbackCase{"far past the end", 1000},
                                           FallbackCase{"below -1", -7},
                                           FallbackCase{"default", -1}));

TEST_F(PrinterList, ClearLeavesNoCurrentPrinter) {
  Backend->AddPrinter(QStringLiteral("Office"));
  TrpPrinters printers(Backend);
  printers.Clear();
  EXPECT_EQ(printers.Count(), 0);
  EXPECT_EQ(printers.PrinterIndex(), -1);
  EXPECT_EQ(printers.Printer(), nullptr);
  printers.SetPrinterIndex(0);
  EXPECT_EQ(printers.Printer(), nullptr);
}

TEST_F(PrinterList, FillPrintersPicksUpPrintersAddedLater) {
  TrpPrinters printers(Backend);
  ASSERT_FALSE(printers.HasPhysicalPrinters());
  Backend->AddPrinter(QStringLiteral("Office"));
  printers.FillPrinters();
  EXPECT_TRUE(printers.HasPhysicalPrinters());
  EXPECT_EQ(printers.Printers(), QStringList{QStringLiteral("Office")});
}

TEST_F(PrinterList, AProcessWideListFollowsTheInstalledBackEnd) {
  Backend->AddPrinter(QStringLiteral("Office"));
  rpSetPrinterBackend(Backend);
  EXPECT_EQ(rpPrinters(), rpPrinters());
  EXPECT_EQ(rpPrinters()->Printers(), QStringList{QStringLiteral("Office")});
  rpSetPrinterBackend(std::make_shared<TrpRecordingPrinterBackend>());
  EXPECT_EQ(rpPrinters()->Printers(), QStringList{QStringLiteral("Virtual")});
}

}  // namespace
