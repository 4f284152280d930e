#include "report/res/gzip_inflate.h"

#include <zlib.h>

#include <gtest/gtest.h>

namespace {

QByteArray rawDeflate(const QByteArray& data) {
  z_stream z{};
  deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  QByteArray out(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(data.size()))), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(static_cast<qsizetype>(z.total_out));
  deflateEnd(&z);
  return out;
}

QByteArray le32(quint32 v) {
  QByteArray b(4, '\0');
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xff);
  return b;
}

// A gzip member assembled by hand, so header fields and trailer can be chosen.
QByteArray gzipMember(const QByteArray& data, unsigned char flags = 0, const QByteArray& fields = {}) {
  QByteArray header("\x1f\x8b\x08", 3);
  header.append(static_cast<char>(flags));
  header.append(QByteArray(6, '\0'));  // time, extra flags, system
  const auto crc = static_cast<quint32>(
      crc32(0L, reinterpret_cast<const Bytef*>(data.constData()), static_cast<uInt>(data.size())));
  return header + fields + rawDeflate(data) + le32(crc) + le32(static_cast<quint32>(data.size()));
}

const QByteArray kSample = QByteArray("BM picture strip ").repeated(200);

TEST(GzipInflate, RestoresThePackedBytes) {
  const TrpInflateResult r = rpGunzip(gzipMember(kSample));
  ASSERT_TRUE(r.data.has_value()) << qPrintable(r.error);
  EXPECT_EQ(*r.data, kSample);
}

TEST(GzipInflate, SkipsOptionalHeaderFields) {
  const QByteArray extra("\x03\x00xyz", 5);
  const QByteArray fields = extra + QByteArray("strip.bmp\0", 10) + QByteArray("a comment\0", 10) + QByteArray("\x12\x34", 2);
  const TrpInflateResult r = rpGunzip(gzipMember(kSample, 0x04 | 0x08 | 0x10 | 0x02, fields));
  ASSERT_TRUE(r.data.has_value()) << qPrintable(r.error);
  EXPECT_EQ(*r.data, kSample);
}

TEST(GzipInflate, EmptyContentIsSound) {
  const TrpInflateResult r = rpGunzip(gzipMember(QByteArray()));
  ASSERT_TRUE(r.data.has_value());
  EXPECT_TRUE(r.data->isEmpty());
}

struct BrokenCase {
  const char* what;
  QByteArray (*make)();
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.what; }

class GzipRefuses : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(GzipRefuses, ABrokenBlobWithAReason) {
  const TrpInflateResult r = rpGunzip(GetParam().make());
  EXPECT_FALSE(r.data.has_value());
  EXPECT_FALSE(r.error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Blobs, GzipRefuses,
    ::testing::Values(
        BrokenCase{"empty", [] { return QByteArray(); }},
        BrokenCase{"not gzip", [] { return QByteArray("BM this is a plain bitmap, not packed"); }},
        BrokenCase{"truncated data", [] { return gzipMember(kSample).left(30); }},
        BrokenCase{"no trailer", [] { return gzipMember(kSample).chopped(8); }},
        BrokenCase{"file name never ends",
                   [] { return QByteArray("\x1f\x8b\x08\x08\0\0\0\0\0\0name without end", 26); }},
        BrokenCase{"corrupted data",
                   [] {
                     QByteArray b = gzipMember(kSample);
                     for (int i = 12; i < 40; ++i) b[i] = static_cast<char>(b[i] ^ 0x5a);
                     return b;
                   }},
        BrokenCase{"wrong checksum",
                   [] {
                     QByteArray b = gzipMember(kSample);
                     b[b.size() - 8] = static_cast<char>(b[b.size() - 8] ^ 1);
                     return b;
                   }},
        BrokenCase{"wrong length",
                   [] {
                     QByteArray b = gzipMember(kSample);
                     b[b.size() - 4] = static_cast<char>(b[b.size() - 4] ^ 1);
                     return b;
                   }}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) {
      std::string name = info.param.what;
      for (char& c : name) if (c == ' ') c = '_';
      return name;
    });

}  // namespace
