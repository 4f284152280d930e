#include "report/res/format_text.h"

#include "report/res/resources.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
  const char* pattern;
  QVariantList args;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << '"' << c.pattern << "\" -> \"" << c.expected << '"'; }

class FormatFillsPlaceholders : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFillsPlaceholders, LeftToRight) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(rpFormat(QString::fromUtf8(c.pattern), c.args), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFillsPlaceholders,
    ::testing::Values(
        FormatCase{"Page %d of %d", {3, 10}, "Page 3 of 10"},
        FormatCase{"Script error at %s: %s", {"Line 3", "oops"}, "Script error at Line 3: oops"},
        FormatCase{"%d%%", {50}, "50%"},
        FormatCase{"100%", {}, "100%"},
        FormatCase{"ends with %", {}, "ends with %"},
        FormatCase{"%x and %d", {7}, "%x and 7"},
        // a placeholder without an argument stays as written
        FormatCase{"of %d", {}, "of %d"},
        FormatCase{"%s: %s", {"a"}, "a: %s"},
        // arguments left over are ignored
        FormatCase{"no placeholder", {1, 2}, "no placeholder"},
        FormatCase{"%d", {1, 2}, "1"},
        // %d of something that is not an integer writes its text
        FormatCase{"%d", {"abc"}, "abc"},
        FormatCase{"%d", {2.5}, "2.5"},
        FormatCase{"%d", {4.0}, "4"},
        FormatCase{"%d", {Q_INT64_C(-9000000000)}, "-9000000000"},
        FormatCase{"%s", {42}, "42"},
        // an argument's text is not scanned again
        FormatCase{"%s %d", {"%d", 5}, "%d 5"}));

TEST(FormatWithTableText, FillsPageOfPage) {
  EXPECT_EQ(rpFormat(rpResources()->Get(QStringLiteral("clPageOf")), {3, 10}), QStringLiteral("Page 3 of 10"));
}

}  // namespace
