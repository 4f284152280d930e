// The engine's small XML tree: attribute encoding, items, reading and writing.
#include <gtest/gtest.h>

#include <QBuffer>

#include "script_engine/front/script_error.h"
#include "script_engine/front/xml.h"

namespace {

TEST(AttributeEncoding, SpecialCharactersBecomeCharacterReferences) {
  const struct { QString plain; QString encoded; } cases[] = {
      {"a\"b", "a&#34;b"},
      {"<&>", "&#60;&#38;&#62;"},
      {"x\r\ny", "x&#13;&#10;y"},
      {"&quot;", "&#34;"},
      {"中文 'q'", "中文 'q'"},
  };
  for (const auto& c : cases) EXPECT_EQ(scStrToXML(c.plain), c.encoded) << c.plain.toStdString();
}

TEST(AttributeEncoding, DecodingReversesEncoding) {
  for (const QString& s : {QStringLiteral("a\"b<c>&d\r\n"), QStringLiteral("plain"), QString()})
    EXPECT_EQ(scXMLToStr(scStrToXML(s)), s);
}

TEST(AttributeEncoding, DecodingLeavesOtherEntitiesAndBrokenReferences) {
  const struct { QString encoded; QString plain; } cases[] = {
      {"&quot;x&quot;", "\"x\""},
      {"&amp;", "&amp;"},
      {"&#65;&#66", "A&#66"},     // no ";": kept as written, nothing read past the end
      {"&#;", "&#;"},
      {"&#99999999999;", "&#99999999999;"},
      {"&#128512;", QString::fromUcs4(U"\U0001F600")},
      {"&", "&"},
  };
  for (const auto& c : cases) EXPECT_EQ(scXMLToStr(c.encoded), c.plain) << c.encoded.toStdString();
}

TEST(XMLItems, PropertiesAreFoundInRawTextIgnoringCase) {
  TscXMLItem item(QStringLiteral("x"));
  item.SetText(QStringLiteral(" text=\"a&#34;b\" Pos=\"1:2\""));
  EXPECT_EQ(item.Prop(QStringLiteral("text")), QStringLiteral("a\"b"));
  EXPECT_EQ(item.Prop(QStringLiteral("pos")), QStringLiteral("1:2"));
  EXPECT_EQ(item.Prop(QStringLiteral("missing")), QString());
  EXPECT_FALSE(item.PropExists(QStringLiteral("ext")));
}

TEST(XMLItems, SetPropReplacesOrAppends) {
  TscXMLItem item(QStringLiteral("x"));
  item.SetProp(QStringLiteral("a"), QStringLiteral("1"));
  item.SetProp(QStringLiteral("b"), QStringLiteral("<2>"));
  item.SetProp(QStringLiteral("A"), QStringLiteral("3"));
  EXPECT_EQ(item.Text(), QStringLiteral(" a=\"3\" b=\"&#60;2&#62;\""));
  EXPECT_EQ(item.Prop(QStringLiteral("b")), QStringLiteral("<2>"));
}

TEST(XMLItems, FindAndFindItem) {
  TscXMLItem root(QStringLiteral("r"));
  root.Add(QStringLiteral("One"));
  EXPECT_EQ(root.Find(QStringLiteral("one")), 0);
  EXPECT_EQ(root.Find(QStringLiteral("two")), -1);
  TscXMLItem* two = root.FindItem(QStringLiteral("two"));
  EXPECT_EQ(root.Count(), 2);
  EXPECT_EQ(two->Parent(), &root);
  EXPECT_EQ(root.FindItem(QStringLiteral("TWO")), two);
}

TEST(XMLItems, AssignCopiesSubtree) {
  TscXMLItem source(QStringLiteral("s"));
  source.SetProp(QStringLiteral("k"), QStringLiteral("v"));
  source.Add(QStringLiteral("c"))->Add(QStringLiteral("g"));
  TscXMLItem copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Name(), QStringLiteral("s"));
  EXPECT_EQ(copy.Prop(QStringLiteral("k")), QStringLiteral("v"));
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.Items(0)->Items(0)->Name(), QStringLiteral("g"));
  EXPECT_NE(copy.Items(0), source.Items(0));
}

