// The worksheet report of the application, prepared end to end into the real prepared-pages
// store: one page of 794 x 1103 units with the page-header band at the top and the 68 objects
// lying on the page in a null band at the corner of the printable area.
#include <gtest/gtest.h>

#include <QBuffer>

#include "qstring_printer.h"
#include "report/engine/install_engine.h"
#include "report/model/band_kinds.h"
#include "report/model/custom_preview_pages.h"
#include "report/model/engine_options.h"
#include "report/model/memo_view.h"
#include "report/model/report.h"
#include "report/model/report_classes.h"
#include "report/model/report_page.h"
#include "report/model/report_services.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"

namespace {

constexpr Extended kMargin = 5.000624999999999;

TrpMemoView* addMemo(TrpComponent* parent, const QString& name, const QString& text,
                     Extended left, Extended top, Extended width, Extended height) {
  auto* memo = new TrpMemoView(parent);
  memo->SetName(name);
  memo->SetBounds(left, top, width, height);
  memo->SetText(text);
  return memo;
}

// The template of the worksheet window and what its print command adds: 32 cells on the page
// and a copy of every text object 532 units lower.
void buildWorksheet(TrpReport& report) {
  auto* page = new TrpReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  page->SetTag(8765);
  page->SetLeftMargin(kMargin);
  page->SetRightMargin(kMargin);
  page->SetTopMargin(kMargin);
  page->SetBottomMargin(kMargin);
  page->SetEndlessHeight(true);
  auto* band = new TrpPageHeader(page);
  band->SetName(QStringLiteral("PageBody"));
  band->SetBounds(0, 16, 755.9012755875001, 1065);
  addMemo(band, "Memo2", QStringLiteral("班別："), 5, 49, 95, 40);
  addMemo(band, "Memo3", QStringLiteral("姓名："), 135, 49, 95, 40);
  addMemo(band, "Memo4", QStringLiteral("日期："), 545, 49, 95, 40);
  addMemo(band, "Memo1", QStringLiteral("Orlavo　Quilltrace"), 5, 9, 731, 40);
  QList<TrpMemoView*> texts;
  for (TrpComponent* child : band->Objects()) texts << static_cast<TrpMemoView*>(child);
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 4; ++r) {
      auto* cell = new TrpMemoView(page);
      cell->CreateUniqueName();
      cell->SetAutoWidth(true);
      cell->SetVAlign(vaCenter);
      cell->SetText(c <= 2 ? QStringLiteral("永") : QString());
      cell->SetBounds((c - 1) * 93, r * 90 + 10, cell->CalcWidth(), cell->CalcHeight());
      cell->SetTag(13777);
      texts << cell;
    }
  }
  for (TrpMemoView* source : texts) {
    auto* copy = new TrpMemoView(page);
    copy->CreateUniqueName();
    copy->Assign(*source);
    copy->SetBounds(source->Left(), source->Top() + 532, source->Width(), source->Height());
    copy->SetTag(13777);
  }
}

class WorksheetPreparation : public ::testing::Test {
 protected:
  void SetUp() override {
    rpRegisterReportClasses();
    rpInstallXMLSerializer();
    rpInstallPreviewPages();
    rpInstallEngine();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    buildWorksheet(*Report);
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }
  std::unique_ptr<TrpReport> Report;
};

TEST_F(WorksheetPreparation, GivesOnePageOfThePrintableContentsHeight) {
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join(QLatin1Char(10)).toStdString();
  TrpCustomPreviewPages& store = *Report->PreviewPages();
  ASSERT_EQ(store.GetCount(), 1);
  EXPECT_EQ(store.GetPageSize(0), QSizeF(794, 1103));
  TrpReportPage* page = store.GetPage(0);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->PaperSize(), 256);
  EXPECT_NEAR(static_cast<double>(page->PaperHeight()), 291.78, 0.01);
  ASSERT_EQ(page->Objects().size(), 2);
  const TrpComponent* band = page->Objects()[0];
  EXPECT_EQ(band->Name(), QStringLiteral("PageBody"));
  EXPECT_EQ(band->Top(), 0);
  EXPECT_EQ(band->Objects().size(), 4);
  const TrpComponent* loose = page->Objects()[1];
  EXPECT_TRUE(loose->InheritsFrom("TrpNullBand"));
  EXPECT_EQ(loose->Left(), 0);
  EXPECT_EQ(loose->Top(), 0);
  ASSERT_EQ(loose->Objects().size(), 68);
  EXPECT_EQ(loose->Objects()[0]->Top(), 100);
  EXPECT_EQ(loose->Objects()[32]->Top(), 49 + 532);  // the copy of "班別："
  EXPECT_EQ(loose->Objects()[36]->Top(), 100 + 532);  // the copy of the first cell
}

TEST_F(WorksheetPreparation, IsStoredAsBandAndNullBandRecords) {
  ASSERT_TRUE(Report->PrepareReport());
  QBuffer file;
  file.open(QIODevice::ReadWrite);
  Report->PreviewPages()->SaveToStream(file);
  const QString text = QString::fromUtf8(file.data());
  EXPECT_TRUE(text.contains(QStringLiteral("<previewpages><page0><b1 t=\"0\">"))) << text.left(400).toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("<TrpNullBand "))) << text.left(400).toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("PaperHeight=\"291.78\""))) << text.left(400).toStdString();
  EXPECT_FALSE(text.contains(QLatin1Char('\n')));
}

TEST_F(WorksheetPreparation, LeavesTheDefinitionAsItWas) {
  ASSERT_TRUE(Report->PrepareReport());
  auto* page = static_cast<TrpReportPage*>(Report->FindObject(QStringLiteral("Page1")));
  EXPECT_EQ(page->PaperSize(), 9);
  EXPECT_EQ(page->Objects().size(), 1 + 68);
  EXPECT_EQ(Report->FindObject(QStringLiteral("PageBody"))->Top(), 16);
}

}  // namespace
