// The print job on a recording printer: which pages, in which order, how many copies, from
// which source, and the printer's state afterwards.
#include "print_job_fixture.h"

#include "report/objects/report_services.h"
#include "report/options/report_options.h"
#include "report/print/print_job_install.h"

namespace {

class PrintJob : public PrintJobFixture {};

struct OrderCase {
  const char* Range;
  TrpPrintPages Pages;
  bool Reverse;
  QStringList Expected;
};

class PrintJobPageOrder : public PrintJobFixture, public ::testing::WithParamInterface<OrderCase> {};

QStringList labels(std::initializer_list<int> pages) {
  QStringList list;
  for (int p : pages) list.append(QStringLiteral("p%1c1").arg(p));
  return list;
}

TEST_P(PrintJobPageOrder, PrintsThePagesTheRangeNamesInOrder) {
  Pages.AddTestPages(10);
  Report.PrintOptions().SetPageNumbers(QString::fromUtf8(GetParam().Range));
  Report.PrintOptions().SetPrintPages(GetParam().Pages);
  Report.PrintOptions().SetReverse(GetParam().Reverse);
  // A selection that names no page fails with a message instead of printing nothing in silence.
  const bool selectsPages = !GetParam().Expected.isEmpty();
  EXPECT_EQ(Print(), selectsPages);
  const QStringList printed = Laser->Documents.isEmpty() ? QStringList() : Sheets();
  EXPECT_EQ(printed, GetParam().Expected);
  if (selectsPages)
    EXPECT_TRUE(ErrorBoxes.isEmpty()) << qPrintable(ErrorBoxes.join('\n'));
  else
    EXPECT_TRUE(ErrorBoxes.size() == 1 && ErrorBoxes[0].endsWith("names no page to print"))
        << qPrintable(ErrorBoxes.join('\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PrintJobPageOrder,
    ::testing::Values(OrderCase{"1, 3-5, 8-", ppAll, false, labels({1, 3, 4, 5, 8, 9, 10})},
                      OrderCase{"5-3", ppAll, false, {}}, OrderCase{"0,2", ppAll, false, labels({2})},
                      OrderCase{"12", ppAll, false, {}},
                      OrderCase{"3,1,1", ppAll, false, labels({3, 1, 1})},
                      OrderCase{"1-2000000000", ppAll, false, labels({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
                      OrderCase{"1-4", ppEven, false, labels({2, 4})},
                      OrderCase{"1-4", ppEven, true, labels({4, 2})},
                      OrderCase{"", ppOdd, true, labels({9, 7, 5, 3, 1})},
                      OrderCase{"", ppOdd, false, labels({1, 3, 5, 7, 9})},
                      OrderCase{"2-3", ppAll, true, labels({3, 2})}));

struct CopiesCase {
  bool Collate;
  TrpDuplexMode Duplex;
  int Pages;
  QStringList Sheets;
  int PrinterCopies;
};

class PrintJobCopies : public PrintJobFixture, public ::testing::WithParamInterface<CopiesCase> {};

TEST_P(PrintJobCopies, RepeatsOrAsksThePrinterAndLeavesBlankBacks) {
  Pages.AddTestPages(GetParam().Pages);
  Report.PrintOptions().SetCopies(3);
  Report.PrintOptions().SetCollate(GetParam().Collate);
  Report.PrintOptions().SetDuplex(GetParam().Duplex);
  ASSERT_TRUE(Print());
  EXPECT_EQ(Sheets(), GetParam().Sheets);
  for (const TrpRecordedPage& page : Document().Pages)
    EXPECT_EQ(page.Settings.Copies, GetParam().PrinterCopies);
}

const QString kBlank;

INSTANTIATE_TEST_SUITE_P(
    Copies, PrintJobCopies,
    ::testing::Values(
        // Collated, two-sided: an odd copy leaves the back of its last sheet empty.
        CopiesCase{true, dmVertical, 3,
                   {"p1c1", "p2c1", "p3c1", kBlank, "p1c2", "p2c2", "p3c2", kBlank, "p1c3", "p2c3",
                    "p3c3", kBlank},
                   1},
        CopiesCase{true, dmHorizontal, 2, {"p1c1", "p2c1", "p1c2", "p2c2", "p1c3", "p2c3"}, 1},
        CopiesCase{true, dmNone, 3,
                   {"p1c1", "p2c1", "p3c1", "p1c2", "p2c2", "p3c2", "p1c3", "p2c3", "p3c3"}, 1},
        // Not collated: each page once, the printer makes three of it.
        CopiesCase{false, dmVertical, 3, {"p1c1", "p2c1", "p3c1"}, 3}));

TEST_F(PrintJob, TheFirstSheetOfASourceComesFromItAndAllLaterOnesFromTheOtherPagesSource) {
  for (int i = 0; i < 3; ++i) {
    TrpReportPage& page = Pages.AddTestPage();
    page.SetBin(7);
    page.SetBinOtherPages(1);
  }
  Report.PrintOptions().SetCopies(2);
  ASSERT_TRUE(Print());
  QList<int> sources;
  for (const TrpRecordedPage& page : Document().Pages) sources.append(page.Settings.DefaultSource);
  EXPECT_EQ(sources, (QList<int>{7, 1, 1, 1, 1, 1}));
}

TEST_F(PrintJob, DrawsAt600DpiWithThePageCornerOnThePaperCorner) {
  Pages.AddTestPages(1);
  ASSERT_TRUE(Print());
  ASSERT_EQ(Pages.Draws.size(), 1);
  const FakeDrawCall& d = Pages.Draws[0];
  EXPECT_DOUBLE_EQ(static_cast<double>(d.ScaleX), 6.25);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.ScaleY), 6.25);
  // The recording printer has 4 mm unprintable edges.
  EXPECT_NEAR(static_cast<double>(d.OffsetX), -4 * 600 / 25.4, 1e-9);
  EXPECT_NEAR(static_cast<double>(d.OffsetY), -4 * 600 / 25.4, 1e-9);
  EXPECT_EQ(Document().Pages[0].Settings.PaperSize, 9);
}

TEST_F(PrintJob, ScaleModePrintsAnA4PageStretchedToA3) {
  Pages.AddTestPages(2);
  Report.PrintOptions().SetPrintMode(pmScale);
  Report.PrintOptions().SetPrintOnSheet(8);
  ASSERT_TRUE(Print());
  ASSERT_EQ(Pages.Draws.size(), 2);
  for (const FakeDrawCall& d : Pages.Draws) {
    EXPECT_NEAR(static_cast<double>(d.ScaleX / 6.25L), 297.0 / 210.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(d.ScaleY / 6.25L), 420.0 / 297.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(d.PrintScale), 420.0 / 297.0, 1e-9);
  }
  for (const TrpRecordedPage& page : Document().Pages) EXPECT_EQ(page.Settings.PaperSize, 8);
  // One set-up for pages of the same kind, and the return to idle when the document ends.
  EXPECT_EQ(Laser->Resets.size(), 1 + 1);
}

TEST_F(PrintJob, JoinModePutsTwoA5PagesSideBySideOnALandscapeA4Sheet) {
  for (int i = 0; i < 4; ++i) Pages.AddTestPage(11);
  Report.PrintOptions().SetPrintMode(pmJoin);
  Report.PrintOptions().SetPrintOnSheet(9);
  Laser->MarginLeft = Laser->MarginTop = Laser->MarginRight = Laser->MarginBottom = 0;
  ASSERT_TRUE(Print());
  EXPECT_EQ(Sheets(), (QStringList{"p1c1 p2c1", "p3c1 p4c1"}));
  for (const TrpRecordedPage& page : Document().Pages) {
    EXPECT_EQ(page.Settings.PaperSize, 9);
    EXPECT_EQ(page.Settings.Orientation, rpOrientLandscape);
  }
  ASSERT_EQ(Pages.Draws.size(), 4);
  const Extended cell = 148 * 600 / 25.4L;
  EXPECT_NEAR(static_cast<double>(Pages.Draws[0].OffsetX), 0, 1e-9);
  EXPECT_NEAR(static_cast<double>(Pages.Draws[1].OffsetX), static_cast<double>(cell), 1e-6);
  EXPECT_NEAR(static_cast<double>(Pages.Draws[1].OffsetY), 0, 1e-9);
}

TEST_F(PrintJob, JoinModeWithoutCollationFillsCellsWithCopiesOfOnePage) {
  for (int i = 0; i < 2; ++i) Pages.AddTestPage(11);
  Report.PrintOptions().SetPrintMode(pmJoin);
  Report.PrintOptions().SetPrintOnSheet(9);
  Report.PrintOptions().SetCopies(2);
  Report.PrintOptions().SetCollate(false);
  ASSERT_TRUE(Print());
  EXPECT_EQ(Sheets(), (QStringList{"p1c1 p1c2", "p2c1 p2c2"}));
}

TEST_F(PrintJob, JoinModeNeverPlacesMorePagesOnASheetThanFit) {
  // 120 x 80 mm pages: the count rule says 2 x 4 on A4, but only 1 x 3 fit.
  for (int i = 0; i < 6; ++i) Pages.AddTestPage(256, poPortrait, 120, 80);
  Report.PrintOptions().SetPrintMode(pmJoin);
  Report.PrintOptions().SetPrintOnSheet(9);
  ASSERT_TRUE(Print());
  EXPECT_EQ(Sheets(), (QStringList{"p1c1 p2c1 p3c1", "p4c1 p5c1 p6c1"}));
  const Extended sheetWidth = 210 * 600 / 25.4L, sheetHeight = 297 * 600 / 25.4L;
  for (const FakeDrawCall& d : Pages.Draws) {
    EXPECT_LE(static_cast<double>(d.OffsetX + 120 * 600 / 25.4L), static_cast<double>(sheetWidth));
    EXPECT_LE(static_cast<double>(d.OffsetY + 80 * 600 / 25.4L), static_cast<double>(sheetHeight));
  }
}

TEST_F(PrintJob, SplitModePrintsAnA3PageAsTwoTilesOnLandscapeA4) {
  Pages.AddTestPage(8);
  Report.PrintOptions().SetPrintMode(pmSplit);
  Report.PrintOptions().SetPrintOnSheet(9);
  Report.PrintOptions().SetSplicingLine(3);
  Laser->MarginLeft = Laser->MarginTop = Laser->MarginRight = Laser->MarginBottom = 0;
  ASSERT_TRUE(Print());
  ASSERT_EQ(Document().Pages.size(), 2);
  for (const TrpRecordedPage& page : Document().Pages) {
    EXPECT_EQ(page.Settings.PaperSize, 9);
    EXPECT_EQ(page.Settings.Orientation, rpOrientLandscape);
  }
  ASSERT_EQ(Pages.Draws.size(), 2);
  EXPECT_NEAR(static_cast<double>(Pages.Draws[0].OffsetY), 0, 1e-9);
  // The second tile starts one sheet height less the splicing line further down the page.
  EXPECT_NEAR(static_cast<double>(Pages.Draws[1].OffsetY), -(210 - 3) * 600 / 25.4, 1e-6);
  EXPECT_NEAR(static_cast<double>(Pages.Draws[1].OffsetX), 0, 1e-9);
}

TEST_F(PrintJob, SplitModeTakesTheFirstSourceForTheStoresFirstPageOnly) {
  for (int i = 0; i < 2; ++i) {
    TrpReportPage& page = Pages.AddTestPage(8);
    page.SetBin(3);
    page.SetBinOtherPages(4);
  }
  Report.PrintOptions().SetPrintMode(pmSplit);
  Report.PrintOptions().SetPrintOnSheet(9);
  Report.PrintOptions().SetPageNumbers(QStringLiteral("2,1"));
  ASSERT_TRUE(Print());
  QList<int> sources;
  for (const TrpRecordedPage& page : Document().Pages) sources.append(page.Settings.DefaultSource);
  // Page 2's three tiles from the other pages' source, then page 1's from the first one.
  EXPECT_EQ(sources, (QList<int>{4, 4, 4, 3, 3, 3}));
}

TEST_F(PrintJob, JoinModeIgnoresOddEvenAndReverse) {
  for (int i = 0; i < 3; ++i) Pages.AddTestPage(11);
  Report.PrintOptions().SetPrintMode(pmJoin);
  Report.PrintOptions().SetPrintOnSheet(9);
  Report.PrintOptions().SetPrintPages(ppEven);
  Report.PrintOptions().SetReverse(true);
  ASSERT_TRUE(Print());
  EXPECT_EQ(Sheets(), (QStringList{"p1c1 p2c1", "p3c1"}));
}

// Without a sheet chosen (PrintOnSheet 0, as a new report has it) every page is its own sheet.
struct NoSheetCase {
  TrpPrintMode Mode;
};

class PrintJobWithoutSheet : public PrintJobFixture,
                             public ::testing::WithParamInterface<TrpPrintMode> {};

TEST_P(PrintJobWithoutSheet, PrintsEachPageOnItsOwnPaper) {
  Pages.AddTestPage(9);
  Pages.AddTestPage(8);
  Report.PrintOptions().SetPrintMode(GetParam());
  Report.PrintOptions().SetPrintOnSheet(0);
  ASSERT_TRUE(Print());
  EXPECT_EQ(Document().Pages.size(), 2);
  ASSERT_EQ(Pages.Draws.size(), 2);
  for (const FakeDrawCall& d : Pages.Draws) {
    EXPECT_DOUBLE_EQ(static_cast<double>(d.ScaleX), 6.25);
    EXPECT_DOUBLE_EQ(static_cast<double>(d.ScaleY), 6.25);
  }
  EXPECT_TRUE(ErrorBoxes.isEmpty()) << qPrintable(ErrorBoxes.join('\n'));
}

INSTANTIATE_TEST_SUITE_P(Modes, PrintJobWithoutSheet, ::testing::Values(pmScale, pmSplit, pmJoin));

TEST_F(PrintJob, AnUnreadableRangeGivesAMessageAndPrintsNothing) {
  Pages.AddTestPages(3);
  Report.PrintOptions().SetPageNumbers(QStringLiteral("1-x"));
  int after = 0;
  Report.OnAfterPrintReport = [&after] { ++after; };
  EXPECT_FALSE(Print());
  EXPECT_TRUE(Laser->Documents.isEmpty());
  ASSERT_EQ(ErrorBoxes.size(), 1);
  EXPECT_EQ(ErrorBoxes[0], QStringLiteral("Error: 'x' is not a valid integer value"));
  EXPECT_EQ(after, 1);
  EXPECT_EQ(Report.PrintOptions().PageNumbers(), QStringLiteral("1-x"));
}

TEST_F(PrintJob, AFailureWhileDrawingAbortsTheStartedDocument) {
  Pages.AddTestPages(3);
  Pages.BeforeDraw = [](int index) {
    if (index == 1) throw std::runtime_error("picture cannot be decoded");
  };
  EXPECT_FALSE(Print());
  ASSERT_EQ(Laser->Documents.size(), 1);
  EXPECT_EQ(Document().State, TrpRecordedDocument::dsAborted);
  ASSERT_EQ(ErrorBoxes.size(), 1);
  EXPECT_TRUE(ErrorBoxes[0].contains(QStringLiteral("picture cannot be decoded")));
  EXPECT_FALSE(rpPrinters()->Printer()->Printing());
}

TEST_F(PrintJob, APageThePrinterRefusesAbortsTheDocumentAndIsReported) {
  Pages.AddTestPages(2);
  Laser->FailBeginPage = true;
  EXPECT_FALSE(Print());
  ASSERT_EQ(Laser->Documents.size(), 1);
  EXPECT_EQ(Document().State, TrpRecordedDocument::dsAborted);
  EXPECT_EQ(ErrorBoxes.size(), 1);
}

TEST_F(PrintJob, ADocumentTheSpoolerRejectsIsNotReportedAsPrinted) {
  Pages.AddTestPages(1);
  Laser->FailEndDoc = true;
  EXPECT_FALSE(Print());
  EXPECT_EQ(ErrorBoxes.size(), 1);
}

TEST_F(PrintJob, CancellingWhilePrintingAbortsTheDocumentAndStillCountsAsRun) {
  Pages.AddTestPages(4);
  Report.OnPrintPage = [this](int index, int) {
    if (index == 1) Report.SetTerminated(true);
  };
  EXPECT_TRUE(Print());
  ASSERT_EQ(Laser->Documents.size(), 1);
  EXPECT_EQ(Document().State, TrpRecordedDocument::dsAborted);
  EXPECT_EQ(Pages.Draws.size(), 2);
}

TEST_F(PrintJob, WithoutPhysicalPrintersNothingIsPrinted) {
  Backend = std::make_shared<TrpRecordingPrinterBackend>();
  Pages.AddTestPages(1);
  EXPECT_FALSE(Print());
  EXPECT_EQ(ErrorBoxes, QStringList{"Error: No printers installed on your system"});
}

TEST_F(PrintJob, APrinterThatCannotBeOpenedPrintsNothing) {
  Laser->CanOpen = false;
  Pages.AddTestPages(1);
  EXPECT_FALSE(Print());
  EXPECT_TRUE(Laser->Documents.isEmpty());
  EXPECT_TRUE(ErrorBoxes.contains(QStringLiteral("Error: Printer selected is not valid")))
      << qPrintable(ErrorBoxes.join('\n'));
}

TEST_F(PrintJob, ACancelledDialogPrintsNothingAndLeavesTheOptions) {
  Pages.AddTestPages(2);
  Report.PrintOptions().SetShowDialog(true);
  DialogConfirms = false;
  DialogChoice = [](TrpPrintOptions& o) { o.SetCopies(7); };
  EXPECT_FALSE(Print());
  EXPECT_EQ(DialogShown, 1);
  EXPECT_TRUE(Laser->Documents.isEmpty());
  EXPECT_EQ(Report.PrintOptions().Copies(), 1);
  EXPECT_EQ(Pages.CopyNo(), 0);
}

TEST_F(PrintJob, TheDialogsChoicesHoldForOneJobOnly) {
  Pages.AddTestPages(2);
  Report.PrintOptions().SetShowDialog(true);
  DialogDuplex = dmVertical;
  DialogChoice = [](TrpPrintOptions& o) {
    o.SetCopies(2);
    o.SetPageNumbers(QStringLiteral("2"));
  };
  ASSERT_TRUE(Print());
  EXPECT_EQ(Sheets(), (QStringList{"p2c1", kBlank, "p2c2", kBlank}));
  EXPECT_EQ(Document().Pages[0].Settings.Duplex, rpDuplexVertical);
  EXPECT_EQ(Report.PrintOptions().Copies(), 1);
  EXPECT_TRUE(Report.PrintOptions().PageNumbers().isEmpty());
}

TEST_F(PrintJob, TheDocumentIsTitledAndWrittenWhereTheOptionsSay) {
  Pages.AddTestPages(1);
  Report.ReportOptions().SetName(QStringLiteral("Practice sheet"));
  Report.PrintOptions().SetPrnOutFileName(QStringLiteral("/tmp/pr-out.prn"));
  ASSERT_TRUE(Print());
  EXPECT_EQ(Document().Title, QStringLiteral("Practice sheet"));
  EXPECT_EQ(Document().FileName, QStringLiteral("/tmp/pr-out.prn"));
  EXPECT_EQ(Document().State, TrpRecordedDocument::dsEnded);
}

TEST_F(PrintJob, ThePageCacheIsEmptiedAfterEveryPageAndTheEventsAreRaised) {
  Pages.AddTestPages(3);
  QStringList events;
  Report.OnPrintReport = [&events] { events.append(QStringLiteral("report")); };
  Report.OnPrintPage = [&events](int index, int copy) {
    events.append(QStringLiteral("page %1/%2").arg(index).arg(copy));
  };
  Report.OnAfterPrintReport = [&events] { events.append(QStringLiteral("after")); };
  ASSERT_TRUE(Print());
  EXPECT_EQ(Pages.CacheClears, 1 + 3);
  EXPECT_EQ(events, (QStringList{"report", "page 0/1", "page 1/1", "page 2/1", "after"}));
  EXPECT_EQ(Pages.CopyNo(), 0);
}

TEST_F(PrintJob, APagesPaperChangeSetsThePrinterUpAgain) {
  Pages.AddTestPage(9);
  Pages.AddTestPage(9);
  Pages.AddTestPage(8, poLandscape);
  ASSERT_TRUE(Print());
  ASSERT_EQ(Document().Pages.size(), 3);
  EXPECT_EQ(Document().Pages[0].Settings.PaperSize, 9);
  EXPECT_EQ(Document().Pages[2].Settings.PaperSize, 8);
  EXPECT_EQ(Document().Pages[2].Settings.Orientation, rpOrientLandscape);
  // Set up for A4, again for A3 landscape, and the return to idle when the document ends.
  EXPECT_EQ(Laser->Resets.size(), 2 + 1);
}

TEST_F(PrintJob, ReportsPrintingProgressWithEachPageNumber) {
  Pages.AddTestPages(3);
  Report.PrintOptions().SetPageNumbers(QStringLiteral("3,1"));
  QStringList steps;
  Report.OnProgressStart = [&steps](TrpReport*, TrpProgressType kind, int) {
    steps.append(QStringLiteral("start %1").arg(kind == ptPrinting));
  };
  Report.OnProgress = [&steps](TrpReport*, TrpProgressType, int page) {
    steps.append(QString::number(page));
  };
  Report.OnProgressStop = [&steps](TrpReport*, TrpProgressType, int) {
    steps.append(QStringLiteral("stop"));
  };
  ASSERT_TRUE(Print());
  EXPECT_EQ(steps, (QStringList{"start 1", "3", "1", "stop"}));
}

TEST_F(PrintJob, TheInstalledJobPrintsTheStoresPages) {
  const auto previous = rpReportServices().PrintPreparedPages;
  rpInstallPrintJob();
  Pages.AddTestPages(2);
  UsePrinters();
  EXPECT_TRUE(rpReportServices().PrintPreparedPages(Pages));
  EXPECT_EQ(Sheets(), (QStringList{"p1c1", "p2c1"}));
  rpReportServices().PrintPreparedPages = previous;
}

}  // namespace
