// The worksheet prepared by hand as the engine prepares it: the records, the dictionary and the
// prepared-report file.
#include "preview_pages_fixture.h"

#include "report/xml/xml_document.h"

namespace {

const TrpXMLItem* child(const TrpXMLItem* parent, const QString& name) {
  const int index = parent->Find(name);
  return index < 0 ? nullptr : parent->Items(index);
}

}  // namespace

class WorksheetPagesTest : public PreviewPagesTest {
 protected:
  void SetUp() override {
    PreviewPagesTest::SetUp();
    Page = BuildWorksheet();
    RunWorksheet(*Page);
  }
  TrpReportPage* Page = nullptr;
};

TEST_F(WorksheetPagesTest, OnePageNamedAfterItsSourcePage) {
  ASSERT_EQ(Pages->GetCount(), 1);
  EXPECT_EQ(Pages->PageItem(0)->Name(), "page0");
}

TEST_F(WorksheetPagesTest, BandRecordHoldsTopAndFourTextRecords) {
  const TrpXMLItem* page = Pages->PageItem(0);
  ASSERT_EQ(page->Count(), 2);
  const TrpXMLItem* band = page->Items(0);
  EXPECT_EQ(band->Name(), "b1");
  EXPECT_EQ(band->Text(), "t=\"0\"");
  ASSERT_EQ(band->Count(), 4);
  const QStringList texts{QStringLiteral("班別："), QStringLiteral("姓名："), QStringLiteral("日期："),
                          QStringLiteral("練習　單")};
  for (int i = 0; i < 4; ++i) {
    const TrpXMLItem* memo = band->Items(i);
    EXPECT_EQ(memo->Name(), QStringLiteral("m%1").arg(i + 1));
    EXPECT_EQ(memo->Text(), QStringLiteral("u=\"%1\"").arg(texts[i]));
  }
}

TEST_F(WorksheetPagesTest, NullBandHoldsTheSixtyEightLooseObjects) {
  const TrpXMLItem* nullBand = Pages->PageItem(0)->Items(1);
  EXPECT_EQ(nullBand->Name(), "TrpNullBand");
  EXPECT_TRUE(nullBand->Text().endsWith(QStringLiteral("l=\"0\" t=\"0\""))) << nullBand->Text();
  ASSERT_EQ(nullBand->Count(), 68);
  for (int i = 0; i < 68; ++i) {
    const TrpXMLItem* memo = nullBand->Items(i);
    EXPECT_EQ(memo->Name(), QStringLiteral("m%1").arg(i + 5));
    EXPECT_TRUE(memo->Text().startsWith(QStringLiteral("u=\""))) << memo->Text();
    EXPECT_EQ(memo->Text().count(u'='), 1) << memo->Text();  // no w for auto-width text
  }
}

TEST_F(WorksheetPagesTest, DictionaryNamesTheBandAndEveryTextObject) {
  const TrpDictionary& dictionary = Pages->Dictionary();
  ASSERT_EQ(dictionary.Count(), 73);
  EXPECT_EQ(dictionary.GetSourceName(QStringLiteral("b1")), "Page0.PageBody");
  EXPECT_EQ(dictionary.GetSourceName(QStringLiteral("m1")), "Page0.Memo2");
  EXPECT_EQ(dictionary.GetSourceName(QStringLiteral("m4")), "Page0.Memo1");
  EXPECT_EQ(dictionary.GetSourceName(QStringLiteral("m5")), "Page0.Memo5");
  EXPECT_EQ(dictionary.GetSourceName(QStringLiteral("m72")), "Page0.Memo72");
}

TEST_F(WorksheetPagesTest, PreparedPageGrowsToItsContent) {
  const QSizeF size = Pages->GetPageSize(0);
  EXPECT_EQ(size.width(), 794);
  EXPECT_EQ(size.height(), 1103);
  EXPECT_EQ(Pages->SourcePage(0)->PaperSize(), 256);
}

