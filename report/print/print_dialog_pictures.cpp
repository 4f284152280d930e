#include "report/print/print_dialog_pictures.h"

#include <QPainter>

namespace {

QImage transparentImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A sheet of paper with a grey outline, optionally numbered.
void drawSheet(QPainter& p, const QRect& r, const QString& number = QString()) {
  p.setPen(QColor(96, 96, 96));
  p.setBrush(Qt::white);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  if (number.isEmpty()) return;
  QFont font = p.font();
  font.setPixelSize(9);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(r, Qt::AlignCenter, number);
}

// Text lines on a page, as small grey strokes.
void drawLines(QPainter& p, const QRect& r) {
  p.setPen(QColor(160, 160, 160));
  for (int y = r.top() + 3; y < r.bottom() - 2; y += 3) p.drawLine(r.left() + 2, y, r.right() - 2, y);
}

void drawDefault(QPainter& p) {
  drawSheet(p, QRect(24, 2, 20, 28));
  drawLines(p, QRect(24, 2, 20, 28));
}

// One big page, cut into four sheets.
void drawSplit(QPainter& p) {
  drawSheet(p, QRect(2, 2, 24, 28));
  drawLines(p, QRect(2, 2, 24, 28));
  p.setPen(QPen(Qt::red, 1, Qt::DashLine));
  p.drawLine(14, 2, 14, 29);
  p.drawLine(2, 16, 25, 16);
  p.setPen(Qt::black);
  p.drawLine(29, 16, 35, 16);
  p.drawLine(33, 14, 35, 16);
  p.drawLine(33, 18, 35, 16);
  for (int i = 0; i < 4; ++i) drawSheet(p, QRect(38 + (i % 2) * 13, 2 + (i / 2) * 15, 12, 14));
}

// Two small pages, put side by side on one sheet.
void drawJoin(QPainter& p) {
  drawSheet(p, QRect(2, 4, 10, 13));
  drawSheet(p, QRect(2, 18, 10, 13));
  p.setPen(Qt::black);
  p.drawLine(16, 16, 24, 16);
  p.drawLine(22, 14, 24, 16);
  p.drawLine(22, 18, 24, 16);
  drawSheet(p, QRect(28, 6, 34, 22));
  drawLines(p, QRect(30, 8, 14, 18));
  drawLines(p, QRect(46, 8, 14, 18));
}

// A small page and the same page grown to a bigger sheet.
void drawScale(QPainter& p) {
  drawSheet(p, QRect(2, 12, 12, 16));
  drawLines(p, QRect(2, 12, 12, 16));
  p.setPen(Qt::black);
  p.drawLine(18, 20, 26, 20);
  p.drawLine(24, 18, 26, 20);
  p.drawLine(24, 22, 26, 20);
  drawSheet(p, QRect(32, 1, 22, 30));
  drawLines(p, QRect(32, 1, 22, 30));
}

}  // namespace

QImage rpPrintModePicture(TrpPrintMode mode) {
  QImage image = transparentImage(64, 32);
  QPainter p(&image);
  switch (mode) {
    case pmDefault: drawDefault(p); break;
    case pmSplit: drawSplit(p); break;
    case pmJoin: drawJoin(p); break;
    case pmScale: drawScale(p); break;
  }
  return image;
}

QImage rpCollatePicture(bool collate) {
  QImage image = transparentImage(92, 53);
  QPainter p(&image);
  // Each stack is three sheets lying slightly offset, the top one numbered.
  auto stack = [&p](int x, const QStringList& numbers) {
    for (int i = 0; i < numbers.size(); ++i)
      drawSheet(p, QRect(x + i * 6, 4 + i * 8, 18, 24), numbers[i]);
  };
  if (collate) {
    stack(4, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    stack(48, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
  } else {
    stack(2, {QStringLiteral("1"), QStringLiteral("1")});
    stack(32, {QStringLiteral("2"), QStringLiteral("2")});
    stack(62, {QStringLiteral("3"), QStringLiteral("3")});
  }
  return image;
}
