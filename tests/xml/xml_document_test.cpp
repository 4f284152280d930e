#include "report/xml/xml_document.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>";

// Loads `text` fully (no lazy loading) into `doc`.
void loadText(TrpXMLDocument& doc, const QByteArray& text) {
  QBuffer buffer;
  buffer.setData(text);
  buffer.open(QIODevice::ReadOnly);
  doc.LoadFromStream(&buffer);
}

QByteArray saveText(TrpXMLDocument& doc) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  doc.SaveToStream(&buffer);
  return buffer.data();
}

QByteArray readFile(const QString& name) {
  QFile file(name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

// A small report-like document: a root with two pages, each with one object.
void buildPages(TrpXMLDocument& doc, bool unloadable) {
  TrpXMLItem* root = doc.Root();
  root->SetName(QStringLiteral("preparedreport"));
  for (int p = 1; p <= 2; ++p) {
    TrpXMLItem* page = root->Add(QStringLiteral("page"));
    page->SetProp(QStringLiteral("n"), QString::number(p));
    page->SetUnloadable(unloadable);
    TrpXMLItem* memo = page->Add(QStringLiteral("memo"));
    memo->SetProp(QStringLiteral("Text"), QStringLiteral("Page %1 \u4E2D").arg(p));
  }
}

TEST(XmlReading, EmptyElementWithOrWithoutBlankHasNoChildren) {
  for (const QByteArray& body : {QByteArray("<r><a x=\"1\"/></r>"), QByteArray("<r><a x=\"1\" /></r>")}) {
    TrpXMLDocument doc;
    loadText(doc, kHeader + body);
    ASSERT_EQ(doc.Root()->Count(), 1) << body.constData();
    EXPECT_EQ(doc.Root()->Items(0)->Count(), 0);
    EXPECT_EQ(doc.Root()->Items(0)->Prop(QStringLiteral("x")), QStringLiteral("1"));
  }
}

TEST(XmlReading, CommentsBetweenElementsAreSkipped) {
  TrpXMLDocument doc;
  loadText(doc, kHeader + "<!-- a > b --><r><!----><a/><!-- x --><b/></r>");
  EXPECT_EQ(doc.Root()->Name(), QStringLiteral("r"));
  ASSERT_EQ(doc.Root()->Count(), 2);
  EXPECT_EQ(doc.Root()->Items(1)->Name(), QStringLiteral("b"));
}

TEST(XmlReading, CharacterDataBetweenTagsIsIgnoredAndClosingTagIgnoresCase) {
  TrpXMLDocument doc;
  loadText(doc, kHeader + "\r\n<Root a=\"&#60;\">text<item/>more</ROOT>");
  EXPECT_EQ(doc.Root()->Prop(QStringLiteral("a")), QStringLiteral("<"));
  EXPECT_EQ(doc.Root()->Count(), 1);
}

TEST(XmlReading, UnicodeAttributeTextIsDecodedFromUtf8) {
  TrpXMLDocument doc;
  loadText(doc, kHeader + QString::fromUtf16(u"<r t=\"學校 😀\"/>").toUtf8());
  EXPECT_EQ(doc.Root()->Prop(QStringLiteral("t")), QString::fromUtf16(u"學校 😀"));
  EXPECT_FALSE(doc.OldVersion());
}

TEST(XmlReading, OldFormatIsVersionOneWithoutStandalone) {
  TrpXMLDocument doc;
  loadText(doc, "<?xml version=\"1.0\"?><r t=\"caf\xE9\"/>");
  EXPECT_TRUE(doc.OldVersion());
  EXPECT_EQ(doc.Root()->Prop(QStringLiteral("t")).left(3), QStringLiteral("caf"));
  EXPECT_EQ(doc.Root()->Prop(QStringLiteral("t")).size(), 4);
}

TEST(XmlReading, TruncatedFileKeepsWhatPrecedesTheCut) {
  TrpXMLDocument doc;
  loadText(doc, kHeader + "<r><a/><b><c/>");
  ASSERT_EQ(doc.Root()->Count(), 2);
  EXPECT_EQ(doc.Root()->Items(1)->Count(), 1);
}

class MalformedXml : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedXml, RaisesInvalidFileFormat) {
  TrpXMLDocument doc;
  try {
    loadText(doc, GetParam());
    FAIL() << "no error for " << GetParam();
  } catch (const TrpInvalidXMLException& e) {
    EXPECT_STREQ(e.what(), "Invalid file format");
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, MalformedXml,
                         ::testing::Values("<r/>",                                           // no header
                                           "<?xml version=\"1.0\"?><r <a/></r>",           // '<' in a tag
                                           "<?xml version=\"1.0\"?><r><a x=\"1\"",         // EOF in a tag
                                           "<?xml version=\"1.0\"?><r><a></b></r>",        // mismatch
                                           "<?xml version=\"1.0\"?><r><a <!-- c --> /></r>",  // comment in tag
                                           "<?xml version=\"1.0\"?><!-- never closed"));

TEST(XmlReading, HostileNestingIsRefusedNotACrash) {
  QByteArray text = kHeader;
  for (int i = 0; i < 100000; ++i) text += "<a>";
  TrpXMLDocument doc;
  EXPECT_THROW(loadText(doc, text), TrpInvalidXMLException);
}

TEST(XmlWriting, AutoIndentWritesTwoBlanksPerLevelAndCrLf) {
  TrpXMLDocument doc;
  doc.SetAutoIndent(true);
  doc.Root()->SetName(QStringLiteral("r"));
  TrpXMLItem* a = doc.Root()->Add(QStringLiteral("a"));
  a->SetText(QStringLiteral("x=\"1\""));
  a->Add(QStringLiteral("b"))->SetValue(QStringLiteral("v"));
  EXPECT_EQ(saveText(doc), kHeader + "\r\n<r>\r\n  <a x=\"1\">\r\n    <b>v</b>\r\n  </a>\r\n</r>\r\n");
}

TEST(XmlWriting, WithoutAutoIndentThereAreNoLineBreaks) {
  TrpXMLDocument doc;
  doc.Root()->SetName(QStringLiteral("r"));
  doc.Root()->Add(QStringLiteral("a"));
  EXPECT_EQ(saveText(doc), kHeader + "<r><a/></r>");
}

TEST(XmlWriting, ValueIsEscapedSoItCannotBreakTheDocument) {
  TrpXMLDocument doc;
  doc.Root()->SetName(QStringLiteral("r"));
  doc.Root()->Add(QStringLiteral("a"))->SetValue(QStringLiteral("</r><evil/>"));
  doc.Root()->Add(QStringLiteral("b"));
  TrpXMLDocument again;
  loadText(again, saveText(doc));
  ASSERT_EQ(again.Root()->Count(), 2);
  EXPECT_EQ(again.Root()->Items(1)->Name(), QStringLiteral("b"));
}

TEST(XmlWriting, WrittenReadAndWrittenAgainIsIdenticalByteForByte) {
  for (bool indent : {false, true}) {
    TrpXMLDocument doc;
    doc.SetAutoIndent(indent);
    buildPages(doc, false);
    doc.Root()->Items(0)->SetProp(QStringLiteral("q"), QStringLiteral("a\"b\r\n<&>"));
    const QByteArray first = saveText(doc);
    TrpXMLDocument again;
    again.SetAutoIndent(indent);
    loadText(again, first);
    EXPECT_EQ(saveText(again), first);
  }
}

TEST(XmlWriting, LargeDocumentIsWrittenCompletely) {
  TrpXMLDocument doc;
  doc.Root()->SetName(QStringLiteral("r"));
  for (int i = 0; i < 5000; ++i) doc.Root()->Add(QStringLiteral("item"))->SetProp(QStringLiteral("i"), QString::number(i));
  TrpXMLDocument again;
  loadText(again, saveText(doc));
  ASSERT_EQ(again.Root()->Count(), 5000);
  EXPECT_EQ(again.Root()->Items(4999)->Prop(QStringLiteral("i")), QStringLiteral("4999"));
}

class XmlFiles : public ::testing::Test {
 protected:
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
};

TEST_F(XmlFiles, UnloadablePagesAreMarkedAndLoadedLazily) {
  {
    TrpXMLDocument doc;
    buildPages(doc, true);
    doc.SaveToFile(path("a.xml"));
  }
  EXPECT_TRUE(readFile(path("a.xml")).contains("<page n=\"1\" ld=\"0\">"));

  TrpXMLDocument doc;
  doc.LoadFromFile(path("a.xml"));
  TrpXMLItem* page = doc.Root()->Items(1);
  EXPECT_FALSE(page->Loaded());
  EXPECT_EQ(page->Count(), 0);
  EXPECT_EQ(page->Text(), QStringLiteral("n=\"2\""));
  doc.LoadItem(page);
  EXPECT_TRUE(page->Loaded());
  ASSERT_EQ(page->Count(), 1);
  EXPECT_EQ(page->Items(0)->Prop(QStringLiteral("Text")), QStringLiteral("Page 2 \u4E2D"));
}

TEST_F(XmlFiles, SaveToFileOverTheFileBeingReadLazilyKeepsEveryPage) {
  {
    TrpXMLDocument doc;
    buildPages(doc, true);
    doc.SaveToFile(path("a.xml"));
  }
  const QByteArray original = readFile(path("a.xml"));
  TrpXMLDocument doc;
  doc.LoadFromFile(path("a.xml"));
  doc.SaveToFile(path("a.xml"));
  EXPECT_EQ(readFile(path("a.xml")), original);
  EXPECT_FALSE(QFile::exists(path("a.xml.tmp")));
  doc.LoadItem(doc.Root()->Items(0));
  EXPECT_EQ(doc.Root()->Items(0)->Count(), 1);
}

TEST_F(XmlFiles, UnloadItemMovesTheSubtreeToATemporaryFileAndBack) {
  TrpXMLDocument doc;
  doc.SetTempDir(dir.path());
  buildPages(doc, true);
  TrpXMLItem* page = doc.Root()->Items(0);
  doc.UnloadItem(page);
  EXPECT_FALSE(page->Loaded());
  EXPECT_EQ(page->Count(), 0);
  EXPECT_FALSE(QDir(dir.path()).entryList({QStringLiteral("rp*")}, QDir::Files).isEmpty());
  doc.LoadItem(page);
  ASSERT_EQ(page->Count(), 1);
  EXPECT_EQ(page->Items(0)->Prop(QStringLiteral("Text")), QStringLiteral("Page 1 \u4E2D"));
}

TEST_F(XmlFiles, SavingWritesUnloadedSubtreesAndLeavesThemUnloaded) {
  TrpXMLDocument doc;
  buildPages(doc, true);
  const QByteArray expected = saveText(doc);
  doc.UnloadItem(doc.Root()->Items(0));
  doc.UnloadItem(doc.Root()->Items(1));
  EXPECT_EQ(saveText(doc), expected);
  EXPECT_FALSE(doc.Root()->Items(0)->Loaded());
}

TEST_F(XmlFiles, UnloadedItemKeepsReadingItsOwnStreamAfterAnotherLoad) {
  TrpXMLDocument doc;
  buildPages(doc, true);
  TrpXMLItem* page = doc.Root()->Items(1);
  doc.UnloadItem(page);
  auto* detached = new TrpXMLItem;
  detached->SetName(QStringLiteral("holder"));
  detached->AddItem(page);  // keep the unloaded page outside the document

  TrpXMLDocument other;
  buildPages(other, false);
  other.SaveToFile(path("b.xml"));
  doc.LoadFromFile(path("b.xml"));  // drops the document's own streams

  doc.LoadItem(page);
  ASSERT_EQ(page->Count(), 1);
  EXPECT_EQ(page->Items(0)->Prop(QStringLiteral("Text")), QStringLiteral("Page 2 \u4E2D"));
  delete detached;
}

TEST_F(XmlFiles, FullLoadReadsChildrenOfMarkedElements) {
  {
    TrpXMLDocument doc;
    buildPages(doc, true);
    doc.SaveToFile(path("a.xml"));
  }
  QFile file(path("a.xml"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  TrpXMLDocument doc;
  doc.LoadFromStream(&file, false);
  EXPECT_TRUE(doc.Root()->Items(0)->Loaded());
  EXPECT_EQ(doc.Root()->Items(0)->Count(), 1);
  EXPECT_EQ(doc.Root()->Items(0)->Text(), QStringLiteral("n=\"1\""));
}

TEST_F(XmlFiles, MissingFileIsAClearError) {
  TrpXMLDocument doc;
  EXPECT_THROW(doc.LoadFromFile(path("none.xml")), std::runtime_error);
}

TEST_F(XmlFiles, NonexistentTempDirFallsBackToTheSystemTemporaryDirectory) {
  TrpXMLDocument doc;
  doc.SetTempDir(path("does-not-exist"));
  buildPages(doc, true);
  doc.UnloadItem(doc.Root()->Items(0));
  doc.LoadItem(doc.Root()->Items(0));
  EXPECT_EQ(doc.Root()->Items(0)->Count(), 1);
}

}  // namespace
