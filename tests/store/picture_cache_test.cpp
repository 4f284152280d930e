#include "report/store/picture_cache.h"

#include "report/xml/xml_document.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PictureCacheTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    cache.SetTempDir(dir.path());
    cache.SetUseFileCache(GetParam());
  }
  QTemporaryDir dir;
  TrpPictureCache cache;
};

TEST_P(PictureCacheTest, PicturesReadBackWithExactlyTheirOwnBytes) {
  EXPECT_EQ(cache.AddPicture("first-picture"), 1);
  EXPECT_EQ(cache.AddPicture("second"), 2);
  EXPECT_EQ(cache.GetPicture(1), QByteArray("first-picture"));
  EXPECT_EQ(cache.GetPicture(2), QByteArray("second"));
}

TEST_P(PictureCacheTest, IndexOutOfRangeGivesNoPicture) {
  for (int i = 0; i < 4; ++i) cache.AddPicture("p");
  EXPECT_TRUE(cache.GetPicture(5).isEmpty());
  EXPECT_TRUE(cache.GetPicture(0).isEmpty());
  EXPECT_TRUE(cache.GetPicture(-1).isEmpty());
}

TEST_P(PictureCacheTest, SavedAsUpperCaseHexAndLoadedBack) {
  cache.AddPicture(QByteArray("\x01\xAB\xff", 3));
  cache.AddPicture("z");
  TrpXMLItem saved;
  cache.SaveToXML(&saved);
  ASSERT_EQ(saved.Count(), 2);
  EXPECT_EQ(saved.Items(0)->Name(), QStringLiteral("item"));
  EXPECT_EQ(saved.Items(0)->Prop(QStringLiteral("stream")), QStringLiteral("01ABFF"));

  TrpPictureCache other;
  other.AddPicture("stale");
  other.LoadFromXML(&saved);
  ASSERT_EQ(other.Count(), 2);
  EXPECT_EQ(other.GetPicture(1), QByteArray("\x01\xAB\xff", 3));
  EXPECT_EQ(other.GetPicture(2), QByteArray("z"));
}

TEST_P(PictureCacheTest, AnEmptyItemKeepsTheIndexesOfThoseAfterIt) {
  TrpXMLItem saved;
  saved.Add(QStringLiteral("item"))->SetProp(QStringLiteral("stream"), QString());
  saved.Add(QStringLiteral("other"))->SetProp(QStringLiteral("stream"), QStringLiteral("41"));
  cache.LoadFromXML(&saved);
  EXPECT_EQ(cache.Count(), 2);
  EXPECT_EQ(cache.GetPicture(2), QByteArray("A"));
}

TEST_P(PictureCacheTest, NoPicturesSaveNoItems) {
  TrpXMLItem saved;
  cache.SaveToXML(&saved);
  EXPECT_EQ(saved.Count(), 0);
}

TEST_P(PictureCacheTest, ClearRemovesTheTemporaryFiles) {
  cache.AddPicture("p");
  const auto files = [&] { return QDir(dir.path()).entryList({QStringLiteral("rpPic*")}, QDir::Files).size(); };
  EXPECT_EQ(files(), GetParam() ? 1 : 0);
  cache.Clear();
  EXPECT_EQ(files(), 0);
  EXPECT_EQ(cache.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(MemoryAndFiles, PictureCacheTest, ::testing::Bool());

TEST(PictureCacheMode, ModeChangesOnlyWhileEmpty) {
  TrpPictureCache cache;
  cache.AddPicture("p");
  cache.SetUseFileCache(true);
  EXPECT_FALSE(cache.UseFileCache());
  cache.Clear();
  cache.SetUseFileCache(true);
  EXPECT_TRUE(cache.UseFileCache());
}

}  // namespace
