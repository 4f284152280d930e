// The standard paper table and rpGetPaperDimensions.
#include "report/printer/paper_table.h"

#include <gtest/gtest.h>

namespace {

struct PaperCase {
  int Number;
  Extended Width;
  Extended Height;
};

void PrintTo(const PaperCase& c, std::ostream* os) { *os << "paper " << c.Number; }

class KnownPaper : public ::testing::TestWithParam<PaperCase> {};

TEST_P(KnownPaper, GivesPortraitMillimetres) {
  Extended width = -1, height = -1;
  ASSERT_TRUE(rpGetPaperDimensions(GetParam().Number, width, height));
  EXPECT_EQ(width, GetParam().Width);
  EXPECT_EQ(height, GetParam().Height);
}

INSTANTIATE_TEST_SUITE_P(PaperTable, KnownPaper,
                         ::testing::Values(PaperCase{9, 210, 297},         // A4
                                           PaperCase{1, 215.9L, 279.4L},   // Letter
                                           PaperCase{8, 297, 420},         // A3
                                           PaperCase{11, 148, 210},        // A5
                                           PaperCase{4, 431.8L, 279.4L},   // wider than high
                                           PaperCase{35, 176, 125},        // wider than high
                                           PaperCase{47, 220, 220},        // last before the gap
                                           PaperCase{50, 235.5L, 304.8L},  // first after it
                                           PaperCase{68, 322, 445}));      // last row

class UnknownPaper : public ::testing::TestWithParam<int> {};

TEST_P(UnknownPaper, GivesFalseAndLeavesSizesAlone) {
  Extended width = 12.5L, height = 34.5L;
  EXPECT_FALSE(rpGetPaperDimensions(GetParam(), width, height));
  EXPECT_EQ(width, 12.5L);
  EXPECT_EQ(height, 34.5L);
}

INSTANTIATE_TEST_SUITE_P(PaperTable, UnknownPaper,
                         ::testing::Values(0, -1, 48, 49, 69, rpCustomPaper, 257));

TEST(PaperTable, HoldsNumbersOneToFortySevenAndFiftyToSixtyEight) {
  std::vector<int> expected;
  for (int n = 1; n <= 47; ++n) expected.push_back(n);
  for (int n = 50; n <= 68; ++n) expected.push_back(n);
  std::vector<int> numbers;
  for (const TrpPaperInfo& row : PaperInfo()) numbers.push_back(row.Number);
  EXPECT_EQ(numbers, expected);
  EXPECT_EQ(PaperInfo().size(), 66u);
}

TEST(PaperTable, EveryRowHasANameAndASize) {
  for (const TrpPaperInfo& row : PaperInfo()) {
    EXPECT_GT(row.Width, 0) << row.Number;
    EXPECT_GT(row.Height, 0) << row.Number;
    EXPECT_STRNE(row.Name, "") << row.Number;
  }
}

TEST(PaperTable, A4IsCodeNineAndCustomIsCode256) {
  EXPECT_EQ(rpA4Paper, 9);
  EXPECT_EQ(rpCustomPaper, 256);
  ASSERT_NE(rpFindPaper(9), nullptr);
  EXPECT_STREQ(rpFindPaper(9)->Name, "A4");
  EXPECT_EQ(rpFindPaper(rpCustomPaper), nullptr);
}

}  // namespace
