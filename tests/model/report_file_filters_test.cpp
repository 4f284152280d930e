// The compressor and crypter extension points of report files: what a registered one does to
// writing and reading, and how damaged data and wrong passwords are reported.
#include <QBuffer>

#include "qstring_printer.h"
#include "report/objects/custom_compressor.h"
#include "report/objects/custom_crypter.h"
#include "report/options/report_options.h"
#include "report_fixture.h"

namespace {

// zlib behind a four-byte mark, so that plain files are told apart.
class ZlibCompressor : public TrpCustomCompressor {
 public:
  static inline const QByteArray kMark = "SZ01";
  bool Decompress(QIODevice& source, QByteArray& output) override {
    if (source.peek(kMark.size()) != kMark) return false;
    source.read(kMark.size());
    output = qUncompress(source.readAll());
    if (output.isEmpty()) throw std::runtime_error("damaged compressed data");
    return true;
  }
  QByteArray Compress(const QByteArray& data) override { return kMark + qCompress(data); }
};

// A reversible byte mix with the key behind a mark; a wrong key gives bytes that are no XML.
class MixingCrypter : public TrpCustomCrypter {
 public:
  static inline const QByteArray kMark = "SC01";
  bool Decrypt(QIODevice& source, QByteArray& output, const QByteArray& key) override {
    if (source.peek(kMark.size()) != kMark) return false;
    source.read(kMark.size());
    output = Mix(source.readAll(), key);
    return true;
  }
  QByteArray Crypt(const QByteArray& data, const QByteArray& key) override { return kMark + Mix(data, key); }

 private:
  static QByteArray Mix(QByteArray data, const QByteArray& key) {
    if (key.isEmpty()) return data;
    for (qsizetype i = 0; i < data.size(); ++i) data[i] = char(data[i] ^ key[i % key.size()] ^ char(i * 31));
    return data;
  }
};

class FileFilters : public ReportTest {
 protected:
  void TearDown() override {
    rpSetCompressorClass({});
    rpSetCrypterClass({});
    ReportTest::TearDown();
  }
  static void UseCompressor() { rpSetCompressorClass([] { return std::make_unique<ZlibCompressor>(); }); }
  static void UseCrypter() { rpSetCrypterClass([] { return std::make_unique<MixingCrypter>(); }); }
  static bool HasSample(const TrpReport& report) {
    return report.FindObject(QStringLiteral("Memo1")) && report.FindObject(QStringLiteral("Line1"));
  }
};

TEST_F(FileFilters, CompressedReportIsWrittenThroughTheCompressorAndReadBack) {
  UseCompressor();
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetCompressed(true);
  const QByteArray bytes = Save(report);
  EXPECT_TRUE(bytes.startsWith(ZlibCompressor::kMark));
  TrpReport reader;
  Load(reader, bytes);
  EXPECT_TRUE(reader.Errors().isEmpty()) << reader.Errors().join('\n');
  EXPECT_TRUE(HasSample(reader));
  EXPECT_TRUE(reader.ReportOptions().Compressed());
}

TEST_F(FileFilters, PlainFileIsReadWhileACompressorIsRegistered) {
  TrpReport report;
  BuildSample(report);
  const QByteArray bytes = Save(report);
  UseCompressor();
  TrpReport reader;
  Load(reader, bytes);
  EXPECT_TRUE(reader.Errors().isEmpty()) << reader.Errors().join('\n');
  EXPECT_TRUE(HasSample(reader));
}

TEST_F(FileFilters, CompressedFlagWithoutACompressorWritesPlainXml) {
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetCompressed(true);
  EXPECT_TRUE(Save(report).startsWith("<?xml"));
}

TEST_F(FileFilters, DamagedCompressedDataIsReportedAndNothingIsRead) {
  UseCompressor();
  TrpReport reader;
  Load(reader, ZlibCompressor::kMark + QByteArray("not zlib at all"));
  EXPECT_EQ(reader.Errors(), QStringList{QStringLiteral("Stream decompress error")});
  EXPECT_TRUE(reader.Objects().isEmpty());
  ASSERT_EQ(Box.Shown.size(), 1);
  EXPECT_TRUE(Box.Shown.front().contains(QStringLiteral("Stream decompress error")));
}

TEST_F(FileFilters, ReportWithAPasswordIsEncryptedAndOpensWithThatPassword) {
  UseCrypter();
  const QString password = QStringLiteral("пароль字");
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetPassword(password);
  const QByteArray bytes = Save(report);
  EXPECT_TRUE(bytes.startsWith(MixingCrypter::kMark));
  EXPECT_FALSE(bytes.contains("Memo1"));
  TrpReport reader;
  reader.ReportOptions().SetHiddenPassword(password);
  Load(reader, bytes);
  EXPECT_TRUE(reader.Errors().isEmpty()) << reader.Errors().join('\n');
  EXPECT_TRUE(HasSample(reader));
  EXPECT_EQ(reader.ReportOptions().Password(), password);
}

TEST_F(FileFilters, PasswordsThatDifferOnlyOutsideAnEightBitCodePageOpenDifferently) {
  UseCrypter();
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetPassword(QStringLiteral("字字"));
  const QByteArray bytes = Save(report);
  TrpReport reader;
  reader.ReportOptions().SetHiddenPassword(QStringLiteral("碼碼"));
  Load(reader, bytes);
  EXPECT_TRUE(reader.Errors().contains(QStringLiteral("Invalid password"))) << reader.Errors().join('\n');
  EXPECT_FALSE(HasSample(reader));
}

TEST_F(FileFilters, CompressedAndEncryptedReportReadsBack) {
  UseCompressor();
  UseCrypter();
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetCompressed(true);
  report.ReportOptions().SetPassword(QStringLiteral("secret"));
  const QByteArray bytes = Save(report);
  EXPECT_TRUE(bytes.startsWith(ZlibCompressor::kMark));
  TrpReport reader;
  reader.ReportOptions().SetHiddenPassword(QStringLiteral("secret"));
  Load(reader, bytes);
  EXPECT_TRUE(reader.Errors().isEmpty()) << reader.Errors().join('\n');
  EXPECT_TRUE(HasSample(reader));
}

TEST_F(FileFilters, WithoutACrypterThePasswordIsStoredShifted) {
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetPassword(QStringLiteral("abc"));
  const QByteArray bytes = Save(report);
  EXPECT_FALSE(bytes.contains("\"abc\""));
  EXPECT_TRUE(bytes.contains("WXY"));  // each unit minus 10
}

}  // namespace
