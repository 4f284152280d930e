// The stored worksheet report template: the report component's values and the seven objects,
// in order, as the window reads them at creation.
#include <QBuffer>
#include <QFile>

#include "report/component/report.h"
#include "report/datasets/report_data_sets.h"
#include "report/memo/memo_view.h"
#include "report/options/preview_options.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_page.h"
#include "report/pages/report_page.h"
#include "report/views/brush_fill.h"
#include "report/views/frame.h"
#include "window_fixture.h"
#include "worksheet/worksheet_report_builder.h"
#include "worksheet/worksheet_template.h"

namespace {

constexpr int kAnsiCharset = 0;
constexpr int kChineseBig5Charset = 136;
constexpr Extended kUnitsPerMillimetre = 3.77953L;

class TemplateTest : public WindowTest {
 protected:
  TrpReport& Report() { return *Window().rpt; }
  TrpComponent* Find(const char* name) { return Report().FindObject(QString::fromUtf8(name)); }
};

TEST_F(TemplateTest, LoadsWithoutErrors) {
  EXPECT_TRUE(Report().Errors().isEmpty()) << Report().Errors().join('\n').toStdString();
}

TEST_F(TemplateTest, ReportComponentHasTheStoredValues) {
  const TrpReport& r = Report();
  EXPECT_EQ(r.Version(), QStringLiteral("5.3.14"));
  EXPECT_FALSE(r.DotMatrixReport());
  EXPECT_EQ(r.IniFile(), QStringLiteral("\\Software\\Stroval"));
  EXPECT_EQ(r.ScriptLanguage(), QStringLiteral("PascalScript"));
  EXPECT_EQ(r.ScriptText(), (QStringList{"begin", "", "end."}));
  EXPECT_TRUE(r.ParentReport().isEmpty());
  EXPECT_TRUE(r.DataSets().IsEmpty());
  EXPECT_EQ(r.PrintOptions().Printer(), QStringLiteral("Default"));
  EXPECT_EQ(r.PrintOptions().PrintOnSheet(), 0);
  EXPECT_NEAR(double(r.ReportOptions().CreateDate()), 42332.6979735417, 1e-9);
  EXPECT_NEAR(double(r.ReportOptions().LastChange()), 42345.391553669, 1e-9);
}

TEST_F(TemplateTest, PreviewHasEveryButtonAtPageWidth) {
  const TrpPreviewOptions& options = Report().PreviewOptions();
  const TrpPreviewButtons all{pbPrint, pbLoad,  pbSave,      pbExport, pbZoom, pbFind,
                              pbOutline, pbPageSetup, pbTools, pbEdit, pbNavigator, pbExportQuick};
  EXPECT_EQ(options.Buttons(), all);
  EXPECT_FALSE(options.Buttons().Has(pbNoClose));
  EXPECT_FALSE(options.Buttons().Has(pbNoFullScreen));
  EXPECT_FALSE(options.Buttons().Has(pbNoEmail));
  EXPECT_EQ(options.Zoom(), 1.0L);
  EXPECT_EQ(options.ZoomMode(), zmPageWidth);
}

TEST_F(TemplateTest, SevenObjectsInStoredOrderWithTheirParents) {
  struct Expected { const char* name; const char* cls; const char* parent; };
  const Expected expected[] = {{"Data", "TrpDataPage", ""},          {"Page1", "TrpReportPage", ""},
                               {"PageBody", "TrpPageHeader", "Page1"}, {"Memo2", "TrpMemoView", "PageBody"},
                               {"Memo3", "TrpMemoView", "PageBody"},   {"Memo4", "TrpMemoView", "PageBody"},
                               {"Memo1", "TrpMemoView", "PageBody"}};
  ASSERT_EQ(Report().ComponentCount(), 7);
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(expected[i].name);
    const TrpComponent* object = Report().Components().at(i);
    EXPECT_EQ(object->Name(), QString::fromUtf8(expected[i].name));
    EXPECT_EQ(object->ClassName(), QString::fromUtf8(expected[i].cls));
    const TrpComponent* parent = object->Parent();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent == &Report() ? QString() : parent->Name(), QString::fromUtf8(expected[i].parent));
  }
  EXPECT_EQ(Report().AllObjects(), Report().Components());
}

TEST_F(TemplateTest, DataPageIsThousandSquare) {
  const TrpComponent* data = Find("Data");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Width(), 1000);
  EXPECT_EQ(data->Height(), 1000);
}

TEST_F(TemplateTest, PageIsA4WithEndlessHeightAndFiveMillimetreMargins) {
  const auto* page = dynamic_cast<TrpReportPage*>(Find("Page1"));
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Tag(), 8765);
  EXPECT_EQ(page->PaperWidth(), 210);
  EXPECT_EQ(page->PaperHeight(), 297);
  EXPECT_EQ(page->PaperSize(), 9);
  for (Extended margin : {page->LeftMargin(), page->RightMargin(), page->TopMargin(), page->BottomMargin()})
    EXPECT_NEAR(double(margin), 5.000625, 1e-12);
  EXPECT_TRUE(page->EndlessHeight());
  EXPECT_FALSE(page->EndlessWidth());
  EXPECT_EQ(page->Orientation(), poPortrait);
  EXPECT_EQ(page->Columns(), 0);
  EXPECT_EQ(page->PageCount(), 1);
  EXPECT_TRUE(page->BackPicture().isNull());
  EXPECT_NEAR(double(page->PrintableWidth()), 199.99875, 1e-9);
  EXPECT_NEAR(double(page->PrintableHeight()), 286.99875, 1e-9);
}

