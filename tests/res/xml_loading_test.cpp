#include "report/res/resources.h"

#include "report/xml/code_page.h"
#include "report/xml/xml_document.h"
#include "script_engine/front/script_messages.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray table(const QByteArray& body, const QByteArray& root = "Resources",
                 const QByteArray& header = "<?xml version=\"1.1\" encoding=\"utf-8\"?>") {
  return header + "<" + root + " CodePage=\"1250\">" + body + "</" + root + ">";
}

TEST(XmlLoading, EntersEveryStrResChildAndKeepsTheCodePage) {
  TrpResources r;
  r.AddXML(table("<StrRes Name=\"1\" Text=\"Gut\"/><StrRes Name=\"2\" Text=\"Abbrechen\"/>"));
  EXPECT_EQ(r.Count(), 2);
  EXPECT_EQ(r.Get(QStringLiteral("1")), QStringLiteral("Gut"));
  EXPECT_EQ(r.CodePage(), 1250);
}

TEST(XmlLoading, UnescapesTexts) {
  TrpResources r;
  r.AddXML(table("<StrRes Name=\"q\" Text=\"Say &#34;hi&#34; &amp; &lt;go&gt;&#10;now\"/>"));
  EXPECT_EQ(r.Get(QStringLiteral("q")), QStringLiteral("Say \"hi\" & <go>\nnow"));
}

TEST(XmlLoading, ReadsUtf8Texts) {
  TrpResources r;
  r.AddXML(table("<StrRes Name=\"title\" Text=\"\xe9\xa0\x81\xe9\x9d\xa2\"/>"));
  EXPECT_EQ(r.Get(QStringLiteral("title")), QString::fromUtf8("頁面"));
}

TEST(XmlLoading, SkipsChildrenWithOtherNames) {
  TrpResources r;
  r.AddXML(table("<strres Name=\"a\" Text=\"lower\"/><Other Name=\"b\" Text=\"x\"/><StrRes Name=\"c\" Text=\"y\"/>"));
  EXPECT_EQ(r.Count(), 1);
  EXPECT_EQ(r.Get(QStringLiteral("a")), QStringLiteral("a"));
  EXPECT_EQ(r.Get(QStringLiteral("c")), QStringLiteral("y"));
}

TEST(XmlLoading, LowerCaseRootEntersNothingButRefreshesScriptMessages) {
  TrpResources r;
  r.Add(QStringLiteral("SForError"), QStringLiteral("Loop variable must be numeric"));
  scMessages::Reset();
  r.AddXML(table("<StrRes Name=\"x\" Text=\"y\"/>", "resources"));
  EXPECT_EQ(r.Count(), 1);
  EXPECT_EQ(r.Get(QStringLiteral("x")), QStringLiteral("x"));
  EXPECT_EQ(scMessages::Text(QStringLiteral("SForError")), QStringLiteral("Loop variable must be numeric"));
  scMessages::Reset();
}

TEST(XmlLoading, CodePageThatIsNotANumberRaisesBeforeAnyEntry) {
  TrpResources r;
  const QByteArray xml =
      "<?xml version=\"1.1\" encoding=\"utf-8\"?><Resources CodePage=\"latin\"><StrRes Name=\"a\" Text=\"b\"/></Resources>";
  EXPECT_THROW(r.AddXML(xml), TrpConvertError);
  EXPECT_EQ(r.Count(), 0);
}

TEST(XmlLoading, MalformedXmlRaisesAndKeepsEarlierEntries) {
  TrpResources r;
  r.Add(QStringLiteral("kept"), QStringLiteral("yes"));
  EXPECT_THROW(r.AddXML("<Resources CodePage=\"1252\"><StrRes Name=\"a\" Text=\"b\"/></Resources>"),
               TrpInvalidXMLException);  // no "?xml" header
  EXPECT_THROW(r.AddXML(table("<StrRes Name=\"a\" Text=\"b\"/>").replace("</Resources>", "</Other>")),
               TrpInvalidXMLException);
  EXPECT_EQ(r.Count(), 1);
  EXPECT_EQ(r.Get(QStringLiteral("kept")), QStringLiteral("yes"));
}

TEST(XmlLoading, OldFormatTextsAreDecodedAsUtf8) {
  // Version 1.0 without "standalone" marks the old 8-bit form, whose values carry UTF-8 bytes.
  if (rpSystemCodePage() != 1252) GTEST_SKIP() << "the bytes below are chosen for code page 1252";
  TrpResources r;
  r.AddXML(table("<StrRes Name=\"a\" Text=\"Gr\xc3\xbc\xc3\x9f" "e\"/><StrRes Name=\"b\" Text=\"&#195;&#188;ber\"/>",
                 "Resources", "<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
  EXPECT_EQ(r.Get(QStringLiteral("a")), QString::fromUtf8("Grüße"));
  EXPECT_EQ(r.Get(QStringLiteral("b")), QString::fromUtf8("über"));
}

TEST(XmlLoading, OldFormatTextsThatAreNotUtf8AreKept) {
  // "caf\xe9" is 8-bit text, not UTF-8; "&#20013;" names a character no 8-bit code page holds.
  if (rpSystemCodePage() != 1252) GTEST_SKIP() << "the bytes below are chosen for code page 1252";
  TrpResources r;
  r.AddXML(table("<StrRes Name=\"a\" Text=\"caf\xe9\"/><StrRes Name=\"b\" Text=\"&#20013;\"/>", "Resources",
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
  EXPECT_EQ(r.Get(QStringLiteral("a")), QString::fromUtf8("café"));
  EXPECT_EQ(r.Get(QStringLiteral("b")), QString::fromUtf8("中"));
}

TEST(XmlLoading, NewFormatTextsAreTakenAsTheyAre) {
  TrpResources r;
  r.AddXML(table("<StrRes Name=\"b\" Text=\"&#195;&#188;ber\"/>", "Resources",
                 "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>"));
  EXPECT_EQ(r.Get(QStringLiteral("b")), QString::fromUtf8("\u00c3\u00bcber"));
}

TEST(XmlLoading, MissingFileChangesNothingAndRaisesNothing) {
  TrpResources r;
  r.Add(QStringLiteral("a"), QStringLiteral("b"));
  QTemporaryDir dir;
  EXPECT_NO_THROW(r.LoadFromFile(dir.filePath(QStringLiteral("absent.rpl"))));
  EXPECT_EQ(r.Count(), 1);
}

TEST(XmlLoading, PathThatCannotBeOpenedRaises) {
  TrpResources r;
  QTemporaryDir dir;  // a folder exists but is no file to read
  EXPECT_THROW(r.LoadFromFile(dir.path()), std::runtime_error);
  EXPECT_EQ(r.Count(), 0);
}

TEST(XmlLoading, LoadsALanguageFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("german.rpl"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(table("<StrRes Name=\"clClose\" Text=\"Schlie\xc3\x9f" "en\"/>"));
  file.close();
  TrpResources r;
  r.LoadFromFile(path);
  EXPECT_EQ(r.Get(QStringLiteral("clClose")), QString::fromUtf8("Schließen"));
}

}  // namespace
