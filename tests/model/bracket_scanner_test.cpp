// Finding the expressions embedded in a text: nesting, quotes, custom delimiters, unclosed ones.
#include "report/memo/bracket_scanner.h"

#include <QStringList>

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace {

struct SpanCase {
  const char* text;
  const char* delimiters;
  const char* expression;  // of the first bracket
  const char* remainder;   // text after the span
};

class BracketSpan : public ::testing::TestWithParam<SpanCase> {};

TEST_P(BracketSpan, FindsTheExpressionOfTheFirstOpening) {
  const SpanCase& c = GetParam();
  const QString text = QString::fromUtf8(c.text);
  const auto delimiters = TrpExpressionDelimiters::FromText(QString::fromUtf8(c.delimiters));
  const TrpBracketSpan span = rpFindBracketSpan(text, text.indexOf(delimiters.Open), delimiters);
  EXPECT_EQ(span.Expression(text), QString::fromUtf8(c.expression));
  EXPECT_EQ(text.mid(span.End), QString::fromUtf8(c.remainder));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BracketSpan,
    ::testing::Values(SpanCase{"[a]", "[,]", "a", ""},
                      SpanCase{"x [[a]] y", "[,]", "[a]", " y"},                // nesting
                      SpanCase{"[a[b]c]d", "[,]", "a[b]c", "d"},
                      SpanCase{"['[']", "[,]", "'['", ""},                      // quoted bracket
                      SpanCase{"[\"]\"]!", "[,]", "\"]\"", "!"},
                      SpanCase{"[\"it's\" + ']']", "[,]", "\"it's\" + ']'", ""}, // ' inside "..."
                      SpanCase{"[a + b", "[,]", "a + b", ""},                   // unclosed: to the end
                      SpanCase{"<%x%> tail", "<%,%>", "x", " tail"},             // longer delimiters
                      SpanCase{"<<a<<b>>c>>", "<<,>>", "a<<b>>c", ""},
                      SpanCase{"{v}", "{,}", "v", ""}));

TEST(BracketExpansion, ReplacesEveryExpressionAndNumbersThem) {
  QStringList seen;
  const QString result = rpExpandBrackets(QStringLiteral("a[x]b[y]c"), {}, [&](const QString& e, int i) {
    seen << QStringLiteral("%1:%2").arg(i).arg(e);
    return e.toUpper();
  });
  EXPECT_EQ(result, QStringLiteral("aXbYc"));
  EXPECT_EQ(seen, (QStringList{QStringLiteral("0:x"), QStringLiteral("1:y")}));
}

TEST(BracketExpansion, AnInsertedValueIsNotScannedAgain) {
  int calls = 0;
  const QString result = rpExpandBrackets(QStringLiteral("[a][b]"), {}, [&](const QString&, int) {
    ++calls;
    return QStringLiteral("[z]");
  });
  EXPECT_EQ(result, QStringLiteral("[z][z]"));
  EXPECT_EQ(calls, 2);
}

TEST(BracketExpansion, TextWithoutOpeningIsUnchanged) {
  EXPECT_EQ(rpExpandBrackets(QStringLiteral("plain ] text"), {}, [](const QString&, int) { return QStringLiteral("!"); }),
            QStringLiteral("plain ] text"));
}

TEST(BracketDelimiters, SplitAtTheFirstComma) {
  const auto d = TrpExpressionDelimiters::FromText(QStringLiteral("<#,#>,"));
  EXPECT_EQ(d.Open, QStringLiteral("<#"));
  EXPECT_EQ(d.Close, QStringLiteral("#>,"));
}

}  // namespace