TEST_F(WorksheetPagesTest, FileHasTheElementsInOrderOnOneLine) {
  const QByteArray bytes = Save(*Pages);
  EXPECT_FALSE(bytes.contains('\n'));
  EXPECT_FALSE(bytes.contains('\r'));
  TrpXMLDocument doc;
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  doc.LoadFromStream(&buffer);
  const TrpXMLItem* root = doc.Root();
  EXPECT_EQ(root->Name(), "preparedreport");
  QStringList names;
  for (int i = 0; i < root->Count(); ++i) names.append(root->Items(i)->Name());
  EXPECT_EQ(names, (QStringList{"previewpages", "logicalpagenumbers", "outline", "report", "sourcepages",
                                "dictionary", "picturecache"}));
  EXPECT_EQ(child(root, "logicalpagenumbers")->Items(0)->Prop("n"), "1");
  EXPECT_EQ(child(root, "outline")->Count(), 0);
  EXPECT_EQ(child(root, "picturecache")->Count(), 0);
  EXPECT_EQ(child(root, "dictionary")->Count(), 73);
  EXPECT_EQ(child(root, "dictionary")->Items(0)->Name(), "b1");
  EXPECT_EQ(child(root, "dictionary")->Items(0)->Prop("name"), "Page0.PageBody");
  const TrpXMLItem* report = child(root, "report")->Items(0);
  EXPECT_EQ(report->Name(), "TrpReport");
  EXPECT_EQ(report->Text(), "DotMatrixReport=\"0\" PreviewOptions.OutlineVisible=\"0\" "
                            "PreviewOptions.OutlineWidth=\"120\" ReportOptions.Name=\"\"");
  const TrpXMLItem* source = child(root, "sourcepages")->Items(0);
  EXPECT_EQ(source->Name(), "TrpReportPage");
  EXPECT_EQ(source->Prop("Name"), "Page1");
  EXPECT_EQ(source->Prop("PaperSize"), "256");
  EXPECT_EQ(source->Prop("PaperHeight"), "291.78");
  ASSERT_EQ(source->Count(), 69);  // the band and the 68 loose text objects
  EXPECT_EQ(source->Items(0)->Prop("Name"), "PageBody");
  EXPECT_EQ(source->Items(0)->Count(), 4);
}

TEST_F(WorksheetPagesTest, SaveLoadSaveGivesIdenticalBytes) {
  const QByteArray first = Save(*Pages);
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  Load(*other, first);
  EXPECT_EQ(Save(*other), first);
  EXPECT_EQ(Save(*Pages), first);  // saving leaves the store as it was
}

TEST_F(WorksheetPagesTest, LoadedPageRebuildsTheSameObjects) {
  const QByteArray bytes = Save(*Pages);
  TrpReportPage* before = Pages->GetPage(0);
  QStringList expected;
  for (TrpComponent* object : before->AllObjects())
    expected.append(object->ClassName() + u' ' + object->Name() + u' ' + QString::number(double(object->AbsTop())) +
                    u' ' + (dynamic_cast<TrpMemoView*>(object) ? dynamic_cast<TrpMemoView*>(object)->Text() : QString()));
  Load(*Pages, bytes);
  TrpReportPage* after = Pages->GetPage(0);
  QStringList actual;
  for (TrpComponent* object : after->AllObjects())
    actual.append(object->ClassName() + u' ' + object->Name() + u' ' + QString::number(double(object->AbsTop())) +
                  u' ' + (dynamic_cast<TrpMemoView*>(object) ? dynamic_cast<TrpMemoView*>(object)->Text() : QString()));
  EXPECT_EQ(actual.size(), 4 + 68 + 2);
  EXPECT_EQ(actual, expected);
}

TEST_F(WorksheetPagesTest, BuiltPageHoldsTheTextsAtTheirPlaces) {
  TrpReportPage* page = Pages->GetPage(0);
  ASSERT_NE(page, nullptr);
  auto* title = dynamic_cast<TrpMemoView*>(page->FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Text().trimmed(), QStringLiteral("練習　單"));
  EXPECT_EQ(double(title->AbsTop()), 9.0);
  auto* copy = dynamic_cast<TrpMemoView*>(page->FindObject(QStringLiteral("Memo40")));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Text().trimmed(), QStringLiteral("練習　單"));
  EXPECT_EQ(double(copy->AbsTop()), 9.0 + 532);
}
