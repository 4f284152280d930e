#include "report/views/jpeg_decoder.h"

#include "report/objects/image_size_limit.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back to the
// decoding function, which then cleans up. No C++ object with a destructor lives between the
// setjmp and the calls that may jump.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

void silentMessage(j_common_ptr) {}

// Adobe writes CMYK inverted; a plain CMYK pixel becomes RGB by multiplying with the black ink.
QRgb cmykToRgb(const JSAMPLE* p, bool inverted) {
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
  return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Fills `image` row by row; returns false when libjpeg failed (the message is in `manager`).
bool decode(jpeg_decompress_struct& info, ErrorManager& manager, const QByteArray& bytes,
            QImage& image) {
  if (setjmp(manager.jump)) return false;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  const bool inverted = cmyk && info.saw_Adobe_marker;
  if (cmyk)
    info.out_color_space = JCS_CMYK;
  else if (info.jpeg_color_space == JCS_GRAYSCALE)
    info.out_color_space = JCS_GRAYSCALE;
  else
    info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (!rpImageSizeAllowed(info.output_width, info.output_height)) {
    std::snprintf(manager.message, sizeof manager.message, "The picture is too large (%u x %u pixels)",
                  static_cast<unsigned>(info.output_width), static_cast<unsigned>(info.output_height));
    return false;
  }
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB32);
  if (image.isNull()) return false;
  const int components = info.output_components;
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             info.output_width * components, 1);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, row, 1);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    const JSAMPLE* in = row[0];
    for (JDIMENSION x = 0; x < info.output_width; ++x, in += components) {
      if (components == 1)
        out[x] = qRgb(in[0], in[0], in[0]);
      else if (components == 4)
        out[x] = cmykToRgb(in, inverted);
      else
        out[x] = qRgb(in[0], in[1], in[2]);
    }
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

QImage rpDecodeJpeg(const QByteArray& bytes, QString* error) {
  if (bytes.isEmpty()) {
    if (error) *error = QStringLiteral("Empty JPEG data");
    return {};
  }
  jpeg_decompress_struct info{};
  ErrorManager manager{};
  info.err = jpeg_std_error(&manager.base);
  manager.base.error_exit = &errorExit;
  manager.base.output_message = &silentMessage;
  jpeg_create_decompress(&info);
  QImage image;
  const bool ok = decode(info, manager, bytes, image);
  jpeg_destroy_decompress(&info);
  if (ok) return image;
  if (error) *error = QString::fromLocal8Bit(manager.message);
  return {};
}
