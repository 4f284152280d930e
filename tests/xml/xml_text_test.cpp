#include "report/xml/xml_text.h"

#include <gtest/gtest.h>

namespace {

QString Q(const char16_t* text) { return QString::fromUtf16(text); }

struct EscapeCase {
  const char16_t* plain;
  const char16_t* escaped;
};

class EscapeTable : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeTable, EscapesToCharacterReferences) {
  EXPECT_EQ(rpStrToXML(QString::fromUtf16(GetParam().plain)), QString::fromUtf16(GetParam().escaped));
}

INSTANTIATE_TEST_SUITE_P(
    Characters, EscapeTable,
    ::testing::Values(EscapeCase{u"a\r\nb", u"a&#13;&#10;b"}, EscapeCase{u"\"q\"", u"&#34;q&#34;"},
                      EscapeCase{u"a&b", u"a&#38;b"}, EscapeCase{u"<x>", u"&#60;x&#62;"},
                      EscapeCase{u"&quot;", u"&#34;"}, EscapeCase{u"&quo", u"&#38;quo"},
                      EscapeCase{u"中文 'ok'", u"中文 'ok'"}, EscapeCase{u"", u""}));

TEST(Escape, NulIsAReferenceInShortTextsAndABlankInLongOnes) {
  const QString shortText = Q(u"ab") + QChar(0) + Q(u"cd");
  EXPECT_EQ(rpStrToXML(shortText), Q(u"ab&#0;cd"));
  const QString longText = QString(31, u'x') + QChar(0);  // 32 characters
  EXPECT_EQ(rpStrToXML(longText), QString(31, u'x') + u' ');
  EXPECT_EQ(rpStrToXML(QString(30, u'x') + QChar(0)), QString(30, u'x') + QStringLiteral("&#0;"));
}

TEST(Unescape, CrLfRoundTrips) {
  EXPECT_EQ(rpXMLToStr(rpStrToXML(Q(u"line1\r\nline2"))), Q(u"line1\r\nline2"));
}

TEST(Unescape, QuotEntityComesBackAsOneDoubleQuote) {
  EXPECT_EQ(rpXMLToStr(rpStrToXML(Q(u"&quot;"))), Q(u"\""));
}

struct UnescapeCase {
  const char16_t* escaped;
  const char16_t* plain;
};

class UnescapeTable : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(UnescapeTable, DecodesOrKeepsLiterally) {
  EXPECT_EQ(rpXMLToStr(QString::fromUtf16(GetParam().escaped)), QString::fromUtf16(GetParam().plain));
}

INSTANTIATE_TEST_SUITE_P(
    References, UnescapeTable,
    ::testing::Values(UnescapeCase{u"&#65;&#20013;", u"A中"}, UnescapeCase{u"&quot;&amp;&lt;&gt;", u"\"&<>"},
                      UnescapeCase{u"a&", u"a&"}, UnescapeCase{u"&nbsp;", u"&nbsp;"},
                      UnescapeCase{u"&#;", u"&#;"},                 // no digits
                      UnescapeCase{u"&#65", u"&#65"},               // no ';'
                      UnescapeCase{u"&#6x;", u"&#6x;"},             // not a number
                      UnescapeCase{u"&#99999999999999999999;", u"&#99999999999999999999;"},  // huge
                      UnescapeCase{u"&#1114112;", u"&#1114112;"},   // beyond U+10FFFF
                      UnescapeCase{u"&#128512;", u"\U0001F600"},    // surrogate pair
                      UnescapeCase{u"&#", u"&#"},
                      // As other XML tools write them.
                      UnescapeCase{u"&#x27;&#X4E2D;&apos;", u"'中'"},
                      UnescapeCase{u"&#x1F600;", u"\U0001F600"},
                      UnescapeCase{u"&#x;", u"&#x;"},               // no digits
                      UnescapeCase{u"&#x27G;", u"&#x27G;"},         // not a number
                      UnescapeCase{u"&#x110000;", u"&#x110000;"},   // beyond U+10FFFF
                      UnescapeCase{u"&#x0000000041;", u"&#x0000000041;"}));

}  // namespace
