// Stretching across vertical bands: a copy whose text needs more room grows, moves the copies
// below it in its column down and stretches its row like any object of a stretched band.
#include "vertical_bands_fixture.h"

namespace {

class VerticalStretch : public VerticalBands {
 protected:
  // Two rows of a stretched band, 30 high, crossed by three columns 100 wide whose words come
  // from a data set; each cell shows its word (growing with it) and a note 10 high below it.
  void RowsOfWords(const QStringList& words, Extended columnWidth = 100) {
    using Row = MemoryDataSet::Row;
    Rows.Rows = {Row{{"name", "A"}}, Row{{"name", "B"}}};
    for (const QString& word : words) Columns.Rows.push_back(Row{{"word", word}});
    Columns.SetUserName(QStringLiteral("Cols"));
    Report->DataSets().Add()->SetDataSetName(QStringLiteral("Cols"));
    RowBand = AddBand<TrpMasterData>("RowBand", 100, 30);
    RowBand->SetDataSet(&Rows);
    RowBand->SetStretched(true);
    AddVertical<TrpMasterData>("ColBand", 0, columnWidth)->SetDataSet(&Columns);
    AddMemo(RowBand, "Word", QStringLiteral("[Cols.\"word\"]"), 10, 80)
        ->SetStretchMode(smActualHeight);
    AddMemo(RowBand, "Note", QStringLiteral("[Rows.\"name\"][Line]"), 10, 80)->SetTop(20);
    Designed<TrpMemoView>("Note")->SetHeight(10);
  }
  TrpMasterData* RowBand = nullptr;
};

TEST_F(VerticalStretch, AGrowingCopyStretchesItsRowAndMovesItsColumnsNoteDown) {
  RowsOfWords({"one", "two\r\nlines\r\nmore", "three"});
  ASSERT_TRUE(Prepare());
  const QList<PreparedBand> rows = BandsNamed(0, "RowBand");
  ASSERT_EQ(rows.size(), 2);
  // The three lines of the second column need more than the designed 20.
  const double grown = static_cast<double>(rows[0].Height) - 30;
  EXPECT_GT(grown, 0);
  EXPECT_EQ(rows[1].Top, rows[0].Bottom());
  EXPECT_EQ(Objects(0, "Note").mid(0, 3), (QList<Placed>{{"A1", 10, 20},
                                                        {"A2", 110, 20 + grown},
                                                        {"A3", 210, 20}}));
}

TEST_F(VerticalStretch, CopiesThatFitLeaveTheRowAsDesigned) {
  RowsOfWords({"one", "two", "three"});
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Tops(BandsNamed(0, "RowBand")), (QList<double>{0, 30}));
}

TEST_F(VerticalStretch, TheRowsOwnObjectsBelowAGrowingCopyMoveDownWithIt) {
  RowsOfWords({"one", "two\r\nlines\r\nmore", "three"});
  // Across all three columns, below their notes: the row's own object, not a column's.
  AddMemo(RowBand, "Rule", QStringLiteral("[Rows.\"name\"]"), 0, 300)->SetTop(30);
  Designed<TrpMemoView>("Rule")->SetHeight(10);
  ASSERT_TRUE(Prepare());
  const QList<PreparedBand> rows = BandsNamed(0, "RowBand");
  ASSERT_EQ(rows.size(), 2);
  const double grown = static_cast<double>(rows[0].Height) - 40;
  EXPECT_GT(grown, 0);
  EXPECT_EQ(Objects(0, "Rule"),
            (QList<Placed>{{"A", 0, 30 + grown},
                            {"B", 0, 30 + grown + static_cast<double>(rows[0].Height)}}));
}

TEST_F(VerticalStretch, ACopyGrowingOnTheNextPageLeavesTheRowsOwnObjectsInPlace) {
  // Two columns of 300 fit the 718.1 units of the page; the third, growing, goes to the next.
  RowsOfWords({"one", "two", "three\r\nlines\r\nmore"}, 300);
  // Wider than a column, so the row's own object.
  AddMemo(RowBand, "Rule", QStringLiteral("[Rows.\"name\"]"), 0, 310)->SetTop(30);
  Designed<TrpMemoView>("Rule")->SetHeight(10);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 2);
  const QList<PreparedBand> rows = BandsNamed(0, "RowBand");
  ASSERT_EQ(rows.size(), 2);
  EXPECT_GT(rows[0].Height, 40);
  EXPECT_EQ(Objects(0, "Rule"), (QList<Placed>{{"A", 0, 30}, {"B", 0, 30 + static_cast<double>(rows[0].Height)}}));
}

TEST_F(VerticalStretch, OwnObjectsBelowAGrowingCopyStayMovedWhenRepeatedValuesComeBack) {
  RowsOfWords({"one", "two\r\nlines\r\nmore", "three"});
  using Row = MemoryDataSet::Row;
  for (int i = 0; i < 30; ++i) Rows.Rows.push_back(Row{{"name", "C"}});
  AddMemo(RowBand, "Rule", QStringLiteral("[Rows.\"name\"]"), 0, 300)->SetTop(30);
  Designed<TrpMemoView>("Rule")->SetHeight(10);
  // Beside the columns: shown once per run of equal values, again at the top of a new page.
  AddMemo(RowBand, "Same", QStringLiteral("x"), 400, 50)->SetSuppressRepeated(true);
  ASSERT_TRUE(Prepare());
  ASSERT_GE(PageCount(), 2);
  const QList<PreparedBand> rows = BandsNamed(1, "RowBand");
  ASSERT_FALSE(rows.isEmpty());
  const double grown = static_cast<double>(rows[0].Height) - 40;
  EXPECT_GT(grown, 0);
  EXPECT_EQ(Objects(1, "Rule").first(), (Placed{"C", 0, 30 + grown}));
  EXPECT_EQ(Texts(1, "Same").first(), "x");
}

TEST_F(VerticalStretch, ARowsOwnObjectGrowingAboveTheColumnsMovesTheirCopiesDown) {
  RowsOfWords({"one", "two", "three"});
  // Above the columns and wider than one: the row's own object, growing with its three lines.
  auto* heading = AddMemo(RowBand, "Heading", QStringLiteral("x\r\ny\r\nz"), 0, 300);
  heading->SetHeight(10);
  heading->SetStretchMode(smActualHeight);
  for (const char* name : {"Word", "Note"}) {
    auto* memo = Designed<TrpMemoView>(name);
    memo->SetTop(memo->Top() + 10);
  }
  ASSERT_TRUE(Prepare());
  const QList<Placed> headings = Objects(0, "Heading");
  ASSERT_EQ(headings.size(), 2);
  const QList<PreparedBand> rows = BandsNamed(0, "RowBand");
  ASSERT_EQ(rows.size(), 2);
  // The note of each column lies as far below the grown heading as it was designed to.
  const double grown = static_cast<double>(rows[0].Height) - 40;
  EXPECT_GT(grown, 0);
  EXPECT_EQ(Objects(0, "Note").mid(0, 3), (QList<Placed>{{"A1", 10, 30 + grown},
                                                        {"A2", 110, 30 + grown},
                                                        {"A3", 210, 30 + grown}}));
  EXPECT_EQ(Objects(0, "Word").first(), (Placed{"one", 10, 10 + grown}));
}

}  // namespace
