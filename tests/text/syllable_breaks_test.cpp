#include "report/text/syllable_breaks.h"

#include <gtest/gtest.h>

namespace {

struct BreakCase {
  const char16_t* word;
  QList<int> breaks;
};

class SyllableBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(SyllableBreaks, BreaksBetweenSyllablesOnly) {
  EXPECT_EQ(BreakRussianWord(QString::fromUtf16(GetParam().word)), GetParam().breaks);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SyllableBreaks,
    ::testing::Values(BreakCase{u"МОЛОКО", {2, 4}},
                      BreakCase{u"ВАННА", {3}},          // a doubled consonant before a vowel is split
                      BreakCase{u"КОТ", {}},             // three letters or fewer
                      BreakCase{u"ЧАЙКА", {3}},          // never before the short i
                      BreakCase{u"ПОДЪЕЗД", {2}},        // not before the hard sign, not where a half lacks a vowel
                      BreakCase{u"HELLO", {}},           // other scripts
                      BreakCase{u"", {}}));

}  // namespace
