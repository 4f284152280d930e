// What the records of a page hold: pictures kept once in the picture cache, objects recorded in
// full, the first pass of a two-pass preparation, and the engine's position in anchors.
#include "preview_pages_fixture.h"

#include <QImage>

#include "idle_engine.h"
#include "report/objects/report_services.h"
#include "report/store/install_preview_pages.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"

namespace {

// The engine's state as the store reads it; no layout.
class StateEngine : public IdleEngine {
 public:
  using IdleEngine::IdleEngine;
  using TrpCustomEngine::SetFinalPass;
  using TrpCustomEngine::SetRunning;
  using TrpCustomEngine::SetTotalPages;
  bool Run(bool, bool, TrpPage*) override { return false; }
};

}  // namespace

class PageRecordsTest : public PreviewPagesTest {
 protected:
  void SetUp() override {
    PreviewPagesTest::SetUp();
    Page = BuildSimple();
    Band = dynamic_cast<TrpBand*>(Page->FindObject(QStringLiteral("Band1")));
    Memo = dynamic_cast<TrpMemoView*>(Page->FindObject(QStringLiteral("Memo1")));
  }
  TrpReportPage* Page = nullptr;
  TrpBand* Band = nullptr;
  TrpMemoView* Memo = nullptr;
};

TEST_F(PageRecordsTest, PictureIsKeptOnceInThePictureCache) {
  auto* picture = new TrpPictureView(Band);
  picture->SetName(QStringLiteral("Picture1"));
  picture->SetBounds(300, 10, 40, 40);
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::blue);
  StartSimple(*Page);
  picture->SetPictureImage(image);
  Pages->AddPage(*Page);
  Pages->AddObject(*Band);
  EXPECT_EQ(picture->ImageIndex(), 1);
  EXPECT_EQ(Pages->PictureCache().Count(), 1);
  const QString text = PageText(0);
  EXPECT_TRUE(text.contains(QStringLiteral("ImageIndex=\"1\""))) << text;
  EXPECT_FALSE(text.contains(QStringLiteral("PropData"))) << text;
  auto* built = dynamic_cast<TrpPictureView*>(Pages->GetPage(0)->FindObject(QStringLiteral("Picture1")));
  ASSERT_NE(built, nullptr);
  EXPECT_EQ(built->PictureData(), picture->PictureData());
  const QByteArray file = Save(*Pages);
  EXPECT_TRUE(file.contains("<picturecache><item stream=\"")) << file.right(200).constData();
}

TEST_F(PageRecordsTest, ObjectWithDefaultDifferenceIsRecordedInFull) {
  auto* shape = new TrpShapeView(Band);
  shape->SetName(QStringLiteral("Shape1"));
  shape->SetBounds(300, 10, 40, 40);
  shape->SetrpComponentStyle(shape->rpComponentStyle() + TrpComponentStyle{csDefaultDiff});
  StartSimple(*Page);
  EXPECT_EQ(Pages->SourceDescription(Pages->Dictionary().GetObject(shape->AliasName())), "TrpShapeView");
  shape->SetTop(20);
  Pages->AddPage(*Page);
  Pages->AddObject(*Band);
  const TrpXMLItem* record = Pages->PageItem(0)->Items(0)->Items(1);
  EXPECT_EQ(record->Name(), shape->AliasName());
  EXPECT_TRUE(record->Text().contains(QStringLiteral("Width=\"40\""))) << record->Text();
  EXPECT_TRUE(record->Text().endsWith(QStringLiteral("t=\"20\""))) << record->Text();
  auto* built = Pages->GetPage(0)->FindObject(QStringLiteral("Shape1"));
  ASSERT_NE(built, nullptr);
  EXPECT_EQ(double(built->Top()), 20.0);
  EXPECT_EQ(double(built->Width()), 40.0);
}