TEST(XMLDocuments, ReadsTagsCommentsAndIgnoresText) {
  TscXMLDocument doc;
  doc.LoadFromString(QStringLiteral("<?xml version=\"1.0\"?>\n<!-- note <x> -->\n"
                                    "<root a=\"1\">text<child b=\"x>y\"/><Other></other></root>"));
  EXPECT_EQ(doc.Root()->Name(), QStringLiteral("root"));
  EXPECT_EQ(doc.Root()->Text(), QStringLiteral(" a=\"1\""));
  ASSERT_EQ(doc.Root()->Count(), 2);
  EXPECT_EQ(doc.Root()->Items(0)->Prop(QStringLiteral("b")), QStringLiteral("x>y"));
  EXPECT_EQ(doc.Root()->Items(1)->Count(), 0);
}

TEST(XMLDocuments, MalformedTextIsInvalidFileFormat) {
  const char* cases[] = {
      "<root/>",                                      // no declaration first
      "<?xml version=\"1.0\"?><a><b></a></b>",        // crossed tags
      "<?xml version=\"1.0\"?><a>",                   // unclosed
      "<?xml version=\"1.0\"?><a/><b/>",              // two roots
      "<?xml version=\"1.0\"?><a x=\"1",              // tag never ends
      "<?xml version=\"1.0\"?><!-- open",             // comment never ends
      "",
  };
  for (const char* text : cases) {
    TscXMLDocument doc;
    try {
      doc.LoadFromString(QString::fromUtf8(text));
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Invalid file format")) << text;
    }
  }
}

TEST(XMLDocuments, WritesIndentedOrOnOneLine) {
  TscXMLDocument doc;
  doc.Root()->SetName(QStringLiteral("program"));
  TscXMLItem* a = doc.Root()->Add(QStringLiteral("a"));
  a->SetProp(QStringLiteral("pos"), QStringLiteral("1:1"));
  a->Add(QStringLiteral("b"));
  EXPECT_EQ(doc.SaveToString(), QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                                               "<program>\r\n  <a pos=\"1:1\">\r\n    <b/>\r\n"
                                               "  </a>\r\n</program>\r\n"));
  doc.SetAutoIndent(false);
  EXPECT_EQ(doc.SaveToString(), QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                               "<program><a pos=\"1:1\"><b/></a></program>"));
}

TEST(XMLDocuments, StreamRoundTripKeepsUnicode) {
  TscXMLDocument doc;
  doc.Root()->SetName(QStringLiteral("r"));
  doc.Root()->Add(QStringLiteral("s"))->SetProp(QStringLiteral("text"), QStringLiteral("字 \"q\""));
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  doc.SaveToStream(buffer);
  buffer.seek(0);
  TscXMLDocument back;
  back.LoadFromStream(buffer);
  EXPECT_EQ(back.Root()->Items(0)->Prop(QStringLiteral("text")), QStringLiteral("字 \"q\""));
  EXPECT_EQ(back.SaveToUtf8(), doc.SaveToUtf8());
}

TEST(XMLDocuments, VeryDeepDocumentsAreHandledWithoutRecursion) {
  const int depth = 200000;
  QString text = QStringLiteral("<?xml version=\"1.0\"?>");
  text += QStringLiteral("<a>").repeated(depth) + QStringLiteral("</a>").repeated(depth);
  TscXMLDocument doc;
  doc.LoadFromString(text);
  doc.SetAutoIndent(false);
  EXPECT_EQ(doc.SaveToString().size(), QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>").size() +
                                           7 * (depth - 1) + 4);
  doc.Clear();  // frees the chain
  EXPECT_EQ(doc.Root()->Count(), 0);
}

TEST(XMLDocuments, FailedLoadKeepsPreviousDocument) {
  TscXMLDocument doc;
  doc.LoadFromString(QStringLiteral("<?xml version=\"1.0\"?><keep/>"));
  EXPECT_THROW(doc.LoadFromString(QStringLiteral("<?xml version=\"1.0\"?><a>")), ScriptError);
  EXPECT_EQ(doc.Root()->Name(), QStringLiteral("keep"));
}

}  // namespace
