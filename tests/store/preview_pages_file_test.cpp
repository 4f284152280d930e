// The prepared-report file: damaged files are errors, never crashes; a missing file is reported as
// asked; files are replaced only once complete.
#include "preview_pages_fixture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "report/objects/custom_compressor.h"
#include "report/objects/report_error.h"
#include "report/options/report_options.h"

class PreparedFileTest : public PreviewPagesTest {
 protected:
  void SetUp() override {
    PreviewPagesTest::SetUp();
    Page = BuildSimple();
    StartSimple(*Page);
    WritePages(*Page, 3, 2);
    Pages->Outline()->AddItem(QStringLiteral("Chapter"), 10);
    Pages->AddAnchor(QStringLiteral("here"));
    Pages->Finish();
    Good = Save(*Pages);
  }
  TrpReportPage* Page = nullptr;
  QByteArray Good;
};

struct DamageCase {
  const char* what;
  const char* from;  // replaced text of the good file ("" for the whole file)
  const char* to;
};

class DamagedFileTest : public PreparedFileTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFileTest, LoadRaisesAnErrorAndLeavesTheStoreEmpty) {
  const DamageCase& c = GetParam();
  QByteArray bytes = Good;
  if (*c.from) {
    ASSERT_TRUE(bytes.contains(c.from)) << c.what;
    bytes.replace(c.from, c.to);
  } else {
    bytes = c.to;
  }
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  EXPECT_THROW(Load(*other, bytes), TrpError) << c.what;
  EXPECT_EQ(other->GetCount(), 0) << c.what;
  EXPECT_EQ(other->GetPage(0), nullptr);
  EXPECT_EQ(other->SourcePageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFileTest,
    ::testing::Values(DamageCase{"not XML at all", "", "this is no prepared report"},
                      DamageCase{"another document", "", "<?xml version=\"1.0\"?><TrpReport/>"},
                      DamageCase{"cut off", "</previewpages>", "</previewp"},
                      DamageCase{"page without a source page", "<page0", "<page7"},
                      DamageCase{"page of unknown kind", "<page0", "<banana"},
                      DamageCase{"alias on a missing source page", "name=\"Page0.Band1\"", "name=\"Page4.Band1\""},
                      DamageCase{"alias of a missing object", "name=\"Page0.Band1\"", "name=\"Page0.Nothing\""},
                      DamageCase{"alias without a page", "name=\"Page0.Band1\"", "name=\"Band1\""},
                      DamageCase{"outline past the last page", "text=\"Chapter\" page=\"2\"", "text=\"Chapter\" page=\"9\""},
                      DamageCase{"anchor before the first page", "text=\"here\" page=\"2\"", "text=\"here\" page=\"-1\""},
                      DamageCase{"anchor page not a number", "text=\"here\" page=\"2\"", "text=\"here\" page=\"x\""}));

TEST_F(PreparedFileTest, MissingFileGivesFalseOrRaisesAsAsked) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("none.rpp"));
  EXPECT_FALSE(Pages->LoadFromFile(name));
  EXPECT_EQ(Pages->GetCount(), 3);  // nothing happened
  EXPECT_THROW(Pages->LoadFromFile(name, true), TrpError);
}

TEST_F(PreparedFileTest, FileSavedAndLoadedKeepsPagesOutlineAndAnchors) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("report.rpp"));
  ASSERT_TRUE(Pages->SaveToFile(name));
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  ASSERT_TRUE(other->LoadFromFile(name));
  EXPECT_EQ(other->GetCount(), 3);
  EXPECT_EQ(other->GetAnchorPage(QStringLiteral("HERE")), 3);
  QString text;
  int page = 0, top = 0;
  other->Outline()->GetItem(0, text, page, top);
  EXPECT_EQ(text, "Chapter");
  EXPECT_EQ(page, 2);
  EXPECT_EQ(top, 10);
  EXPECT_EQ(Save(*other), Good);
}

TEST_F(PreparedFileTest, SavingOverTheFileBeingReadKeepsItsPages) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("report.rpp"));
  ASSERT_TRUE(Pages->SaveToFile(name));
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  ASSERT_TRUE(other->LoadFromFile(name));  // pages from the third on are read from the file lazily
  ASSERT_TRUE(other->SaveToFile(name));
  auto third = std::make_unique<TrpPreviewPages>(*Report);
  ASSERT_TRUE(third->LoadFromFile(name));
  EXPECT_EQ(Save(*third), Good);
}