TEST_F(PageRecordsTest, InvisibleAndUnlistedObjectsAreNotRecorded) {
  auto* hidden = NewMemo(Band, QStringLiteral("Hidden"), 0, 50, 10, 10, QStringLiteral("h"));
  hidden->SetVisible(false);
  auto* unlisted = NewMemo(Band, QStringLiteral("Unlisted"), 0, 60, 10, 10, QStringLiteral("u"));
  unlisted->SetrpComponentStyle(unlisted->rpComponentStyle() - TrpComponentStyle{csPreviewVisible});
  StartSimple(*Page);
  EXPECT_TRUE(unlisted->AliasName().isEmpty());
  Pages->AddPage(*Page);
  Pages->AddObject(*Band);
  EXPECT_EQ(Pages->PageItem(0)->Items(0)->Count(), 1);
}

TEST_F(PageRecordsTest, FirstPassRecordsOnlyWhereObjectsAre) {
  StateEngine engine(*Report);
  Pages->SetEngine(&engine);
  Report->EngineOptions().SetDoublePass(true);
  engine.SetFinalPass(false);
  StartSimple(*Page);
  Pages->AddPage(*Page);
  Memo->SetText(QStringLiteral("changed"));
  Memo->SetTop(15);
  Pages->AddObject(*Band);
  EXPECT_EQ(Pages->PageItem(0)->Items(0)->Items(0)->Text(), "t=\"15\"");
  Pages->SetEngine(nullptr);
}

TEST_F(PageRecordsTest, FinalPassOfTwoKeepsTheFirstPassNumbers) {
  StateEngine engine(*Report);
  Pages->SetEngine(&engine);
  Report->EngineOptions().SetDoublePass(true);
  engine.SetFinalPass(true);
  engine.SetTotalPages(7);
  StartSimple(*Page);
  Pages->AddPage(*Page);
  EXPECT_EQ(Pages->XMLDocument().Root()->Find(QStringLiteral("logicalpagenumbers")), -1);
  EXPECT_EQ(Pages->GetLogicalPageNo(), 1);
  EXPECT_EQ(Pages->GetLogicalTotalPages(), 7);
  Pages->SetEngine(nullptr);
}

TEST_F(PageRecordsTest, AnchorTakesTheEnginePositionRounded) {
  StateEngine engine(*Report);
  Pages->SetEngine(&engine);
  StartSimple(*Page);
  Pages->AddPage(*Page);
  engine.SetCurY(12.5L);
  Pages->AddAnchor(QStringLiteral("a"));
  engine.SetCurY(13.5L);
  Pages->AddAnchor(QStringLiteral("b"));
  EXPECT_EQ(Pages->GetAnchorTop(QStringLiteral("a")), 12);  // halves to even
  EXPECT_EQ(Pages->GetAnchorTop(QStringLiteral("b")), 14);
  Pages->SetEngine(nullptr);
}

TEST_F(PageRecordsTest, RunningEngineBypassesTheCache) {
  StateEngine engine(*Report);
  Pages->SetEngine(&engine);
  StartSimple(*Page);
  WritePages(*Page, 1);
  engine.SetRunning(true);
  std::shared_ptr<TrpReportPage> first = Pages->GetPageShared(0);
  Pages->AddObject(*Band);
  std::shared_ptr<TrpReportPage> second = Pages->GetPageShared(0);
  EXPECT_NE(first, second);
  EXPECT_EQ(second->Objects().size(), 2);
  EXPECT_EQ(Pages->ObjectOver(0, 50, 50, 1, 0, 0), nullptr);  // no hit testing while preparing
  engine.SetRunning(false);
  Pages->SetEngine(nullptr);
}

TEST(PreviewPagesInstall, NewReportsGetThePreparedPagesStore) {
  const auto saved = rpReportServices().CreatePreviewPages;
  rpInstallPreviewPages();
  TrpReport report;
  EXPECT_NE(dynamic_cast<TrpPreviewPages*>(report.PreviewPages()), nullptr);
  rpReportServices().CreatePreviewPages = saved;
}
