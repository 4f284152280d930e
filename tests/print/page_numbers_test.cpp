// Page-range texts and the sheet-count rule.
#include "report/print/page_numbers.h"
#include "report/print/sheet_layout.h"

#include <gtest/gtest.h>

namespace {

struct RangeCase {
  const char* Text;
  int Total;
  QStringList Expected;
};

class PageRangeText : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PageRangeText, ListsThePageNumbersInTheOrderWritten) {
  QStringList list{QStringLiteral("stale")};
  rpParsePageNumbers(QString::fromUtf8(GetParam().Text), list, GetParam().Total);
  EXPECT_EQ(list, GetParam().Expected);
}

QStringList numbers(std::initializer_list<int> values) {
  QStringList list;
  for (int v : values) list.append(QString::number(v));
  return list;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PageRangeText,
    ::testing::Values(RangeCase{"1, 3-5, 8-", 10, numbers({1, 3, 4, 5, 8, 9, 10})},
                      RangeCase{"", 10, {}}, RangeCase{"   ", 10, {}},
                      RangeCase{"5-3", 10, {}}, RangeCase{"0,2", 10, numbers({0, 2})},
                      RangeCase{"12", 10, numbers({12})}, RangeCase{"3,1,1", 10, numbers({3, 1, 1})},
                      RangeCase{"5-", 7, numbers({5, 6, 7})},
                      // A range far beyond the last page stops at the last page.
                      RangeCase{"1-2000000000", 4, numbers({1, 2, 3, 4})},
                      RangeCase{"3-99999999999999", 4, numbers({3, 4})},
                      // A number too large for an integer is a page beyond the last.
                      RangeCase{"99999999999999", 4, numbers({5})}));

class UnreadableRangeText : public ::testing::TestWithParam<const char*> {};

TEST_P(UnreadableRangeText, RaisesTheIntegerConversionMessage) {
  QStringList list;
  try {
    rpParsePageNumbers(QString::fromUtf8(GetParam()), list, 10);
    FAIL() << "no error for " << GetParam();
  } catch (const TrpPageRangeError& e) {
    EXPECT_TRUE(e.Message().endsWith(QStringLiteral("is not a valid integer value")))
        << qPrintable(e.Message());
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, UnreadableRangeText,
                         ::testing::Values("a", "1-b", "-3", "1;2", "5--7", "1,,2", "+1", "2.5"));

struct CountCase {
  double Length, Unit;
  int Expected;
};

class SheetCountRule : public ::testing::TestWithParam<CountCase> {};

TEST_P(SheetCountRule, CountsWholeUnitsAndLeftoversOfElevenMillimetres) {
  EXPECT_EQ(rpSheetCount(GetParam().Length, GetParam().Unit), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SheetCountRule,
    ::testing::Values(CountCase{297, 210, 2}, CountCase{420, 297, 2}, CountCase{210, 210, 1},
                      CountCase{420, 207, 2},  // 6 mm left over: rounded
                      CountCase{297, 148, 2}, CountCase{210, 297, 1},
                      // Nothing to divide by or nothing to divide: one sheet, never a division
                      // by zero or an endless count.
                      CountCase{0, 210, 1}, CountCase{297, 0, 1}, CountCase{0, 0, 1},
                      CountCase{297, -5, 1}, CountCase{1e9, 0.001, rpMaxSheetsPerAxis}));

TEST(SheetLayout, TurnsTheUnitOnlyWhenThatNeedsFewerUnits) {
  // A3 page on A4 sheets: 2 x 2 straight, 1 x 2 turned.
  const TrpSheetLayout split = rpSheetLayout(297, 420, 210, 297);
  EXPECT_EQ(split.X, 1);
  EXPECT_EQ(split.Y, 2);
  EXPECT_TRUE(split.Rotated);
  // A4 on A4: one, straight.
  const TrpSheetLayout same = rpSheetLayout(210, 297, 210, 297);
  EXPECT_EQ(same.X * same.Y, 1);
  EXPECT_FALSE(same.Rotated);
}

TEST(CellsThatFit, CountsOnlyWholeCellsAndAtLeastOne) {
  EXPECT_EQ(rpCellsThatFit(297, 148), 2);
  EXPECT_EQ(rpCellsThatFit(210, 120), 1);
  EXPECT_EQ(rpCellsThatFit(100, 297), 1);
  EXPECT_EQ(rpCellsThatFit(0, 0), 1);
}

}  // namespace
