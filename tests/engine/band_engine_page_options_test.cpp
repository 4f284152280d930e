// Page options through the engine and the real store: how often a page runs (its own data set,
// PageCount, PrintIfEmpty), page numbers restarted by a page, and the objects of a growing band
// (ShiftMode, smMaxHeight).
#include "real_services_fixture.h"

namespace {

using Row = MemoryDataSet::Row;

class PageOptions : public EngineWithRealServices {
 protected:
  void SetUp() override {
    EngineWithRealServices::SetUp();
    Page = NewPage(QStringLiteral("Page1"));
  }
  // A page header on `page` whose text object "<page>Numbers" shows `text`.
  void AddHeader(TrpReportPage* page, const QString& text) {
    AddMemo(AddBand<TrpPageHeader>(page, page->Name() + "Header", 0, 20), page->Name() + "Numbers", text, 300);
  }
  // The texts of the page headers' text objects, page by page.
  QStringList AllNumbers() const {
    QStringList texts;
    for (int i = 0; i < PageCount(); ++i)
      for (const QString& page : {QStringLiteral("Page1"), QStringLiteral("Page2")}) texts << Texts(i, page + "Numbers");
    return texts;
  }
  TrpReportPage* Page = nullptr;
};

// ---- how often a page runs

struct PageRunCase {
  const char* Behaviour;
  int Rows;               // rows of the data set "Rows"
  bool PageData;          // the page runs on "Rows"
  bool MasterData;        // a master data band on "Rows"
  int Count;              // PageCount
  bool PrintIfEmpty;      // the page's
  bool EnginePrintIfEmpty;
  int Pages;              // prepared pages expected
};

class PageRuns : public PageOptions, public ::testing::WithParamInterface<PageRunCase> {};

TEST_P(PageRuns, MakeTheExpectedNumberOfPages) {
  const PageRunCase c = GetParam();
  AddNamedRows({c.Rows});
  AddHeader(Page, QStringLiteral("[Page#]"));
  if (c.PageData) Page->SetDataSet(&Rows);
  if (c.MasterData) {
    auto* rows = AddBand<TrpMasterData>(Page, "Rows", 100, 20);
    rows->SetDataSet(&Rows);
  }
  Page->SetPageCount(c.Count);
  Page->SetPrintIfEmpty(c.PrintIfEmpty);
  Report->EngineOptions().SetPrintIfEmpty(c.EnginePrintIfEmpty);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(PageCount(), c.Pages) << c.Behaviour;
  QStringList numbers;
  for (int i = 1; i <= c.Pages; ++i) numbers << QString::number(i);
  EXPECT_EQ(AllNumbers(), numbers) << c.Behaviour;
}

INSTANTIATE_TEST_SUITE_P(
    Options, PageRuns,
    ::testing::Values(PageRunCase{"once by default", 0, false, false, 1, true, true, 1},
                      PageRunCase{"PageCount times", 0, false, false, 3, true, true, 3},
                      PageRunCase{"once per record of its data set", 3, true, false, 1, true, true, 3},
                      PageRunCase{"its data set overrules PageCount", 2, true, false, 5, true, true, 2},
                      PageRunCase{"not at all for an empty data set", 0, true, false, 3, true, true, 0},
                      PageRunCase{"empty data shown while PrintIfEmpty", 0, false, true, 1, true, true, 1},
                      PageRunCase{"empty data hidden by the page", 0, false, true, 1, false, true, 0},
                      PageRunCase{"empty data hidden by the engine", 0, false, true, 1, true, false, 0},
                      PageRunCase{"data shown without PrintIfEmpty", 2, false, true, 1, false, false, 1},
                      PageRunCase{"each of PageCount runs with data", 2, false, true, 2, false, true, 2},
                      PageRunCase{"only the runs of a page", 0, false, false, 2, false, true, 0}));

TEST_F(PageOptions, APageWithADataSetShowsItsCurrentRecordOnEachRun) {
  AddNamedRows({3});
  Page->SetDataSet(&Rows);
  AddHeader(Page, QStringLiteral("[Rows.\"id\"] [Page#]"));
  auto* detail = AddBand<TrpMasterData>(Page, "Once", 100, 20);
  detail->SetRowCount(1);
  AddMemo(detail, "Row", QStringLiteral("[Rows.\"id\"]"), 100);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(PageCount(), 3);
  EXPECT_EQ(AllNumbers(), (QStringList{"r0 1", "r1 2", "r2 3"}));
  EXPECT_EQ(Texts(2, "Row"), QStringList{"r2"});  // the band sees the page's record
}

// ---- page numbers

struct NumberingCase {
  const char* Behaviour;
  bool Reset;  // the second page restarts the numbers
  QStringList Numbers;
};

class PageNumbering : public PageOptions, public ::testing::WithParamInterface<NumberingCase> {};

TEST_P(PageNumbering, CountsThroughTheReportOrFromThePageThatResets) {
  const NumberingCase c = GetParam();
  Page->SetPageCount(2);
  AddHeader(Page, QStringLiteral("[Page]/[TotalPages] [Page#]/[<TotalPages#>]"));
  TrpReportPage* second = NewPage(QStringLiteral("Page2"));
  second->SetPageCount(2);
  second->SetResetPageNumbers(c.Reset);
  AddBand<TrpMasterData>(second, "Rows2", 100, 100)->SetRowCount(15);  // two pages a run
  AddHeader(second, QStringLiteral("[Page]/[TotalPages] [Page#]/[<TotalPages#>]"));
  Report->EngineOptions().SetDoublePass(true);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(AllNumbers(), c.Numbers) << c.Behaviour;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageNumbering,
    ::testing::Values(NumberingCase{"one count through the report", false,
                                    {"1/6 1/6", "2/6 2/6", "3/6 3/6", "4/6 4/6", "5/6 5/6", "6/6 6/6"}},
                      // Each run of the page is a document of its own (one per record, or copy).
                      NumberingCase{"a page that resets starts again at 1 on each of its runs", true,
                                    {"1/2 1/6", "2/2 2/6", "1/2 3/6", "2/2 4/6", "1/2 5/6", "2/2 6/6"}}));

// ---- objects of a growing band

// A data band of rows whose text object "Grow" (400 wide, 20 high) stretches to its text; beside
// and below it objects of every shift mode, each in a column of its own under "Grow".
class GrowingBand : public PageOptions {
 protected:
  void SetUp() override {
    PageOptions::SetUp();
    Band = AddBand<TrpMasterData>(Page, "Rows", 0, 200);
    Band->SetDataSet(&Rows);
    auto* grow = AddMemo(Band, "Grow", QStringLiteral("[Rows.\"text\"]"), 400);
    grow->SetStretchMode(smActualHeight);
    Add("Always", 0, 30, smAlways);
    Add("Overlapped", 100, 30, smWhenOverlapped);
    Add("Clear", 200, 150, smWhenOverlapped);
    Add("Fixed", 300, 30, smDontShift);
  }
  TrpMemoView* Add(const char* name, Extended left, Extended top, TrpShiftMode mode) {
    TrpMemoView* memo = AddMemo(Band, name, QStringLiteral("x"), 80);
    memo->SetLeft(left);
    memo->SetTop(top);
    memo->SetShiftMode(mode);
    return memo;
  }
  // Object `name` as prepared on page 0 in the `row`th occurrence of the band.
  TrpView* Prepared(const QString& name, int row) const {
    int seen = 0;
    for (TrpComponent* object : Report->PreviewPages()->GetPage(0)->AllObjects())
      if (object->Name() == name && seen++ == row) return static_cast<TrpView*>(object);
    return nullptr;
  }
  TrpMasterData* Band = nullptr;
};

TEST_F(GrowingBand, EachShiftModeMovesItsObjectAsItSaysAndEveryRowStartsFromTheDesign) {
  const QString longText = QStringLiteral("one two three four five six seven eight nine ten eleven twelve thirteen "
                                          "fourteen fifteen sixteen seventeen eighteen nineteen twenty ");
  Rows.Rows = {Row{{"text", longText}}, Row{{"text", QStringLiteral("short")}}, Row{{"text", longText.repeated(4)}}};
  ASSERT_TRUE(Prepare());
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    TrpView* grow = Prepared("Grow", row);
    ASSERT_NE(grow, nullptr);
    const Extended bottom = grow->Top() + grow->Height();
    const Extended growth = grow->Height() - 20;
    EXPECT_EQ(grow->Top(), 0);
    if (row == 1) EXPECT_EQ(growth, 0);
    else EXPECT_GT(growth, 20);
    EXPECT_EQ(Prepared("Always", row)->Top(), 30 + growth);
    // Pushed just below the grown object when it reaches down to it, else where it was.
    EXPECT_EQ(Prepared("Overlapped", row)->Top(), std::max<Extended>(30, bottom));
    EXPECT_EQ(Prepared("Clear", row)->Top(), std::max<Extended>(150, bottom));
    EXPECT_EQ(Prepared("Fixed", row)->Top(), 30);
  }
  // The longest row pushes "Clear" too; the band keeps its height, as it does not stretch.
  EXPECT_GT(Prepared("Grow", 2)->Height(), 150 - 20);
  EXPECT_EQ(BandsNamed(0, "Rows").value(1).Height, 200);
}

