#include "report/res/resources.h"

#include <gtest/gtest.h>

namespace {

TEST(StringLookup, MissingIdentifierIsShownAsItself) {
  TrpResources r;
  EXPECT_EQ(r.Get(QStringLiteral("6000")), QStringLiteral("6000"));
  EXPECT_EQ(r.Get(QStringLiteral("obReport")), QStringLiteral("obReport"));
}

TEST(StringLookup, LeadingMarkIsDroppedFromFoundText) {
  TrpResources r;
  r.Add(QStringLiteral("207"), QStringLiteral("!Other"));
  EXPECT_EQ(r.Get(QStringLiteral("207")), QStringLiteral("Other"));
}

TEST(StringLookup, LeadingMarkIsDroppedFromMissingIdentifier) {
  TrpResources r;
  EXPECT_EQ(r.Get(QStringLiteral("!x")), QStringLiteral("x"));
}

TEST(StringLookup, OnlyTheFirstMarkIsDropped) {
  TrpResources r;
  r.Add(QStringLiteral("bang"), QStringLiteral("!!Twice"));
  EXPECT_EQ(r.Get(QStringLiteral("bang")), QStringLiteral("!Twice"));
}

TEST(StringLookup, IdentifiersMatchRegardlessOfCase) {
  TrpResources r;
  r.Add(QStringLiteral("clPageOf"), QStringLiteral("Page %d of %d"));
  EXPECT_EQ(r.Get(QStringLiteral("CLPAGEOF")), QStringLiteral("Page %d of %d"));
  EXPECT_EQ(r.Get(QStringLiteral("clpageof")), QStringLiteral("Page %d of %d"));
}

TEST(StringLookup, EmptyTextIsATextOfItsOwn) {
  TrpResources r;
  r.Add(QStringLiteral("blank"), QString());
  EXPECT_EQ(r.Get(QStringLiteral("blank")), QString());
  EXPECT_EQ(r.Count(), 1);
}

TEST(StringAdding, ExistingIdentifierKeepsItsPlaceAndTakesTheNewText) {
  TrpResources r;
  r.Add(QStringLiteral("ppAll"), QStringLiteral("All pages"));
  r.Add(QStringLiteral("ppOdd"), QStringLiteral("Odd pages"));
  r.AddW(QStringLiteral("PPALL"), QStringLiteral("Alle Seiten"));
  EXPECT_EQ(r.Count(), 2);
  EXPECT_EQ(r.Get(QStringLiteral("ppAll")), QStringLiteral("Alle Seiten"));
  EXPECT_EQ(r.Get(QStringLiteral("ppOdd")), QStringLiteral("Odd pages"));
}

TEST(StringAdding, ClearEmptiesTheTable) {
  TrpResources r;
  r.Add(QStringLiteral("a"), QStringLiteral("b"));
  r.Clear();
  EXPECT_EQ(r.Count(), 0);
  EXPECT_EQ(r.Get(QStringLiteral("a")), QStringLiteral("a"));
}

struct LineCase {
  const char* line;
  const char* name;  // nullptr: the line enters nothing
  const char* text;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class AddStringsLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(AddStringsLine, EntersNameBeforeFirstEqualsSign) {
  const LineCase& c = GetParam();
  TrpResources r;
  r.AddStrings(QString::fromUtf8(c.line));
  if (!c.name) {
    EXPECT_EQ(r.Count(), 0);
    return;
  }
  EXPECT_EQ(r.Count(), 1);
  EXPECT_EQ(r.Get(QString::fromUtf8(c.name)), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AddStringsLine,
    ::testing::Values(LineCase{"clClose=Schließen", "clClose", "Schließen"},
                      LineCase{"a=b=c", "a", "b=c"},                // the second '=' belongs to the text
                      LineCase{"=text", nullptr, nullptr},          // empty name
                      LineCase{"name=", nullptr, nullptr},          // empty text
                      LineCase{"no equals sign", nullptr, nullptr},
                      LineCase{"", nullptr, nullptr},
                      LineCase{"x= spaced ", "x", " spaced "}));    // texts are kept as written

TEST(StringAdding, AddStringsReadsEveryLineWhateverItsBreak) {
  TrpResources r;
  r.AddStrings(QStringLiteral("1=OK\r\n2=Cancel\n=skipped\r3=All\n"));
  EXPECT_EQ(r.Count(), 3);
  EXPECT_EQ(r.Get(QStringLiteral("1")), QStringLiteral("OK"));
  EXPECT_EQ(r.Get(QStringLiteral("2")), QStringLiteral("Cancel"));
  EXPECT_EQ(r.Get(QStringLiteral("3")), QStringLiteral("All"));
}

}  // namespace
