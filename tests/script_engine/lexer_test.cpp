// The lexer: token readers under each syntax's settings, comments, line ends and positions.
#include <gtest/gtest.h>

#include <memory>

#include "script_engine/front/grammar.h"
#include "script_engine/front/languages.h"
#include "script_engine/front/lexer.h"

namespace {

std::unique_ptr<TscParser> LexerFor(const char* syntax, const QString& text) {
  auto lexer = std::make_unique<TscParser>();
  TscGrammar(scGetLanguage(QString::fromLatin1(syntax))).ConfigureLexer(*lexer, false);
  lexer->SetText(text);
  return lexer;
}

enum class Reader { String, Number, Ident, Word };

QString Read(TscParser& lexer, Reader reader) {
  switch (reader) {
    case Reader::String: return lexer.GetString();
    case Reader::Number: return lexer.GetNumber();
    case Reader::Ident: return lexer.GetIdent();
    case Reader::Word: return lexer.GetWord();
  }
  return QString();
}

struct TokenCase {
  const char* name;
  const char* syntax;
  Reader reader;
  QString source;
  QString token;   // expected token
  int endPosition;  // expected position afterwards
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.name; }

class Tokens : public testing::TestWithParam<TokenCase> {};

TEST_P(Tokens, ReadAsExpected) {
  const TokenCase& c = GetParam();
  auto lexer = LexerFor(c.syntax, c.source);
  EXPECT_EQ(Read(*lexer, c.reader), c.token);
  EXPECT_EQ(lexer->Position(), c.endPosition);
}

const QString kCr(QChar(13));
const QString kLf(QChar(10));

INSTANTIATE_TEST_SUITE_P(Strings, Tokens, testing::Values(
    TokenCase{"DoubledQuote", "PascalScript", Reader::String, "'it''s'", "'it's'", 8},
    TokenCase{"PartsWithCodes", "PascalScript", Reader::String, "'a'#13#10'b' x",
              "'a" + kCr + kLf + "b'", 13},
    TokenCase{"CodeAlone", "PascalScript", Reader::String, "#65", "'A'", 4},
    TokenCase{"HexCode", "PascalScript", Reader::String, "#$41", "'A'", 5},
    TokenCase{"HashWithoutDigitsIsNoPart", "PascalScript", Reader::String, "'x'#", "'x'", 4},
    TokenCase{"TabInside", "PascalScript", Reader::String, "'a\tb'", "'a\tb'", 6},
    TokenCase{"UnterminatedStaysOnQuote", "PascalScript", Reader::String, "  'abc\r\nx'", "", 3},
    TokenCase{"UnterminatedAtEnd", "PascalScript", Reader::String, "'ab", "", 1},
    TokenCase{"BackslashN", "C++Script", Reader::String, "\"a\\nb\"", "'a" + kLf + "b'", 7},
    TokenCase{"BackslashEscapes", "C++Script", Reader::String, "\"\\r\\\"\\\\\\q\"",
              "'" + kCr + "\"\\q'", 11},
    TokenCase{"TwoQuotesStartNextPart", "C++Script", Reader::String, "\"a\"\"b\"", "'ab'", 7},
    TokenCase{"HexEscape", "C++Script", Reader::String, "\"\\x41\\x\"", "'A'", 9},
    TokenCase{"HexCodePart", "C++Script", Reader::String, "#0x0D", "'" + kCr + "'", 6},
    TokenCase{"EscapeOutsideBmp", "JScript", Reader::String, "\"\\x1F600\"",
              "'" + QString::fromUcs4(U"\U0001F600") + "'", 10},
    TokenCase{"LastCodePoint", "PascalScript", Reader::String, "#1114111",
              "'" + QString::fromUcs4(U"\U0010FFFF") + "'", 9},
    // A code with too many digits is invalid, never an overflow.
    TokenCase{"CodeTooLarge", "PascalScript", Reader::String, "#1114112", "", 1},
    TokenCase{"CodeWithManyDigits", "PascalScript", Reader::String, "#99999999999999999999999", "", 1},
    TokenCase{"HexCodeWithManyDigits", "PascalScript", Reader::String, "'a'#$FFFFFFFFFFFFFFFFFF41",
              "'a'", 4},
    TokenCase{"EscapeTooLarge", "C++Script", Reader::String, "\"\\x110000\"", "", 1},
    TokenCase{"EscapeWithManyDigits", "JScript", Reader::String,
              "\"\\xFFFFFFFFFFFFFFFFFFFFFFFF41\"", "", 1}
), [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Numbers, Tokens, testing::Values(
    TokenCase{"PascalHex", "PascalScript", Reader::Number, "$FF", "$FF", 4},
    TokenCase{"CHexBecomesDollar", "C++Script", Reader::Number, "0xFF", "$FF", 5},
    TokenCase{"RealWithScale", "PascalScript", Reader::Number, "1.5E+3", "1.5E+3", 7},
    TokenCase{"DotAndLetter", "PascalScript", Reader::Number, "1.x", "1", 2},
    TokenCase{"RangeReadsInteger", "PascalScript", Reader::Number, "1..5", "1", 2},
    TokenCase{"IncompleteScale", "PascalScript", Reader::Number, "1E-", "1", 2},
    TokenCase{"DigitsBeforeLetters", "PascalScript", Reader::Number, "12abc", "12", 3},
    TokenCase{"CPrefixWithoutDigits", "C++Script", Reader::Number, "0x", "0", 2},
    TokenCase{"LeadingDotIsNoNumber", "PascalScript", Reader::Number, ".5", "", 1}
), [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Identifiers, Tokens, testing::Values(
    TokenCase{"ChineseName", "PascalScript", Reader::Ident, "  字符 x", "字符", 5},
    TokenCase{"NoLeadingDigit", "PascalScript", Reader::Ident, "1abc", "", 1},
    TokenCase{"KeywordIsNoIdentifier", "PascalScript", Reader::Ident, "BEGIN", "", 6},
    TokenCase{"KeywordIsWord", "PascalScript", Reader::Word, "BEGIN", "BEGIN", 6},
    TokenCase{"CaseSensitiveKeywordOnlyLowerCase", "C++Script", Reader::Ident, "IF", "IF", 3},
    TokenCase{"CaseSensitiveKeyword", "C++Script", Reader::Ident, "if", "", 3},
    TokenCase{"CommentsBeforeToken", "PascalScript", Reader::Ident, "{ a } (* b *) // c\r\nx", "x", 22},
    TokenCase{"UnterminatedBlockComment", "PascalScript", Reader::Ident, "{ abc", "", 6},
    TokenCase{"BasicCommentOnOwnLineVanishes", "BasicScript", Reader::Ident, "' c\r\ny", "y", 7},
    TokenCase{"BasicRemInsideWord", "BasicScript", Reader::Ident, "remark", "remark", 7},
    TokenCase{"BasicRemComment", "BasicScript", Reader::Ident, "rem x\r\ny", "y", 9},
    TokenCase{"BasicContinuation", "BasicScript", Reader::Ident, "_\r\n  y", "y", 7}
), [](const auto& info) { return std::string(info.param.name); });

TEST(Lexer, EmptySourceHasNoTokens) {
  auto lexer = LexerFor("PascalScript", QString());
  EXPECT_EQ(lexer->GetIdent(), QString());
  EXPECT_EQ(lexer->GetWord(), QString());
  EXPECT_EQ(lexer->GetChar(), QString());
  EXPECT_EQ(lexer->GetString(), QString());
  EXPECT_EQ(lexer->GetNumber(), QString());
  EXPECT_FALSE(lexer->GetEOL());
  EXPECT_EQ(lexer->GetXYPosition(), QStringLiteral("1:1"));
}

TEST(Lexer, CharReadsOnePunctuationWithoutSkipping) {
  auto lexer = LexerFor("PascalScript", QStringLiteral(" +a"));
  EXPECT_EQ(lexer->GetChar(), QString());
  lexer->SetPosition(2);
  EXPECT_EQ(lexer->GetChar(), QStringLiteral("+"));
  EXPECT_EQ(lexer->GetChar(), QString());
}

TEST(Lexer, BasicCommentAfterCodeKeepsLineEndVisible) {
  auto lexer = LexerFor("BasicScript", QStringLiteral("x ' note\r\ny"));
  EXPECT_EQ(lexer->GetIdent(), QStringLiteral("x"));
  EXPECT_TRUE(lexer->GetEOL());
  EXPECT_EQ(lexer->GetIdent(), QStringLiteral("y"));
}

TEST(Lexer, LineEndsAreWhiteSpaceWhereNotSignificant) {
  auto lexer = LexerFor("PascalScript", QStringLiteral("x\r\ny"));
  EXPECT_EQ(lexer->GetIdent(), QStringLiteral("x"));
  EXPECT_FALSE(lexer->GetEOL());
  EXPECT_EQ(lexer->GetIdent(), QStringLiteral("y"));
}

TEST(Lexer, ContinuationHidesLineEnd) {
  auto lexer = LexerFor("BasicScript", QStringLiteral("x _\r\n y"));
  EXPECT_EQ(lexer->GetIdent(), QStringLiteral("x"));
  EXPECT_FALSE(lexer->GetEOL());
  EXPECT_EQ(lexer->GetIdent(), QStringLiteral("y"));
}

struct ReferenceCase {
  const char* name;
  QString text;  // what follows the opening "<"
  QString body;
  int endPosition;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.name; }

class ReportReference : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReportReference, ReadsBodyUpToMatchingBracket) {
  TscParser lexer;
  lexer.SetText(GetParam().text);
  EXPECT_EQ(lexer.GetFRString(), GetParam().body);
  EXPECT_EQ(lexer.Position(), GetParam().endPosition);
}

INSTANTIATE_TEST_SUITE_P(Bodies, ReportReference, testing::Values(
    ReferenceCase{"QuotedBracketIsText", "ds.\"a>b\"> rest", "ds.\"a>b\"", 9},
    ReferenceCase{"NestedBrackets", "a<b>c[1]> x", "a<b>c[1]", 9},
    ReferenceCase{"ApostrophesQuote", "'x>'>", "'x>'", 5},
    ReferenceCase{"UnclosedRunsToEnd", "abc", "abc", 4}
), [](const auto& info) { return std::string(info.param.name); });

TEST(Positions, LineFeedBelongsToTheLineItEnds) {
  TscParser lexer;
  lexer.SetText(QStringLiteral("ab\r\ncd\r\n"));
  const struct { int position; const char* xy; } cases[] = {
      {1, "1:1"}, {3, "1:3"}, {4, "1:4"}, {5, "2:1"}, {8, "2:4"}, {9, "3:1"}};
  for (const auto& c : cases) EXPECT_EQ(lexer.XYPosition(c.position), QLatin1String(c.xy)) << c.position;
}

TEST(Positions, PlainPositionFromLineAndColumn) {
  TscParser lexer;
  lexer.SetText(QStringLiteral("ab\r\ncd\r\n"));
  EXPECT_EQ(lexer.GetPlainPosition(QPoint(1, 1)), 1);
  EXPECT_EQ(lexer.GetPlainPosition(QPoint(2, 2)), 6);
  EXPECT_EQ(lexer.GetPlainPosition(QPoint(1, 3)), 9);
  EXPECT_EQ(lexer.GetPlainPosition(QPoint(1, 4)), -1);
  EXPECT_EQ(lexer.GetPlainPosition(QPoint(1, 0)), -1);
}

TEST(SourceLines, JoinedWithCrLfAfterEveryLine) {
  EXPECT_EQ(scJoinLines({"a", "b"}), QStringLiteral("a\r\nb\r\n"));
  EXPECT_EQ(scJoinLines({}), QString());
  EXPECT_EQ(scJoinLines({""}), QStringLiteral("\r\n"));
}

TEST(SourceLines, SplitAtAnyLineEnd) {
  EXPECT_EQ(scSplitLines(QStringLiteral("a\nb\r\nc\rd\r\n")), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(scSplitLines(QStringLiteral("a\n\nb")), (QStringList{"a", "", "b"}));
  EXPECT_EQ(scJoinLines(scSplitLines(QStringLiteral("x\ny"))), QStringLiteral("x\r\ny\r\n"));
}

TEST(Settings, ClearRestoresDefaults) {
  auto lexer = LexerFor("C++Script", QString());
  lexer->Clear();
  lexer->SetText(QStringLiteral("// c\r\n$1F 'a''b' { x } y"));
  EXPECT_EQ(lexer->GetNumber(), QStringLiteral("$1F"));
  EXPECT_EQ(lexer->GetString(), QStringLiteral("'a'b'"));
  EXPECT_EQ(lexer->GetIdent(), QStringLiteral("y"));
}

TEST(Settings, ReadersNeedNotSkipWhiteSpace) {
  TscParser lexer;
  lexer.SetSkipSpace(false);
  lexer.SetText(QStringLiteral(" x"));
  EXPECT_EQ(lexer.GetIdent(), QString());
  lexer.SetPosition(2);
  EXPECT_EQ(lexer.GetIdent(), QStringLiteral("x"));
}

TEST(Settings, IdentifierCharacterSetCanBeReplaced) {
  TscParser lexer;
  lexer.ConstructCharset(QStringLiteral("abc"));
  lexer.SetText(QStringLiteral("abcd"));
  EXPECT_EQ(lexer.GetIdent(), QStringLiteral("abc"));
}

}  // namespace