struct MaxHeightCase {
  const char* Behaviour;
  bool Stretched;      // the band takes the height of its lowest object
  bool LongText;       // "Grow" reaches below the band's design height
  Extended BandHeight; // expected; 0 = the bottom of the lowest other object
};

class MaxHeight : public GrowingBand, public ::testing::WithParamInterface<MaxHeightCase> {};

TEST_P(MaxHeight, ReachesTheBottomOfTheBandAsPrinted) {
  const MaxHeightCase c = GetParam();
  Band->SetStretched(c.Stretched);
  TrpMemoView* tall = Add("Tall", 450, 40, smDontShift);
  tall->SetStretchMode(smMaxHeight);
  const QString words = QStringLiteral("one two three four five six seven eight nine ten ");
  Rows.Rows = {Row{{"text", c.LongText ? words.repeated(6) : QStringLiteral("short")}}};
  ASSERT_TRUE(Prepare());
  Extended lowest = 0;
  for (const char* name : {"Grow", "Always", "Overlapped", "Clear", "Fixed"})
    lowest = std::max(lowest, Prepared(name, 0)->Top() + Prepared(name, 0)->Height());
  const Extended expected = c.BandHeight > 0 ? c.BandHeight : lowest;
  const PreparedBand band = BandsNamed(0, "Rows").value(0);
  EXPECT_EQ(band.Height, expected) << c.Behaviour;
  EXPECT_EQ(Prepared("Tall", 0)->Top(), 40) << c.Behaviour;
  EXPECT_EQ(Prepared("Tall", 0)->Top() + Prepared("Tall", 0)->Height(), expected) << c.Behaviour;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, MaxHeight,
    ::testing::Values(MaxHeightCase{"a band of fixed height", false, false, 200},
                      MaxHeightCase{"a fixed band whose objects grow", false, true, 200},
                      MaxHeightCase{"a stretched band ends at its lowest object", true, true, 0}));

}  // namespace
