// The page cache: at most PagesInCache pages built at once, pages shared with their callers.
#include "preview_pages_fixture.h"

#include <QCoreApplication>

class PageCacheTest : public PreviewPagesTest {
 protected:
  void SetUp() override {
    PreviewPagesTest::SetUp();
    Page = BuildSimple();
    StartSimple(*Page);
    WritePages(*Page, 8, 2);
    Pages->Finish();
  }
  TrpReportPage* Page = nullptr;
};

TEST_F(PageCacheTest, AtMostPagesInCachePagesStayBuilt) {
  Report->PreviewOptions().SetPagesInCache(3);
  for (int i = 0; i < 8; ++i) Pages->GetPage(i);
  EXPECT_EQ(Pages->CachedPageCount(), 3);
}

TEST_F(PageCacheTest, CacheHoldsTwoPagesEvenWithSmallerLimit) {
  Report->PreviewOptions().SetPagesInCache(0);
  Pages->GetPage(0);
  Pages->GetPage(1);
  EXPECT_EQ(Pages->CachedPageCount(), 1);
}

TEST_F(PageCacheTest, CachedPageIsReturnedAgain) {
  TrpReportPage* first = Pages->GetPage(4);
  EXPECT_EQ(Pages->GetPage(4), first);
}

TEST_F(PageCacheTest, SharedPageOutlivesItsEviction) {
  Report->PreviewOptions().SetPagesInCache(1);
  std::shared_ptr<TrpReportPage> held = Pages->GetPageShared(2);
  for (int i = 3; i < 8; ++i) Pages->GetPage(i);
  Pages->ClearPageCache();
  QCoreApplication::processEvents();  // frees what the cache retired
  auto* memo = dynamic_cast<TrpMemoView*>(held->FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Text().trimmed(), "page 2 row 0");
}

TEST_F(PageCacheTest, PlainPointerStaysValidUntilTheEventLoopRuns) {
  Report->PreviewOptions().SetPagesInCache(1);
  std::weak_ptr<TrpReportPage> watch = Pages->GetPageShared(2);
  Pages->GetPage(3);  // evicts page 2
  Pages->GetPage(4);
  EXPECT_FALSE(watch.expired());
  QCoreApplication::processEvents();
  EXPECT_TRUE(watch.expired());
}

TEST_F(PageCacheTest, RetiredPagesAreBoundedWithoutAnEventLoop) {
  Report->PreviewOptions().SetPagesInCache(1);
  std::weak_ptr<TrpReportPage> watch = Pages->GetPageShared(0);
  for (int round = 0; round < 3; ++round)
    for (int i = 1; i < 8; ++i) Pages->GetPage(i);
  EXPECT_TRUE(watch.expired());
}

TEST_F(PageCacheTest, EditingEmptiesTheCache) {
  Pages->GetPage(0);
  Pages->GetPage(1);
  Pages->AddEmptyPage(1);
  EXPECT_EQ(Pages->CachedPageCount(), 0);
}

TEST_F(PageCacheTest, ZeroPagesHaveNoSizeAndNoPage) {
  Pages->Clear();
  EXPECT_EQ(Pages->GetPageSize(0), QSizeF(0, 0));
  EXPECT_EQ(Pages->GetPage(0), nullptr);
  EXPECT_EQ(Pages->GetCount(), 0);
  EXPECT_EQ(Pages->CurPage(), -1);
}

TEST_F(PageCacheTest, PageSizeOutOfRangeIsZero) {
  EXPECT_EQ(Pages->GetPageSize(8), QSizeF(0, 0));
  EXPECT_EQ(Pages->GetPageSize(-1), QSizeF(0, 0));
  EXPECT_EQ(Pages->GetPageSize(0), QSizeF(794, 1123));  // A4 from the source page
  EXPECT_EQ(Pages->CachedPageCount(), 0);              // without building the page
}
