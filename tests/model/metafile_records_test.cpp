// Metafile pictures play their text and bitmap records: the text in the selected font, colour and
// alignment at its place, the bitmap stretched over its rectangle.
#include <gtest/gtest.h>

#include <QPainter>

#include "metafile_writer.h"
#include "report/views/picture_view.h"
#include "view_test_support.h"

namespace {

// A 2 x 2 bitmap of one colour, 24 bits per pixel, rows from the bottom: its header, then its rows.
QByteArray dibHeader() {
  QByteArray b;
  put32(b, 40), put32(b, 2), put32(b, 2), put16(b, 1), put16(b, 24);
  for (quint32 v : {0u, 16u, 0u, 0u, 0u, 0u}) put32(b, v);
  return b;
}
QByteArray dibRows(quint8 blue, quint8 green, quint8 red) {
  QByteArray row;
  for (int i = 0; i < 2; ++i) row.append(static_cast<char>(blue)).append(static_cast<char>(green)).append(static_cast<char>(red));
  row.append(2, '\0');  // rows end on a 4-byte boundary
  return row + row;
}

void putFace(QByteArray& b, const char* face, bool wide) {
  QByteArray name(face);
  name.append(32 - name.size(), '\0');
  for (char c : name) wide ? put16(b, static_cast<quint8>(c)) : void(b.append(c));
}

// A placeable metafile of 1000 x 500 units (96 x 48 pixels): "HH" in 250 units high bold red
// letters with its top left at (50, 100), and a blue bitmap over the right 400 x 500 units.
QByteArray textAndBitmapWmf() {
  QByteArray b;
  put32(b, 0x9AC6CDD7u), put16(b, 0);
  for (int v : {0, 0, 1000, 500}) put16(b, v);
  put16(b, 1000), put32(b, 0), put16(b, 0);
  put16(b, 1), put16(b, 9), put16(b, 0x0300), put32(b, 0), put16(b, 1), put32(b, 40), put16(b, 0);
  put32(b, 28), put16(b, 0x02FB);  // font: height, width, escapement, orientation, weight, flags
  for (int v : {-250, 0, 0, 0, 700}) put16(b, v);
  put32(b, 0), put32(b, 0);
  putFace(b, "Liberation Sans", false);
  put32(b, 4), put16(b, 0x012D), put16(b, 0);              // select it
  put32(b, 5), put16(b, 0x0209), put32(b, 0x0000FF);       // red text
  put32(b, 7), put16(b, 0x0521), put16(b, 2);              // "HH" at y 100, x 50
  b.append("HH"), put16(b, 100), put16(b, 50);
  const QByteArray dib = dibHeader() + dibRows(255, 0, 0);
  put32(b, static_cast<quint32>(3 + 11 + dib.size() / 2)), put16(b, 0x0F43);
  put32(b, 0x00CC0020), put16(b, 0);                       // copy; colours in the table
  for (int v : {2, 2, 0, 0, 500, 400, 0, 600}) put16(b, v);  // source h, w, y, x; target h, w, y, x
  b += dib;
  put32(b, 3), put16(b, 0);
  return b;
}

// An enhanced metafile of 100 x 50 pixels: "HH" 20 pixels high in red, its baseline at y 35 and
// each letter 15 pixels on from the last, from x 5; and a blue bitmap over x 60 to 100.
QByteArray textAndBitmapEmf() {
  QByteArray b;
  put32(b, 1), put32(b, 108);
  for (quint32 v : {0u, 0u, 99u, 49u}) put32(b, v);
  for (quint32 v : {0u, 0u, 2646u, 1323u}) put32(b, v);
  put32(b, 0x464D4520u), put32(b, 0x10000), put32(b, 0), put32(b, 7);
  put16(b, 2), put16(b, 0), put32(b, 0), put32(b, 0), put32(b, 0);
  put32(b, 1024), put32(b, 768), put32(b, 320), put32(b, 240);
  put32(b, 0), put32(b, 0), put32(b, 0), put32(b, 320000), put32(b, 240000);
  put32(b, 82), put32(b, 104), put32(b, 1);                // font 1: height -20, normal weight
  for (quint32 v : {quint32(-20), 0u, 0u, 0u, 400u, 0u, 0u}) put32(b, v);
  putFace(b, "Liberation Sans", true);
  put32(b, 37), put32(b, 12), put32(b, 1);                 // select it
  put32(b, 24), put32(b, 12), put32(b, 0x0000FF);          // red text
  put32(b, 22), put32(b, 12), put32(b, 24);                // placed by its baseline
  put32(b, 84), put32(b, 88);                              // "HH" with advances
  for (quint32 v : {0u, 0u, 0u, 0u, 1u, 0u, 0u}) put32(b, v);  // bounds, mode, scales
  put32(b, 5), put32(b, 35), put32(b, 2), put32(b, 76), put32(b, 0);  // at, count, offset, options
  for (quint32 v : {0u, 0u, 0u, 0u}) put32(b, v);          // rectangle
  put32(b, 80), put16(b, 'H'), put16(b, 'H');              // advances at 80; the text at 76
  put32(b, 15), put32(b, 15);
  const QByteArray info = dibHeader(), rows = dibRows(255, 0, 0);
  put32(b, 81), put32(b, static_cast<quint32>(80 + info.size() + rows.size()));
  for (quint32 v : {0u, 0u, 0u, 0u}) put32(b, v);          // bounds
  for (quint32 v : {60u, 0u, 0u, 0u, 2u, 2u}) put32(b, v);   // target x, y; source x, y, w, h
  put32(b, 80), put32(b, static_cast<quint32>(info.size()));
  put32(b, static_cast<quint32>(80 + info.size())), put32(b, static_cast<quint32>(rows.size()));
  put32(b, 0), put32(b, 0x00CC0020), put32(b, 40), put32(b, 50);  // usage, copy, target w, h
  b += info + rows;
  put32(b, 14), put32(b, 20), put32(b, 0), put32(b, 0), put32(b, 20);
  return b;
}

// The smallest rectangle holding the pixels of `color`.
QRect boundsOf(const QImage& image, TColor color) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (rpPixel(image, x, y) == color) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

// The picture played into 200 x 100 pixels; text pixels pure enough to count as red.
QImage played(const QByteArray& bytes) {
  TrpPicture picture;
  EXPECT_TRUE(picture.LoadFromData(bytes));
  QImage image = rpBlankImage(200, 100);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  picture.Draw(painter, QRect(0, 0, 200, 100), false);
  return image;
}

struct RecordsCase {
  const char* name;
  QByteArray bytes;
  QRect textWithin;  // where the letters must lie
  int minTextWidth;
};

class MetafileRecords : public ::testing::TestWithParam<RecordsCase> {};

TEST_P(MetafileRecords, PlayTextAndBitmaps) {
  const RecordsCase c = GetParam();
  const QImage image = played(c.bytes);
  const QRect text = boundsOf(image, 0x0000FF);
  ASSERT_FALSE(text.isEmpty()) << "no text drawn";
  EXPECT_TRUE(c.textWithin.contains(text)) << text.x() << "," << text.y() << " " << text.width() << "x" << text.height();
  EXPECT_GE(text.width(), c.minTextWidth);
  EXPECT_EQ(boundsOf(image, 0xFF0000), QRect(120, 0, 80, 100));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MetafileRecords,
    ::testing::Values(
        // 250 units at 0.2 pixels each: letters 50 pixels high, their top at 20 and left at 10.
        RecordsCase{"Placeable", textAndBitmapWmf(), QRect(10, 20, 100, 50), 50},
        // 20 pixels at twice the size: a 40-pixel font on a baseline at 70, letters 30 apart.
        RecordsCase{"Enhanced", textAndBitmapEmf(), QRect(10, 35, 70, 36), 50}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
