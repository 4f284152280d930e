// The worksheet report of the application, prepared end to end into the real prepared-pages
// store: one page of 794 x 1103 units with the page-header band at the top and the 68 objects
// lying on the page in a null band at the corner of the printable area.
#include <gtest/gtest.h>

#include <QBuffer>

#include "qstring_printer.h"
#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/pages/report_page.h"
#include "report/services/install_report_services.h"
#include "worksheet_report.h"

namespace {

class WorksheetPreparation : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    worksheet::Build(*Report);
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