TEST_F(PreparedFileTest, FileCannotBeWrittenGivesFalse) {
  EXPECT_FALSE(Pages->SaveToFile(QStringLiteral("/nonexistent-folder/x.rpp")));
}

TEST_F(PreparedFileTest, FileReportElementSetsOnlyItsFourSettings) {
  QByteArray bytes = Good;
  bytes.replace("ReportOptions.Name=\"\"", "ReportOptions.Name=\"Sheet\" IniFile=\"/tmp/evil.ini\"");
  bytes.replace("PreviewOptions.OutlineVisible=\"0\"", "PreviewOptions.OutlineVisible=\"1\"");
  Load(*Pages, bytes);
  EXPECT_TRUE(Report->PreviewOptions().OutlineVisible());
  EXPECT_NE(Report->IniFile(), "/tmp/evil.ini");
}

namespace {

// A compressor of the tests' own: a marker, then zlib data.
class MarkedZlibCompressor : public TrpCustomCompressor {
 public:
  static inline const QByteArray kMarker = "ZLIB:";
  bool Decompress(QIODevice& source, QByteArray& output) override {
    if (source.peek(kMarker.size()) != kMarker) return false;
    source.read(kMarker.size());
    output = qUncompress(source.readAll());
    if (output.isEmpty()) throw std::runtime_error("damaged");
    return true;
  }
  QByteArray Compress(const QByteArray& data) override { return kMarker + qCompress(data); }
};

class CompressedFileTest : public PreparedFileTest {
 protected:
  void SetUp() override {
    PreparedFileTest::SetUp();
    rpSetCompressorClass([] { return std::make_unique<MarkedZlibCompressor>(); });
  }
  void TearDown() override {
    rpSetCompressorClass({});
    PreparedFileTest::TearDown();
  }
  // What the set-up wrote: three pages, the outline entry and the anchor.
  static void ExpectTheSavedPages(TrpPreviewPages& pages) {
    EXPECT_EQ(pages.GetCount(), 3);
    EXPECT_EQ(pages.GetAnchorPage(QStringLiteral("here")), 3);
    QString text;
    int page = 0, top = 0;
    pages.Outline()->GetItem(0, text, page, top);
    EXPECT_EQ(text, "Chapter");
    EXPECT_EQ(page, 2);
    EXPECT_EQ(top, 10);
    ASSERT_NE(pages.GetPage(2), nullptr);
    QStringList texts;
    for (TrpComponent* object : pages.GetPage(2)->AllObjects())
      if (auto* memo = dynamic_cast<TrpMemoView*>(object)) texts << memo->Text().trimmed();
    EXPECT_EQ(texts, QStringList({"page 2 row 0", "page 2 row 1"}));
  }
};

}  // namespace

TEST_F(CompressedFileTest, AReportAskingForCompressionIsSavedCompressedAndLoadsBack) {
  Report->ReportOptions().SetCompressed(true);
  const QByteArray packed = Save(*Pages);
  EXPECT_TRUE(packed.startsWith(MarkedZlibCompressor::kMarker));
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  QBuffer buffer;
  buffer.setData(packed);
  buffer.open(QIODevice::ReadOnly);
  other->LoadFromStream(buffer, true);
  ExpectTheSavedPages(*other);
}

TEST_F(CompressedFileTest, APlainFileStillLoadsWithACompressorRegistered) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("plain.rpp"));
  ASSERT_TRUE(WriteFile(name, Good));
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  ASSERT_TRUE(other->LoadFromFile(name));
  ExpectTheSavedPages(*other);
}

TEST_F(CompressedFileTest, DamagedCompressedDataIsReportedAndLoadsNothing) {
  auto other = std::make_unique<TrpPreviewPages>(*Report);
  QBuffer buffer;
  buffer.setData(MarkedZlibCompressor::kMarker + QByteArray("not zlib at all"));
  buffer.open(QIODevice::ReadOnly);
  other->LoadFromStream(buffer);
  EXPECT_EQ(other->GetCount(), 0);
  EXPECT_TRUE(Report->Errors().contains(QStringLiteral("Stream decompress error")));
}
