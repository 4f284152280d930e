// Pages of a prepared-report file read as they are needed: the same records as a file read whole,
// the same file when saved again, and a damaged page found when it is reached.
#include "preview_pages_fixture.h"

#include <QFile>
#include <QTemporaryDir>

#include "report/objects/report_error.h"

class LazyPagesTest : public PreviewPagesTest {
 protected:
  // 40 pages of 3 records, saved to a file, with the file cache on or off while preparing.
  QString SaveListing(bool fileCache) {
    Report->EngineOptions().SetUseFileCache(fileCache);
    Report->EngineOptions().SetMaxMemSize(0);  // with the cache: every page after the second moves
    Report->EngineOptions().SetTempDir(Dir.path());
    TrpReportPage* page = BuildSimple();
    StartSimple(*page);
    WritePages(*page, kPages, 3);
    Pages->Finish();
    const QString file = Dir.filePath(QStringLiteral("pages.rpp"));
    EXPECT_TRUE(Pages->SaveToFile(file));
    return file;
  }

  static QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Every page's records of `store`, loading each as it is asked for.
  QStringList AllPages(TrpPreviewPages& store) {
    TrpPreviewPages* own = Pages;
    Pages = &store;
    QStringList pages;
    for (int i = 0; i < store.GetCount(); ++i) pages << PageText(i);
    Pages = own;
    return pages;
  }

  static constexpr int kPages = 40;
  QTemporaryDir Dir;
};

TEST_F(LazyPagesTest, PagesReadOnDemandEqualThePagesOfTheWholeFile) {
  for (const bool fileCache : {false, true}) {
    SCOPED_TRACE(fileCache ? "prepared with the file cache" : "prepared in memory");
    TearDown();
    SetUp();
    const QString file = SaveListing(fileCache);
    const QByteArray bytes = ReadFile(file);

    auto eager = std::make_unique<TrpPreviewPages>(*Report);
    Load(*eager, bytes);  // from a stream, read whole
    auto lazy = std::make_unique<TrpPreviewPages>(*Report);
    ASSERT_TRUE(lazy->LoadFromFile(file));
    ASSERT_EQ(lazy->GetCount(), kPages);
    int waiting = 0;
    for (int i = 0; i < kPages; ++i) waiting += lazy->XMLDocument().Root()->Items(0)->Items(i)->Loaded() ? 0 : 1;
    EXPECT_EQ(waiting, kPages) << "no page is read before it is needed";

    EXPECT_EQ(AllPages(*lazy), AllPages(*eager));
    for (int i : {0, kPages / 2, kPages - 1})
      EXPECT_EQ(lazy->GetPage(i)->Objects().size(), eager->GetPage(i)->Objects().size()) << i;

    // Saved again, whether its pages were read or not, the file is the same.
    auto untouched = std::make_unique<TrpPreviewPages>(*Report);
    ASSERT_TRUE(untouched->LoadFromFile(file));
    EXPECT_EQ(Save(*untouched), bytes);
    EXPECT_EQ(Save(*lazy), bytes);
  }
}

TEST_F(LazyPagesTest, ADamagedPageIsAnErrorWhenItIsReached) {
  const QString file = SaveListing(false);
  QByteArray bytes = ReadFile(file);
  // Page 31's records lose their matching closing tag; the file's outline stays whole.
  const QByteArray good = "u=\"page 30 row 1\"/></b1>";
  ASSERT_TRUE(bytes.contains(good));
  bytes.replace(good, "u=\"page 30 row 1\"/></bX>");
  const QString damaged = Dir.filePath(QStringLiteral("damaged.rpp"));
  ASSERT_TRUE(WriteFile(damaged, bytes));

  auto store = std::make_unique<TrpPreviewPages>(*Report);
  ASSERT_TRUE(store->LoadFromFile(damaged));
  ASSERT_EQ(store->GetCount(), kPages);
  EXPECT_NE(store->GetPage(0), nullptr);
  EXPECT_NE(store->GetPage(29), nullptr);
  try {
    store->GetPage(30);
    ADD_FAILURE() << "the damaged page was built";
  } catch (const TrpError& e) {
    EXPECT_EQ(rpErrorText(e), QStringLiteral("Invalid file format: page 31 cannot be read"));
  }
  EXPECT_NE(store->GetPage(31), nullptr) << "the pages after it still show";
}
