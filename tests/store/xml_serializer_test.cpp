#include "report/store/xml_serializer.h"

#include "qstring_printer.h"
#include "report/objects/class_registry.h"
#include "report/xml/xml_document.h"
#include "test_classes.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

class XmlSerializerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallXMLSerializer();
    for (const TrpClassInfo* cls : {&TestPage::StaticClassInfo(), &TestBand::StaticClassInfo(),
                                     &TestMemo::StaticClassInfo()})
      rpRegisterClass(*cls);
  }

  TestMemo* newMemo(TrpComponent* parent, const QString& name) {
    auto* memo = new TestMemo(parent);
    memo->SetName(name);
    return memo;
  }

  // Writes `root` with its tree and returns the document text.
  QByteArray save(const TrpComponent& root) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    TrpXMLSerializer(&out).WriteRootComponent(root);
    return out.data();
  }

  QStringList load(TrpComponent& root, const QByteArray& text) {
    QBuffer in;
    in.setData(text);
    in.open(QIODevice::ReadOnly);
    TrpXMLSerializer serializer(&in);
    serializer.ReadRootComponent(root);
    return serializer.Errors();
  }

  TestReport report;
};

TEST_F(XmlSerializerTest, DefaultsAreLeftOutButFloatsAreAlwaysWritten) {
  TestMemo* memo = newMemo(&report, QStringLiteral("Memo1"));
  const QString text = TrpXMLSerializer().ObjToXML(*memo);
  EXPECT_FALSE(text.contains(QLatin1String("GapX")));
  EXPECT_TRUE(text.contains(QLatin1String(" Left=\"0\"")));
  memo->SetGapX(3);
  EXPECT_TRUE(TrpXMLSerializer().ObjToXML(*memo).contains(QLatin1String(" GapX=\"3\"")));
}

TEST_F(XmlSerializerTest, SubObjectsAreWrittenWithADottedPrefix) {
  TestMemo* memo = newMemo(&report, QStringLiteral("Memo1"));
  TrpFont font;
  font.SetStyle(TFontStyles{fsBold, fsItalic});
  font.SetName(QStringLiteral("Liberation Serif"));
  memo->SetFont(font);
  const QString text = TrpXMLSerializer().ObjToXML(*memo);
  EXPECT_TRUE(text.contains(QLatin1String(" Font.Style=\"3\""))) << qPrintable(text);
  EXPECT_TRUE(text.contains(QLatin1String(" Font.Name=\"Liberation Serif\"")));
}

TEST_F(XmlSerializerTest, AttributesReadBackByNameNumberAndDottedPath) {
  TestMemo* memo = newMemo(&report, QStringLiteral("Memo1"));
  TrpXMLSerializer serializer;
  serializer.XMLToObj(QStringLiteral(" HAlign=\"2\" Font.Style=\"3\" Left=\"12,5\" GapX=\"7\" Unknown=\"1\""), *memo);
  EXPECT_EQ(memo->HAlign(), haCenter);
  EXPECT_TRUE(memo->Font()->Style().Has(fsBold));
  EXPECT_TRUE(memo->Font()->Style().Has(fsItalic));
  EXPECT_EQ(memo->Left(), 12.5L);
  EXPECT_EQ(memo->GapX(), 7);
  EXPECT_TRUE(serializer.Errors().isEmpty());
  serializer.XMLToObj(QStringLiteral(" HAlign=\"haRight\""), *memo);
  EXPECT_EQ(memo->HAlign(), haRight);
}

TEST_F(XmlSerializerTest, CompactRecordNamesSetGeometry) {
  TestMemo* memo = newMemo(&report, QStringLiteral("Memo1"));
  TrpXMLSerializer().XMLToObj(QStringLiteral(" l=\"1.5\" t=\"2\" w=\"30\" h=\"40.25\""), *memo);
  EXPECT_EQ(memo->Left(), 1.5L);
  EXPECT_EQ(memo->Top(), 2.0L);
  EXPECT_EQ(memo->Width(), 30.0L);
  EXPECT_EQ(memo->Height(), 40.25L);
}

