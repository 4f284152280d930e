// Pages moved out to the temporary file when memory use passes MaxMemSize, and read back before
// anything reads or writes them.
#include "preview_pages_fixture.h"

#include <QDir>
#include <QTemporaryDir>

class UnloadedPagesTest : public PreviewPagesTest {
 protected:
  void SetUp() override {
    PreviewPagesTest::SetUp();
    ASSERT_TRUE(Temp.isValid());
    Report->EngineOptions().SetUseFileCache(true);
    Report->EngineOptions().SetTempDir(Temp.path());
    Page = BuildSimple();
    StartSimple(*Page);
  }

  // Pages written with MaxMemSize 0, so every new page unloads the ones before it.
  void WriteUnloading(int count, int rows = 3) {
    Report->EngineOptions().SetMaxMemSize(0);
    WritePages(*Page, count, rows);
  }

  int TempFiles() const {
    return QDir(Temp.path()).entryList({QStringLiteral("rp*")}, QDir::Files).size();
  }

  QTemporaryDir Temp;
  TrpReportPage* Page = nullptr;
};

TEST_F(UnloadedPagesTest, EveryPageReadBackEqualsThePageBeforeUnloading) {
  Report->EngineOptions().SetMaxMemSize(1);
  auto* band = dynamic_cast<TrpBand*>(Page->FindObject(QStringLiteral("Band1")));
  auto* memo = dynamic_cast<TrpMemoView*>(Page->FindObject(QStringLiteral("Memo1")));
  QStringList written;
  for (int i = 0; i < 1000; ++i) {
    Pages->AddPage(*Page);
    for (int r = 0; r < 10; ++r) {
      band->SetTop(r * 50);
      memo->SetText(QStringLiteral("page %1 row %2 ").arg(i).arg(r).repeated(20));
      Pages->AddObject(*band);
    }
    written.append(PageText(i));
  }
  EXPECT_GT(UnloadedPages(), 500);
  EXPECT_FALSE(Pages->PageItem(0)->Unloadable());  // the first two pages always stay
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(PageText(i), written[i]) << "page " << i;
}

TEST_F(UnloadedPagesTest, BuiltPageOfAnUnloadedElementHasItsRecords) {
  WriteUnloading(5);
  ASSERT_FALSE(Pages->XMLDocument().Root()->Items(0)->Items(2)->Loaded());
  TrpReportPage* page = Pages->GetPage(2);
  ASSERT_NE(page, nullptr);
  QStringList texts;
  for (TrpComponent* object : page->AllObjects())
    if (auto* memo = dynamic_cast<TrpMemoView*>(object)) texts.append(memo->Text().trimmed());
  EXPECT_EQ(texts, (QStringList{"page 2 row 0", "page 2 row 1", "page 2 row 2"}));
}

TEST_F(UnloadedPagesTest, WritingOverAnUnloadedPageKeepsItsRecords) {
  WriteUnloading(5);
  Pages->SetCurPage(1);
  Pages->SetAddPageAction(apWriteOver);
  Pages->AddPage(*Page);  // onto page 2, which was unloaded
  ASSERT_EQ(Pages->CurPage(), 2);
  Pages->AddObject(*Page->FindObject(QStringLiteral("Band1")));
  EXPECT_EQ(Pages->GetCount(), 5);
  EXPECT_EQ(Pages->PageItem(2)->Count(), 4);
  EXPECT_TRUE(PageText(2).contains(QStringLiteral("page 2 row 2")));
}

TEST_F(UnloadedPagesTest, CutAndPasteReadTheUnloadedPageFirst) {
  WriteUnloading(5);
  Pages->SetCurPage(2);
  ASSERT_FALSE(Pages->XMLDocument().Root()->Items(0)->Items(2)->Loaded());
  Pages->CutObjects(1);
  EXPECT_EQ(Pages->GetCurPosition(), 1);
  Pages->SetCurPage(3);
  Pages->PasteObjects(0, 500);
  EXPECT_EQ(Pages->PageItem(3)->Count(), 5);
  EXPECT_EQ(Pages->PageItem(2)->Count(), 1);
  EXPECT_TRUE(PageText(3).contains(QStringLiteral("page 2 row 1")));
}

TEST_F(UnloadedPagesTest, LastYReadsTheUnloadedPage) {
  WriteUnloading(5);
  Pages->SetCurPage(2);
  ASSERT_FALSE(Pages->XMLDocument().Root()->Items(0)->Items(2)->Loaded());
  EXPECT_EQ(double(Pages->GetLastY()), 300.0);  // rows at 0, 100, 200, each 100 high
}

TEST_F(UnloadedPagesTest, ModifyingAnUnloadedPageReplacesIt) {
  WriteUnloading(5);
  std::shared_ptr<TrpReportPage> page = Pages->GetPageShared(3);
  WriteUnloading(2);  // unloads page 3 again
  Pages->ModifyPage(3, *page);
  EXPECT_EQ(Pages->PageItem(3)->Name(), "TrpReportPage");
  EXPECT_TRUE(PageText(3).contains(QStringLiteral("page 3 row 2")));
  EXPECT_EQ(Pages->GetCount(), 7);
}

TEST_F(UnloadedPagesTest, TemporaryFilesGoWithClear) {
  WriteUnloading(5);
  EXPECT_GT(TempFiles(), 0);
  Pages->Clear();
  EXPECT_EQ(TempFiles(), 0);
}

TEST_F(UnloadedPagesTest, TemporaryFilesGoWithTheStore) {
  WriteUnloading(5);
  EXPECT_GT(TempFiles(), 0);
  Report->SetPreviewPages(nullptr);
  Pages = nullptr;
  EXPECT_EQ(TempFiles(), 0);
}

TEST_F(UnloadedPagesTest, SavedFileHoldsTheUnloadedPages) {
  WriteUnloading(7);
  ASSERT_GT(UnloadedPages(), 0);
  const QByteArray bytes = Save(*Pages);
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  Load(*other, bytes);
  ASSERT_EQ(other->GetCount(), 7);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(other->PageItem(i)->Count(), 3) << i;
  EXPECT_EQ(other->PageItem(6)->Count(), 3);
}
