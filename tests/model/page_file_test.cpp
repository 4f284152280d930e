// Pages and bands written to a report file and read back into a new report: the paper model
// returns in publishing order, and references between bands and pages are restored.
#include <QBuffer>

#include <gtest/gtest.h>

#include "report/objects/custom_report.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/page_classes.h"
#include "report/pages/report_page.h"
#include "report/pages/subreport.h"
#include "report/store/xml_serializer.h"
#include "report/views/gradient_fill.h"

namespace {

class ReportFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallXMLSerializer();
    rpRegisterPageClasses();
  }

  // The source report written to a file and read into `Loaded`; the reader's messages.
  QStringList RoundTrip() {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    TrpXMLSerializer(&file).WriteRootComponent(Source);
    file.close();
    Written = QString::fromUtf8(file.data());
    file.open(QIODevice::ReadOnly);
    TrpXMLSerializer reader(&file);
    reader.ReadRootComponent(Loaded);
    return reader.Errors();
  }

  template <class T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(Loaded.FindObject(QString::fromLatin1(name)));
  }

  template <class T>
  T* Add(TrpComponent* parent, const char* name) {
    auto* object = new T(parent);
    object->SetName(QString::fromLatin1(name));
    return object;
  }

  TrpCustomReport Source;
  TrpCustomReport Loaded;
  QString Written;  // the file text of the last round trip
};

TEST_F(ReportFileTest, LandscapePageReturnsWithItsPaperAndMargins) {
  auto* page = Add<TrpReportPage>(&Source, "Page1");
  page->SetOrientation(poLandscape);
  page->SetPaperSize(8);
  page->SetLeftMargin(10);
  page->SetRightMargin(20);
  page->SetTopMargin(30);
  page->SetBottomMargin(40);
  page->SetColumns(2);
  page->SetEndlessHeight(true);
  page->SetDuplex(dmVertical);
  page->SetColor(0x0000FF);
  ASSERT_TRUE(RoundTrip().isEmpty());

  auto* loaded = Find<TrpReportPage>("Page1");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Orientation(), poLandscape);
  EXPECT_EQ(loaded->PaperSize(), 8);
  EXPECT_DOUBLE_EQ(static_cast<double>(loaded->PaperWidth()), 420);
  EXPECT_DOUBLE_EQ(static_cast<double>(loaded->PaperHeight()), 297);
  EXPECT_DOUBLE_EQ(static_cast<double>(loaded->LeftMargin()), 10);
  EXPECT_DOUBLE_EQ(static_cast<double>(loaded->BottomMargin()), 40);
  EXPECT_EQ(loaded->Columns(), 2);
  EXPECT_DOUBLE_EQ(static_cast<double>(loaded->ColumnWidth()), 195);
  EXPECT_EQ(loaded->ColumnPositions(), (QStringList{"0", "195"}));
  EXPECT_TRUE(loaded->EndlessHeight());
  EXPECT_EQ(loaded->Duplex(), dmVertical);
  EXPECT_EQ(loaded->Color(), 0x0000FF);
  EXPECT_EQ(loaded->Width(), 1587);  // round(420 x 3.77953)
}

TEST_F(ReportFileTest, CustomPaperReturnsAsCustom) {
  auto* page = Add<TrpReportPage>(&Source, "Page1");
  page->SetPaperWidth(100.25L);
  page->SetPaperHeight(80);
  ASSERT_TRUE(RoundTrip().isEmpty());
  auto* loaded = Find<TrpReportPage>("Page1");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->PaperSize(), 256);
  EXPECT_DOUBLE_EQ(static_cast<double>(loaded->PaperWidth()), 100.25);
  EXPECT_DOUBLE_EQ(static_cast<double>(loaded->PaperHeight()), 80);
}

TEST_F(ReportFileTest, BandsReturnWithTheirKindsOptionsAndLinks) {
  auto* page = Add<TrpReportPage>(&Source, "Page1");
  auto* shown = Add<TrpReportPage>(&Source, "Page2");
  auto* title = Add<TrpReportTitle>(page, "ReportTitle1");
  auto* child = Add<TrpChild>(page, "Child1");
  title->SetChild(child);
  title->SetStretched(true);
  auto* group = Add<TrpGroupHeader>(page, "GroupHeader1");
  group->SetCondition(QStringLiteral("[Line.Kind]"));
  group->SetDrillDown(true);
  auto* data = Add<TrpMasterData>(page, "MasterData1");
  data->SetRowCount(3);
  data->SetBounds(0, 100, 500, 40);
  data->SetFillType(ftGradient);
  static_cast<TrpGradientFill*>(data->Fill())->SetStartColor(0x00FF00);
  auto* sub = Add<TrpSubreport>(data, "Subreport1");
  sub->SetPage(shown);
  ASSERT_TRUE(RoundTrip().isEmpty());

  auto* loadedTitle = Find<TrpReportTitle>("ReportTitle1");
  ASSERT_NE(loadedTitle, nullptr);
  EXPECT_EQ(loadedTitle->Child(), Find<TrpChild>("Child1"));
  EXPECT_TRUE(loadedTitle->Stretched());
  auto* loadedGroup = Find<TrpGroupHeader>("GroupHeader1");
  ASSERT_NE(loadedGroup, nullptr);
  EXPECT_EQ(loadedGroup->Condition(), QStringLiteral("[Line.Kind]"));
  EXPECT_TRUE(loadedGroup->DrillDown());
  auto* loadedData = Find<TrpMasterData>("MasterData1");
  ASSERT_NE(loadedData, nullptr);
  EXPECT_EQ(loadedData->RowCount(), 3);
  EXPECT_DOUBLE_EQ(static_cast<double>(loadedData->Top()), 100);
  auto* fill = dynamic_cast<TrpGradientFill*>(loadedData->Fill());
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill->StartColor(), 0x00FF00);
  auto* loadedSub = Find<TrpSubreport>("Subreport1");
  ASSERT_NE(loadedSub, nullptr);
  EXPECT_EQ(loadedSub->Page(), Find<TrpReportPage>("Page2"));
  EXPECT_EQ(Find<TrpReportPage>("Page2")->SubReport(), loadedSub);
}

TEST_F(ReportFileTest, VerticalBandsReturnVertical) {
  auto* page = Add<TrpReportPage>(&Source, "Page1");
  Add<TrpMasterData>(page, "Rows");
  auto* header = Add<TrpHeader>(page, "Captions");
  header->SetVertical(true);
  header->SetReprintOnNewPage(true);
  auto* columns = Add<TrpMasterData>(page, "Columns");
  columns->SetVertical(true);
  columns->SetBounds(100, 0, 80, 40);
  ASSERT_TRUE(RoundTrip().isEmpty());
  // Written only where it differs from its default.
  EXPECT_EQ(Written.count(QStringLiteral("Vertical=")), 2) << Written.toStdString();

  auto* loadedRows = Find<TrpMasterData>("Rows");
  auto* loadedHeader = Find<TrpHeader>("Captions");
  auto* loadedColumns = Find<TrpMasterData>("Columns");
  ASSERT_TRUE(loadedRows && loadedHeader && loadedColumns);
  EXPECT_FALSE(loadedRows->Vertical());
  EXPECT_TRUE(loadedHeader->Vertical());
  EXPECT_TRUE(loadedHeader->ReprintOnNewPage());
  EXPECT_TRUE(loadedColumns->Vertical());
  EXPECT_DOUBLE_EQ(static_cast<double>(loadedColumns->Left()), 100);
}

}  // namespace