TEST_F(XmlSerializerTest, ABadValueIsReportedAndTheRestIsRead) {
  TestMemo* memo = newMemo(&report, QStringLiteral("Memo1"));
  TrpXMLSerializer serializer;
  serializer.XMLToObj(QStringLiteral(" GapX=\"many\" Left=\"4\""), *memo);
  EXPECT_EQ(serializer.Errors().size(), 1);
  EXPECT_EQ(memo->Left(), 4.0L);
}

TEST_F(XmlSerializerTest, TreeRoundTripKeepsObjectsPropertiesAndReferences) {
  auto* page = new TestPage(&report);
  page->SetName(QStringLiteral("Page1"));
  auto* band = new TestBand(page);
  band->SetName(QStringLiteral("Band1"));
  TestMemo* a = newMemo(band, QStringLiteral("MemoA"));
  TestMemo* b = newMemo(band, QStringLiteral("MemoB"));
  a->SetText(QStringLiteral("line 1\r\nline \"2\" <&>"));
  a->SetBounds(10, 20, 30.5, 40);
  b->SetPartner(a);
  const QByteArray text = save(report);

  TestReport copy;
  EXPECT_TRUE(load(copy, text).isEmpty());
  auto* copyA = dynamic_cast<TestMemo*>(copy.FindObject(QStringLiteral("MemoA")));
  auto* copyB = dynamic_cast<TestMemo*>(copy.FindObject(QStringLiteral("MemoB")));
  ASSERT_TRUE(copyA && copyB);
  EXPECT_EQ(copyA->Parent()->Name(), QStringLiteral("Band1"));
  EXPECT_EQ(copyA->Text(), a->Text());
  EXPECT_EQ(copyA->Width(), 30.5L);
  EXPECT_EQ(copyB->Partner(), copyA);
  EXPECT_FALSE(copyA->IsLoading());
  // Written again, the copy gives the same document.
  EXPECT_EQ(save(copy), text);
}

TEST_F(XmlSerializerTest, DocumentIsIndentedWithClassNamesAndNameFirst) {
  auto* page = new TestPage(&report);
  page->SetName(QStringLiteral("Page1"));
  const QString text = QString::fromUtf8(save(report));
  EXPECT_TRUE(text.startsWith(QLatin1String("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n")));
  EXPECT_TRUE(text.contains(QLatin1String("\r\n  <TrpTestPage Name=\"Page1\""))) << qPrintable(text);
}

TEST_F(XmlSerializerTest, UnknownClassIsReportedAndItsChildrenAreNotRead) {
  const QByteArray text =
      "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>"
      "<TrpCustomReport><TrpNoSuchThing Name=\"X\"><TrpMemoView Name=\"Inner\"/></TrpNoSuchThing>"
      "<TrpMemoView Name=\"Outer\"/></TrpCustomReport>";
  const QStringList errors = load(report, text);
  EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot find class TrpNoSuchThing")});
  EXPECT_EQ(report.FindObject(QStringLiteral("Inner")), nullptr);
  EXPECT_NE(report.FindObject(QStringLiteral("Outer")), nullptr);
}

TEST_F(XmlSerializerTest, ComponentStringsMakeNewObjects) {
  TrpXMLSerializer serializer;
  TrpComponent* memo = serializer.ReadComponentStr(&report, QStringLiteral("TrpMemoView Name=\"M7\" GapX=\"9\""));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Name(), QStringLiteral("M7"));
  EXPECT_EQ(dynamic_cast<TestMemo*>(memo)->GapX(), 9);
  EXPECT_EQ(serializer.ReadComponentStr(&report, QString()), nullptr);
  EXPECT_TRUE(serializer.WriteComponentStr(*memo).startsWith(QLatin1String("TrpMemoView ")));
}

TEST_F(XmlSerializerTest, SaveAndLoadThroughTheReportObjects) {
  TestMemo* memo = newMemo(&report, QStringLiteral("Memo1"));
  memo->SetGapX(5);
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  memo->SaveToStream(buffer);
  TestMemo* other = newMemo(&report, QStringLiteral("Memo2"));
  buffer.seek(0);
  other->LoadFromStream(buffer);
  EXPECT_EQ(other->GapX(), 5);
}

}  // namespace
