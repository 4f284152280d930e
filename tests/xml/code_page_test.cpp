#include "report/xml/code_page.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, DecodesBig5AndWesternBytes) {
  EXPECT_EQ(rpCodePageToUnicode(QByteArray("\xA4\xA4\xA4\xE5", 4), 950), QString::fromUtf16(u"中文"));
  EXPECT_EQ(rpCodePageToUnicode(QByteArray("caf\xE9"), 1252), QString::fromUtf16(u"café"));
}

TEST(CodePage, EncodingReplacesWhatTheCodePageCannotHold) {
  EXPECT_EQ(rpUnicodeToCodePage(QString::fromUtf16(u"a中b"), 1252), QByteArray("a?b"));
  EXPECT_EQ(rpUnicodeToCodePage(QString::fromUtf16(u"中"), 950), QByteArray("\xA4\xA4"));
}

TEST(CodePage, InvalidBytesBecomeReplacementCharactersAndDecodingGoesOn) {
  const QString text = rpCodePageToUnicode(QByteArray("a\xFF\xFF" "b"), 950);
  EXPECT_TRUE(text.startsWith(u'a'));
  EXPECT_TRUE(text.endsWith(u'b'));
  EXPECT_TRUE(text.contains(QChar(0xFFFD)));
}

TEST(CodePage, UndefinedWesternBytesKeepTheirNumber) {
  EXPECT_EQ(rpCodePageToUnicode(QByteArray("a\x81" "b"), 1252), QString::fromUtf16(u"a\u0081b"));
}

}  // namespace
