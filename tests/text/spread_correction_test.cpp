#include "report/text/spread_correction.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

TEST(SpreadCorrection, SingleStepGoesToTheMiddleOfTheFirstHalf) {
  std::vector<int> v(4, 0);
  IncArray(v.data(), 0, 3, 1, 1);
  EXPECT_EQ(v, (std::vector<int>{0, 1, 0, 0}));
}

TEST(SpreadCorrection, StepsAreSpreadOverBothHalves) {
  std::vector<int> v(4, 0);
  IncArray(v.data(), 0, 3, -1, 2);
  EXPECT_EQ(v, (std::vector<int>{-1, 0, -1, 0}));
}

TEST(SpreadCorrection, LargeCorrectionIsDividedFirstAndTotalIsExact) {
  for (int correction : {-17, -5, -1, 0, 1, 3, 7, 10, 23}) {
    std::vector<int> v(5, 10);
    SpreadCorrection(v.data(), 0, 4, correction);
    EXPECT_EQ(std::accumulate(v.begin(), v.end(), 0), 50 + correction) << correction;
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    EXPECT_LE(*hi - *lo, 1) << correction;  // evenly spread
  }
}

TEST(SpreadCorrection, EmptyRangeIsLeftAlone) {
  std::vector<int> v(2, 0);
  SpreadCorrection(v.data(), 1, 0, 5);
  EXPECT_EQ(v, (std::vector<int>{0, 0}));
}

}  // namespace
