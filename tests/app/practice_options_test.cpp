// The practice options of the window: the guide style shown in every cell, and drops that leave
// traced characters and empty cells behind them.
#include "sheet_fixture.h"

namespace {

using stroval::GuideStyle;

TEST_F(SheetTest, TheOptionsStartAtTodaysPlainSheet) {
  EXPECT_EQ(Window().Practice->Guides(), GuideStyle::None);
  EXPECT_EQ(Window().Practice->TraceCount(), 0);
  EXPECT_EQ(Window().Practice->GuidesBox()->count(), 4);
  EXPECT_EQ(Window().Practice->TraceBox()->maximum(), 7);
  Activate();
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(Window().paneWord(c, r)->Guides(), GuideStyle::None);
}

TEST_F(SheetTest, EveryCellShowsTheChosenGuides) {
  Activate();
  for (GuideStyle style : {GuideStyle::Cross, GuideStyle::CrossAndDiagonals, GuideStyle::NineSquares,
                           GuideStyle::None}) {
    ChooseGuides(style);
    EXPECT_EQ(Window().Sheet().guides, style);
    for (int c = 1; c <= 8; ++c)
      for (int r = 1; r <= 4; ++r) EXPECT_EQ(Window().paneWord(c, r)->Guides(), style) << c << r;
  }
}

TEST_F(SheetTest, CellsMadeAfterTheChoiceTakeTheGuides) {
  ChooseGuides(GuideStyle::NineSquares);
  Activate();
  EXPECT_EQ(Window().paneWord(8, 4)->Guides(), GuideStyle::NineSquares);
}

struct TraceCase {
  int traceCount;
  int column;
  const char* row;
};

TEST_F(SheetTest, ADropTracesAsManyCellsAsChosenAndLeavesTheRestEmpty) {
  const TraceCase cases[] = {
      {0, 3, ". . 永 永 永 永 永 永"},
      {3, 1, "永 ~永 ~永 ~永 . . . ."},
      {3, 7, ". . . . . . 永 ~永"},
      {7, 1, "永 ~永 ~永 ~永 ~永 ~永 ~永 ~永"},
  };
  Activate();
  for (const TraceCase& c : cases) {
    ChooseTrace(c.traceCount);
    Generate(QStringLiteral("永一二三四五六七"));  // eight characters: every column starts empty
    Drop(1, c.column, 2);
    EXPECT_EQ(Cells(2), QString::fromUtf8(c.row)) << c.traceCount << " at " << c.column;
    EXPECT_EQ(Cells(1), QStringLiteral(". . . . . . . ."));
  }
}

TEST_F(SheetTest, ATracedDropOverAFilledRowEmptiesTheCellsBehindTheTraces) {
  Activate();
  Generate(QStringLiteral("大小"));
  Drop(1, 1, 3);
  ChooseTrace(1);
  Drop(2, 4, 3);
  EXPECT_EQ(Cells(3), QStringLiteral("大 大 大 小 ~小 . . ."));
}

TEST_F(SheetTest, GeneratingClearsTracedCellsToo) {
  Activate();
  ChooseTrace(2);
  Generate(QStringLiteral("永"));
  Drop(1, 1, 1);
  Generate(QStringLiteral("一二三"));
  EXPECT_EQ(Cells(1), QStringLiteral(". . . . . . . ."));
  for (int c = 1; c <= 3; ++c) EXPECT_FALSE(Window().paneWord(c, 1)->Traced());
}

}  // namespace
