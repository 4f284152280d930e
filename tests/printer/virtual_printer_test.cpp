// The virtual printer that stands in when the system has no printer.
#include "report/printer/paper_table.h"
#include "report/printer/printer_canvas.h"
#include "report/printer/virtual_printer.h"

#include <gtest/gtest.h>

namespace {

class VirtualPrinter : public ::testing::Test {
 protected:
  VirtualPrinter() { Printer.Init(); }
  TrpVirtualPrinter Printer{QStringLiteral("Virtual"), QString()};
};

TEST_F(VirtualPrinter, StartsOnPortraitA4At600Dpi) {
  EXPECT_TRUE(Printer.Initialized());
  EXPECT_EQ(Printer.DPI(), QPoint(600, 600));
  EXPECT_EQ(Printer.DefPaper(), 9);
  EXPECT_EQ(Printer.DefOrientation(), poPortrait);
  EXPECT_EQ(Printer.DefPaperWidth(), 210);
  EXPECT_EQ(Printer.DefPaperHeight(), 297);
  EXPECT_EQ(Printer.Paper(), 9);
  EXPECT_EQ(Printer.DefBin(), 7);
  EXPECT_EQ(Printer.DefDuplex(), 1);
  EXPECT_EQ(Printer.Bin(), -1);
  EXPECT_EQ(Printer.Duplex(), -1);
}

TEST_F(VirtualPrinter, ListsCustomThenTheStandardPapers) {
  const TrpTaggedStrings& papers = Printer.Papers();
  ASSERT_EQ(papers.Count(), 67);
  EXPECT_EQ(papers.Name(0), QStringLiteral("Custom"));
  EXPECT_EQ(papers.Tag(0), 256);
  for (int i = 0; i < 66; ++i) EXPECT_EQ(papers.Tag(i + 1), PaperInfo()[i].Number);
  EXPECT_EQ(Printer.PaperIndex(9), 9);
  EXPECT_EQ(Printer.PaperIndex(48), -1);
}

TEST_F(VirtualPrinter, ListsOnlyTheDefaultSource) {
  ASSERT_EQ(Printer.Bins().Count(), 1);
  EXPECT_EQ(Printer.Bins().Name(0), QStringLiteral("Default"));
  EXPECT_EQ(Printer.Bins().Tag(0), 7);
  EXPECT_EQ(Printer.BinIndex(7), 0);
  EXPECT_EQ(Printer.BinIndex(1), -1);
}

TEST_F(VirtualPrinter, LandscapeA4SwapsTheSidesAndHasFiveMillimetreMargins) {
  Printer.SetViewParams(9, 1, 2, poLandscape);
  EXPECT_EQ(Printer.PaperWidth(), 297);
  EXPECT_EQ(Printer.PaperHeight(), 210);
  EXPECT_EQ(Printer.Orientation(), poLandscape);
  EXPECT_EQ(Printer.LeftMargin(), 5);
  EXPECT_EQ(Printer.TopMargin(), 5);
  EXPECT_EQ(Printer.RightMargin(), 5);
  EXPECT_EQ(Printer.BottomMargin(), 5);
}

struct ViewCase {
  int Paper;
  Extended Width, Height;
  TPrinterOrientation Orientation;
  int ExpectedPaper;
  Extended ExpectedWidth, ExpectedHeight;
};

void PrintTo(const ViewCase& c, std::ostream* os) {
  *os << "paper " << c.Paper << (c.Orientation == poLandscape ? " landscape" : " portrait");
}

class VirtualView : public VirtualPrinter, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(VirtualView, TakesTableSizesOrTheRequestedCustomSize) {
  const ViewCase& c = GetParam();
  Printer.SetViewParams(c.Paper, c.Width, c.Height, c.Orientation);
  EXPECT_EQ(Printer.Paper(), c.ExpectedPaper);
  EXPECT_EQ(Printer.PaperWidth(), c.ExpectedWidth);
  EXPECT_EQ(Printer.PaperHeight(), c.ExpectedHeight);
  EXPECT_EQ(Printer.Orientation(), c.Orientation);
}

INSTANTIATE_TEST_SUITE_P(VirtualPrinter, VirtualView,
                         ::testing::Values(ViewCase{9, 0, 0, poPortrait, 9, 210, 297},
                                           ViewCase{8, 0, 0, poPortrait, 8, 297, 420},
                                           ViewCase{1, 0, 0, poLandscape, 1, 279.4L, 215.9L},
                                           ViewCase{256, 100, 150, poPortrait, 256, 100, 150},
                                           ViewCase{256, 150, 100, poLandscape, 256, 150, 100},
                                           ViewCase{48, 120, 80, poPortrait, 256, 120, 80},
                                           ViewCase{0, 99, 77, poPortrait, 256, 99, 77}));

TEST_F(VirtualPrinter, PrintParamsSetTheGeometryAndTheSource) {
  Printer.SetPrintParams(11, 0, 0, poPortrait, 3, 1, 2);
  EXPECT_EQ(Printer.Paper(), 11);
  EXPECT_EQ(Printer.PaperWidth(), 148);
  EXPECT_EQ(Printer.Bin(), 3);
}

TEST_F(VirtualPrinter, DocumentsDoNothingAndNeverFail) {
  EXPECT_TRUE(Printer.BeginDoc());
  EXPECT_TRUE(Printer.BeginPage());
  EXPECT_EQ(Printer.Canvas()->Painter(), nullptr);
  EXPECT_TRUE(Printer.EndPage());
  EXPECT_TRUE(Printer.EndDoc());
  EXPECT_TRUE(Printer.BeginRAWDoc());
  EXPECT_TRUE(Printer.WriteRAWDoc("x"));
  EXPECT_TRUE(Printer.EndRAWDoc());
  Printer.PropertiesDlg();
  EXPECT_EQ(Printer.Bin(), -1);
}

struct NameCase {
  const char* Name;
  int Paper;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.Name << '"'; }

class PaperNames : public VirtualPrinter, public ::testing::WithParamInterface<NameCase> {};

TEST_P(PaperNames, GiveTheirNumberOrCustom) {
  EXPECT_EQ(Printer.PaperNameToNumber(QString::fromUtf8(GetParam().Name)), GetParam().Paper);
}

INSTANTIATE_TEST_SUITE_P(VirtualPrinter, PaperNames,
                         ::testing::Values(NameCase{"A4", 9}, NameCase{"a3", 8},
                                           NameCase{"Letter", 1}, NameCase{"Custom", 256},
                                           NameCase{"Not a paper", 256}, NameCase{"", 256}));

TEST_F(VirtualPrinter, AnUnlistedSourceNameGivesTheDefaultSource) {
  EXPECT_EQ(Printer.BinNameToNumber(QStringLiteral("Tray 9")), 7);
  EXPECT_EQ(Printer.BinNameToNumber(QStringLiteral("default")), 7);
}

}  // namespace
