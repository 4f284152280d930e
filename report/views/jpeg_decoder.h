#pragma once
// JPEG decoding through libjpeg: grey, RGB, CMYK and YCCK images become 32-bit RGB images.
#include <QByteArray>
#include <QImage>
#include <QString>

// The decoded image, or a null image with the decoder's message in `error` (when given).
QImage rpDecodeJpeg(const QByteArray& bytes, QString* error = nullptr);
