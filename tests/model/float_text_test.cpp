// The text form of report floats in records and files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "report/objects/float_text.h"

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

namespace {

// A text's significant digits (no leading or trailing zeros) and the decimal exponent of the
// first one: "0.00120" and "1.2e-03" both give ("12", -3).
std::pair<std::string, int> significantDigits(std::string text) {
  int exponent = 0;
  if (const auto e = text.find_first_of("eE"); e != std::string::npos) {
    exponent = std::stoi(text.substr(e + 1));
    text.erase(e);
  }
  if (!text.empty() && text[0] == '-') text.erase(0, 1);
  const auto dot = text.find('.');
  const int wholeDigits = static_cast<int>(dot == std::string::npos ? text.size() : dot);
  if (dot != std::string::npos) text.erase(dot, 1);
  const auto first = text.find_first_not_of('0');
  text = text.substr(first);
  exponent += wholeDigits - 1 - static_cast<int>(first);
  text.erase(text.find_last_not_of('0') + 1);
  return {text, exponent};
}

// The C library's rounding of the value to 15 significant digits, "." as separator.
std::string printfDigits(Extended value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14Le", value);
  std::string s(text);
  std::replace(s.begin(), s.end(), ',', '.');
  return s;
}

// Values of every magnitude records meet: report-unit sums, their negatives, values next to
// powers of ten, exact ties at the fifteenth digit, and a spread of random ones.
std::vector<Extended> sampleValues() {
  std::vector<Extended> values;
  Extended sum = 0;
  for (int i = 0; i < 2000; ++i) values.push_back(sum += 4 * 3.77953L);
  for (int exponent = -6; exponent <= 15; ++exponent) {
    const Extended power = std::pow(10.0L, exponent);
    for (const Extended v : {power, std::nextafter(power, 0.0L), std::nextafter(power, 1e30L),
                             power * (1 - 5e-16L), power * (1 - 4e-16L), 0.5L * power})
      values.push_back(v);
  }
  for (const Extended tie : {123456789012345.5L, 123456789012344.5L, 0.5L, 2.5L, 99999999999999.95L})
    values.push_back(tie);
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> exponent(-6.5, 15.5);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 20000; ++i) {
    const Extended v = std::pow(10.0L, static_cast<Extended>(exponent(random)));
    // Vary the low mantissa bits that a double would not carry.
    values.push_back(v * (1 + static_cast<Extended>(bits(random) % 1000) * 1e-19L));
  }
  const std::size_t count = values.size();
  for (std::size_t i = 0; i < count; ++i) values.push_back(-values[i]);
  return values;
}

}  // namespace

// The text is the 15-digit rounding of the exact 80-bit value, as the C library makes it.
TEST(FloatWriting, DigitsAreTheExactRoundingOfTheValue) {
  int mismatches = 0;
  for (const Extended v : sampleValues()) {
    const std::string written = rpFloatToStr(v).toStdString();
    if (significantDigits(written) == significantDigits(printfDigits(v))) continue;
    if (++mismatches <= 10)
      ADD_FAILURE() << written << " written for " << printfDigits(v);
  }
  EXPECT_EQ(mismatches, 0);
}
