#include "report/res/gzip_inflate.h"

#include <zlib.h>

namespace {

constexpr unsigned char kMagic1 = 0x1f;
constexpr unsigned char kMagic2 = 0x8b;
constexpr unsigned char kDeflate = 8;
constexpr unsigned char kFlagHeaderCrc = 0x02;
constexpr unsigned char kFlagExtra = 0x04;
constexpr unsigned char kFlagName = 0x08;
constexpr unsigned char kFlagComment = 0x10;
constexpr qsizetype kFixedHeader = 10;
constexpr qsizetype kTrailer = 8;

TrpInflateResult failure(const char* why) { return {std::nullopt, QString::fromLatin1(why)}; }

quint32 readLE32(const QByteArray& b, qsizetype at) {
  auto byte = [&](qsizetype i) { return static_cast<quint32>(static_cast<unsigned char>(b.at(at + i))); };
  return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

// The offset of the deflate data, or -1 when the header is not a complete gzip header.
qsizetype deflateStart(const QByteArray& b) {
  if (b.size() < kFixedHeader + kTrailer) return -1;
  const auto* u = reinterpret_cast<const unsigned char*>(b.constData());
  if (u[0] != kMagic1 || u[1] != kMagic2 || u[2] != kDeflate) return -1;
  const unsigned char flags = u[3];
  qsizetype pos = kFixedHeader;
  if (flags & kFlagExtra) {
    if (pos + 2 > b.size()) return -1;
    pos += 2 + (u[pos] | u[pos + 1] << 8);
  }
  for (unsigned char zeroEnded : {kFlagName, kFlagComment}) {
    if (!(flags & zeroEnded)) continue;
    const qsizetype end = b.indexOf('\0', pos);
    if (end < 0) return -1;
    pos = end + 1;
  }
  if (flags & kFlagHeaderCrc) pos += 2;
  return pos + kTrailer <= b.size() ? pos : -1;
}

}  // namespace

TrpInflateResult rpGunzip(const QByteArray& gzip) {
  const qsizetype start = deflateStart(gzip);
  if (start < 0) return failure("not a gzip stream");

  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return failure("cannot start the decompressor");
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gzip.constData() + start));
  z.avail_in = static_cast<uInt>(gzip.size() - start);

  QByteArray out;
  char chunk[16384];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(chunk);
    z.avail_out = sizeof chunk;
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(chunk, static_cast<qsizetype>(sizeof chunk - z.avail_out));
    if (rc == Z_BUF_ERROR && z.avail_in == 0) break;  // input ended before the stream did
  }
  const qsizetype consumed = static_cast<qsizetype>(z.total_in);
  inflateEnd(&z);
  if (rc != Z_STREAM_END) return failure("corrupted or truncated deflate data");

  const qsizetype trailer = start + consumed;
  if (trailer + kTrailer > gzip.size()) return failure("missing gzip trailer");
  const quint32 crc = static_cast<quint32>(
      crc32(0L, reinterpret_cast<const Bytef*>(out.constData()), static_cast<uInt>(out.size())));
  if (readLE32(gzip, trailer) != crc) return failure("CRC mismatch");
  if (readLE32(gzip, trailer + 4) != static_cast<quint32>(out.size())) return failure("length mismatch");
  return {std::move(out), QString()};
}