TEST_F(TemplateTest, PageBodyBandFitsThePrintableArea) {
  const auto* band = dynamic_cast<TrpPageHeader*>(Find("PageBody"));
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->Tag(), 8765);
  EXPECT_EQ(band->FillType(), ftBrush);
  EXPECT_FALSE(band->ParentFont());
  EXPECT_EQ(band->Font()->Name(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(band->Font()->Height(), -15);
  EXPECT_EQ(band->Font()->Size(), 11);
  EXPECT_EQ(band->Font()->Charset(), kAnsiCharset);
  EXPECT_EQ(band->Font()->Color(), clBlack);
  EXPECT_EQ(band->Font()->Style(), TFontStyles{});
  EXPECT_EQ(band->Top(), 16);
  EXPECT_EQ(band->Height(), 1065);
  EXPECT_NEAR(double(band->Width()), 755.9012755875001, 1e-9);
  // The band's 1065 units fit in the 286.99875 mm of the printable height (about 1084.7 units).
  const auto* page = dynamic_cast<TrpReportPage*>(Find("Page1"));
  EXPECT_LT(band->Height(), page->PrintableHeight() * kUnitsPerMillimetre);
  EXPECT_NEAR(double(page->PrintableWidth() * kUnitsPerMillimetre), double(band->Width()), 1e-9);
}

struct TemplateMemo {
  const char* name;
  Extended left, top, width, height;
  const char* text;
};

void PrintTo(const TemplateMemo& memo, std::ostream* os) { *os << memo.name; }

class TemplateMemoTest : public TemplateTest, public ::testing::WithParamInterface<TemplateMemo> {};

TEST_P(TemplateMemoTest, HasItsPlaceTextAndTheCaptionFont) {
  const TemplateMemo& e = GetParam();
  const auto* memo = dynamic_cast<TrpMemoView*>(Find(e.name));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Left(), e.left);
  EXPECT_EQ(memo->Top(), e.top);
  EXPECT_EQ(memo->Width(), e.width);
  EXPECT_EQ(memo->Height(), e.height);
  EXPECT_EQ(memo->Memo(), QStringList{QString::fromUtf8(e.text)});
  EXPECT_EQ(memo->Tag(), 0);
  EXPECT_FALSE(memo->ParentFont());
  EXPECT_EQ(memo->Font()->Name(), QStringLiteral("新細明體"));
  EXPECT_EQ(memo->Font()->Height(), -21);
  EXPECT_EQ(memo->Font()->Size(), 16);
  EXPECT_EQ(memo->Font()->Charset(), kChineseBig5Charset);
  EXPECT_EQ(memo->Font()->Color(), clBlack);
  EXPECT_EQ(memo->Font()->Style(), TFontStyles{});
  // Every other property keeps its default.
  EXPECT_EQ(memo->Frame()->Typ(), TrpFrameTypes{});
  ASSERT_EQ(memo->FillType(), ftBrush);
  EXPECT_EQ(static_cast<const TrpBrushFill*>(memo->Fill())->BackColor(), clNone);
  EXPECT_EQ(memo->HAlign(), haLeft);
  EXPECT_EQ(memo->VAlign(), vaTop);
  EXPECT_TRUE(memo->WordWrap());
  EXPECT_TRUE(memo->AllowExpressions());
  EXPECT_FALSE(memo->AutoWidth());
}

INSTANTIATE_TEST_SUITE_P(
    TemplateObjects, TemplateMemoTest,
    ::testing::Values(TemplateMemo{"Memo1", 5, 9, 731, 40, "Orlavo\u3000Quilltrace"},
                      TemplateMemo{"Memo2", 5, 49, 95, 40, "班別："},
                      TemplateMemo{"Memo3", 135, 49, 95, 40, "姓名："},
                      TemplateMemo{"Memo4", 545, 49, 95, 40, "日期：" }));

TEST_F(TemplateTest, FindObjectFindsTitleAndBandIgnoringCase) {
  EXPECT_EQ(Report().FindObject(QStringLiteral("memo1")), Find("Memo1"));
  ASSERT_NE(Find("PageBody"), nullptr);
  EXPECT_EQ(Find("PageBody")->ClassName(), QStringLiteral("TrpPageHeader"));
}

TEST_F(TemplateTest, StoredFileIsWhatTheSerializerWritesForIt) {
  QFile stored(QString::fromLatin1(stroval::kWorksheetTemplateResource));
  ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
  QBuffer written;
  written.open(QIODevice::WriteOnly);
  Report().SaveToStream(written);
  EXPECT_EQ(written.data(), stored.readAll());
}

TEST_F(TemplateTest, EachWindowHasItsOwnReport) {
  stroval::TForm19 other(std::make_unique<FakeDialogs>(&dialogs_));
  ASSERT_NE(other.rpt, nullptr);
  EXPECT_NE(other.rpt, Window().rpt);
  EXPECT_EQ(other.rpt->ComponentCount(), 7);
}

}  // namespace
