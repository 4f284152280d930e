// The text form of report floats in records and files.
#include <gtest/gtest.h>

#include "report/model/float_text.h"

struct FloatTextCase {
  Extended Value;
  const char* Text;
};

void PrintTo(const FloatTextCase& c, std::ostream* os) { *os << c.Text; }

class FloatTexts : public ::testing::TestWithParam<FloatTextCase> {};

TEST_P(FloatTexts, FloatIsWrittenAsShortestGeneralText) {
  EXPECT_EQ(rpFloatToStr(GetParam().Value), GetParam().Text);
}

TEST_P(FloatTexts, WrittenTextReadsBackWithinFifteenDigits) {
  Extended back = 0;
  ASSERT_TRUE(rpTryStrToFloat(QString::fromLatin1(GetParam().Text), back));
  EXPECT_EQ(rpFloatToStr(back), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FloatTexts,
    ::testing::Values(FloatTextCase{0, "0"}, FloatTextCase{1000, "1000"},
                      FloatTextCase{0.5L, "0.5"}, FloatTextCase{5.000625L, "5.000625"},
                      FloatTextCase{(210 - 2 * 5.000625L) * 3.77953L, "755.9012755875"},
                      FloatTextCase{-12.25L, "-12.25"}, FloatTextCase{1.0L / 3, "0.333333333333333"},
                      FloatTextCase{123456789012345.6L, "123456789012346"},
                      FloatTextCase{1e15L, "1E15"}, FloatTextCase{0.00001L, "0.00001"},
                      FloatTextCase{1.5e-6L, "1.5E-6"}, FloatTextCase{200.12345679L, "200.12345679"}));

TEST(FloatReading, CommaCountsAsDecimalSeparatorAndBlanksAreIgnored) {
  Extended v = 0;
  ASSERT_TRUE(rpTryStrToFloat("1,5", v));
  EXPECT_EQ(v, 1.5L);
  ASSERT_TRUE(rpTryStrToFloat(" 2 .25 ", v));
  EXPECT_EQ(v, 2.25L);
  ASSERT_TRUE(rpTryStrToFloat("+3", v));
  EXPECT_EQ(v, 3);
}

TEST(FloatReading, NonNumbersAreRefusedAndLeaveTheResult) {
  Extended v = 7;
  EXPECT_FALSE(rpTryStrToFloat("", v));
  EXPECT_FALSE(rpTryStrToFloat("abc", v));
  EXPECT_FALSE(rpTryStrToFloat("1.5x", v));
  EXPECT_FALSE(rpTryStrToFloat("１", v));
  EXPECT_FALSE(rpTryStrToFloat("nan", v));
  EXPECT_FALSE(rpTryStrToFloat("-inf", v));
  EXPECT_FALSE(rpTryStrToFloat("1e99999", v));
  EXPECT_EQ(v, 7);
}
