// Writes the preview tool-bar strip as a gzip-compressed 24-bit bitmap (and, when asked, a PNG
// copy for looking at it).
#include "preview_icons.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>

#include <zlib.h>

#include <cstdio>

namespace {

// gzip wrapper (window bits 15 + 16), no file name or time stamp, so the output is reproducible.
QByteArray gzip(const QByteArray& data) {
  z_stream z{};
  if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) != Z_OK) return {};
  QByteArray out(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(data.size())) + 32), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&z, Z_FINISH);
  out.resize(static_cast<qsizetype>(z.total_out));
  deflateEnd(&z);
  return rc == Z_STREAM_END ? out : QByteArray();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <strip.bmp.gz> [preview.png]\n", argv[0]);
    return 2;
  }
  const QImage strip = paintPreviewStrip().convertToFormat(QImage::Format_RGB888);
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  if (!strip.save(&buffer, "BMP")) {
    std::fprintf(stderr, "cannot encode the bitmap\n");
    return 1;
  }
  const QByteArray packed = gzip(bmp);
  QFile out(QString::fromLocal8Bit(argv[1]));
  if (packed.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(packed) != packed.size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  if (argc > 2 && !strip.scaled(strip.size() * 4).save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
