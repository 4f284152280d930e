// The matcher's rules, each shown on a small grammar of its own: first recorded error, loop ends,
// term and skip discards, optional parts, node wrapping and undoing.
#include <gtest/gtest.h>

#include "il_render.h"
#include "script_engine/front/languages.h"

namespace {

// Registers a grammar whose program rule is the given body and whose extra rules follow it.
QString Grammar(const char* name, const QString& program, const QString& rules = QString()) {
  const QString text = QStringLiteral("<?xml version=\"1.0\"?><language text=\"%1\"><parser>"
                                      "<keywords><end/></keywords><errors>"
                                      "<err1 text=\"Identifier expected\"/><err2 text=\"Second\"/>"
                                      "<err5 text=\"';' expected\"/></errors></parser>"
                                      "<program>%2</program>%3</language>")
                           .arg(QString::fromLatin1(name), program, rules);
  scRegisterLanguage(QString::fromLatin1(name), text);
  return QString::fromLatin1(name);
}

struct MatchCase {
  const char* name;
  QString program;
  QString rules;
  QString source;
  bool ok;
  const char* result;  // the intermediate form, or the error message
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class Matcher : public testing::TestWithParam<MatchCase> {};

TEST_P(Matcher, FollowsItsRules) {
  const MatchCase& c = GetParam();
  Phase1Result r = RunPhase1(Grammar(c.name, c.program, c.rules), {c.source});
  ASSERT_EQ(r.ok, c.ok) << r.message.toStdString() << " " << r.il.toStdString();
  EXPECT_EQ((c.ok ? r.il : r.message).toStdString(), c.result);
}

INSTANTIATE_TEST_SUITE_P(Loops, Matcher, testing::Values(
    MatchCase{"SeparatedList", "<loop text=\",\"><ident add=\"id\" err=\"err1\"/></loop><char text=\";\"/>",
              "", "a, b;", true, "id:a id:b"},
    MatchCase{"ErrorOfLaterRepetitionIsKept",
              "<loop text=\",\"><ident add=\"id\" err=\"err1\"/></loop><char text=\";\"/>", "",
              "a, ;", false, "Identifier expected"},
    MatchCase{"TermErrorEndsListQuietly",
              "<loop text=\",\"><ident add=\"id\" err=\"err1\" term=\"1\"/></loop><char text=\";\"/>", "",
              "a, ;", true, "id:a"},
    MatchCase{"TermDoesNotHelpSingleRepetition",
              "<loop><ident add=\"id\" err=\"err1\" term=\"1\"/></loop>", "", ";", false,
              "Identifier expected"},
    MatchCase{"SkipDiscardsErrorOfLaterRepetition",
              "<loop skip=\"1\"><ident add=\"id\"/><char text=\";\" err=\"err5\"/></loop>"
              "<keyword text=\"END\"/>", "", "a; b end", true, "id:a id:b"},
    MatchCase{"OptionalLoopMayMatchNothing",
              "<optionalloop><ident add=\"id\" err=\"err1\"/></optionalloop><char text=\";\"/>", "",
              ";", false, "Identifier expected"},
    MatchCase{"LoopStopsWhenNothingIsConsumed",
              "<loop><optional><ident add=\"id\"/></optional></loop><char text=\";\"/>", "", ";",
              true, ""}
), [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Structure, Matcher, testing::Values(
    MatchCase{"FirstRecordedErrorWins",
              "<switch><sequence><ident/><char text=\"=\" err=\"err2\"/></sequence>"
              "<sequence><ident/><char text=\";\" err=\"err5\"/></sequence></switch>", "", "a ;", false,
              "Second"},
    MatchCase{"OptionalKeepsWhatMatched",
              "<optional><ident add=\"id\"/><char text=\"=\"/></optional><ident add=\"last\"/>", "",
              "a", true, "id:a last:a"},  // the position goes back, the written leaf stays
    MatchCase{"RuleWithNodeUndoesItsOutput",
              "<switch><tagged/><ident add=\"plain\"/></switch>",
              "<tagged node=\"t\"><ident add=\"id\"/><char text=\"=\"/></tagged>", "a", true, "plain:a"},
    MatchCase{"RuleWithoutNodeLeavesItsOutput",
              "<switch><untagged/><ident add=\"plain\"/></switch>",
              "<untagged><ident add=\"id\"/><char text=\"=\"/></untagged>", "a", true, "id:a plain:a"},
    MatchCase{"NodeOnReferenceWrapsRule", "<inner node=\"outer\"/>",
              "<inner node=\"in\"><ident add=\"id\"/></inner>", "a", true, "outer(in(id:a))"},
    MatchCase{"AddTextReplacesToken", "<char text=\"+\" add=\"op\" addtext=\"plus\"/>", "", "+", true,
              "op:plus"},
    MatchCase{"KeywordIsNoIdentifier", "<ident add=\"id\" err=\"err1\"/>", "", "end", false,
              "Identifier expected"},
    MatchCase{"GrammarTextMatchesAnyCase", "<keyword text=\"END\" add=\"kw\"/>", "", "End", true, "kw:End"},
    MatchCase{"UnmatchedTextAfterProgramIsError", "<ident add=\"id\"/>", "", "a b", false,
              "Syntax error"}
), [](const auto& info) { return std::string(info.param.name); });

}  // namespace
