#include "preview_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <functional>

namespace {

// No picture may use the background colour, or it would turn transparent.
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 140, 0);
const QColor kRed(210, 0, 0);
const QColor kYellow(255, 220, 80);
const QColor kDarkYellow(200, 150, 0);
const QColor kSteel(96, 96, 104);
const QColor kLightGrey(224, 224, 224);
const QColor kMidGrey(150, 150, 150);
const QColor kGlass(200, 230, 255);

void fillPolygon(QPainter& p, const QPolygon& poly, const QColor& fill) {
  p.setPen(kInk);
  p.setBrush(fill);
  p.drawPolygon(poly);
}

void box(QPainter& p, int x, int y, int w, int h, const QColor& fill) {
  p.setPen(kInk);
  p.setBrush(fill);
  p.drawRect(x, y, w - 1, h - 1);
}

void solid(QPainter& p, int x, int y, int w, int h, const QColor& fill) { p.fillRect(x, y, w, h, fill); }

void line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c, int width = 1) {
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(x1, y1, x2, y2);
}

// A sheet of paper with a folded top-right corner, spanning columns left..right.
void page(QPainter& p, int left, int right, int top = 0, int bottom = 15) {
  fillPolygon(p, QPolygon({{left, top}, {right - 3, top}, {right, top + 3}, {right, bottom}, {left, bottom}}),
              kPaper);
  line(p, right - 3, top, right - 3, top + 3, kInk);
  line(p, right - 3, top + 3, right, top + 3, kInk);
}

void window(QPainter& p) {
  box(p, 0, 1, 16, 14, kPaper);
  solid(p, 1, 2, 14, 2, kNavy);
}

void arrowUp(QPainter& p, int cx, const QColor& c) {
  solid(p, cx - 1, 6, 3, 8, c);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(QPolygon({{cx - 4, 6}, {cx + 4, 6}, {cx, 2}}));
}

void arrowDown(QPainter& p, int cx, int top, const QColor& c) {
  solid(p, cx - 1, top, 3, 7, c);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(QPolygon({{cx - 4, top + 7}, {cx + 4, top + 7}, {cx, top + 11}}));
}

void triangle(QPainter& p, std::initializer_list<QPoint> points) { fillPolygon(p, QPolygon(points), kNavy); }

void magnifier(QPainter& p, bool plus) {
  line(p, 9, 9, 13, 13, kSteel, 3);
  p.setPen(QPen(kInk, 1));
  p.setBrush(kGlass);
  p.drawEllipse(1, 1, 9, 9);
  line(p, 3, 5, 8, 5, kInk);
  if (plus) line(p, 5, 3, 5, 8, kInk);
  else line(p, 3, 6, 8, 6, kInk);
}

// Letters of a 3 x 5 pixel font, one string per row.
void letter(QPainter& p, int x, int y, const char* const rows[5], const QColor& c) {
  for (int r = 0; r < 5; ++r)
    for (int col = 0; col < 3; ++col)
      if (rows[r][col] == '#') solid(p, x + col, y + r, 1, 1, c);
}

using Painter = std::function<void(QPainter&)>;

void openFolder(QPainter& p) {
  box(p, 1, 3, 5, 2, kDarkYellow);
  box(p, 1, 4, 12, 10, kDarkYellow);
  fillPolygon(p, QPolygon({{4, 7}, {15, 7}, {12, 13}, {1, 13}}), kYellow);
}

void disk(QPainter& p) {
  box(p, 1, 1, 14, 14, QColor(40, 60, 160));
  box(p, 4, 1, 8, 6, kPaper);
  box(p, 4, 10, 8, 5, kLightGrey);
  solid(p, 9, 11, 2, 3, kSteel);
}

void printer(QPainter& p) {
  box(p, 4, 1, 8, 6, kPaper);
  box(p, 1, 6, 14, 6, kMidGrey);
  solid(p, 12, 8, 2, 1, kGreen);
  box(p, 3, 11, 10, 4, kPaper);
}

void exportPage(QPainter& p) {
  page(p, 1, 10);
  line(p, 3, 5, 7, 5, kMidGrey);
  line(p, 3, 7, 7, 7, kMidGrey);
  arrowDown(p, 12, 2, kGreen);
}

void binoculars(QPainter& p) {
  solid(p, 2, 2, 4, 6, kInk);
  solid(p, 10, 2, 4, 6, kInk);
  solid(p, 6, 5, 4, 3, kInk);
  p.setPen(kInk);
  p.setBrush(kInk);
  p.drawEllipse(0, 7, 7, 7);
  p.drawEllipse(9, 7, 7, 7);
  p.setBrush(QColor(0, 120, 220));
  p.drawEllipse(2, 9, 3, 3);
  p.drawEllipse(11, 9, 3, 3);
}

void treePane(QPainter& p) {
  window(p);
  line(p, 7, 4, 7, 13, kInk);
  line(p, 2, 5, 2, 12, kMidGrey);
  for (int y : {6, 9, 12}) {
    line(p, 2, y, 4, y, kMidGrey);
    solid(p, 4, y - 1, 2, 2, kNavy);
  }
  for (int y : {6, 8, 10, 12}) line(p, 9, y, 13, y, kMidGrey);
}

void empty(QPainter&) {}

void wrench(QPainter& p) {
  line(p, 2, 13, 9, 6, kSteel, 3);
  p.setPen(kInk);
  p.setBrush(kSteel);
  p.drawEllipse(8, 1, 7, 7);
  solid(p, 11, 0, 3, 4, kBackground);  // the jaw's opening
}

void firstPage(QPainter& p) {
  solid(p, 3, 3, 2, 10, kNavy);
  triangle(p, {{12, 3}, {12, 13}, {6, 8}});
}
void priorPage(QPainter& p) { triangle(p, {{11, 3}, {11, 13}, {5, 8}}); }
void nextPage(QPainter& p) { triangle(p, {{5, 3}, {5, 13}, {11, 8}}); }
void lastPage(QPainter& p) {
  triangle(p, {{4, 3}, {4, 13}, {10, 8}});
  solid(p, 11, 3, 2, 10, kNavy);
}

void indentedList(QPainter& p) {
  page(p, 1, 14);
  const int rows[][2] = {{3, 10}, {5, 11}, {5, 11}, {3, 10}, {5, 11}};
  int y = 4;
  for (const auto& r : rows) {
    line(p, r[0], y, r[1], y, kNavy);
    y += 2;
  }
}

void collapseAll(QPainter& p) {
  arrowUp(p, 4, kNavy);
  for (int y : {3, 6, 9, 12}) line(p, 9, y, 14, y, kInk);
}

void expandAll(QPainter& p) {
  arrowDown(p, 4, 1, kNavy);
  for (int y : {3, 6, 9, 12}) {
    solid(p, 9, y, 1, 1, kInk);
    line(p, 11, y, 14, y, kInk);
  }
}

void zoomIn(QPainter& p) { magnifier(p, true); }
void zoomOut(QPainter& p) { magnifier(p, false); }

void cross(QPainter& p) {
  line(p, 3, 3, 12, 12, kInk, 2);
  line(p, 12, 3, 3, 12, kInk, 2);
}

void newPage(QPainter& p) {
  page(p, 3, 14);
  line(p, 0, 3, 6, 3, kDarkYellow);
  line(p, 3, 0, 3, 6, kDarkYellow);
  line(p, 1, 1, 5, 5, kDarkYellow);
  line(p, 5, 1, 1, 5, kDarkYellow);
}

void deletePage(QPainter& p) {
  page(p, 1, 11);
  line(p, 7, 7, 14, 14, kRed, 2);
  line(p, 14, 7, 7, 14, kRed, 2);
}

void pencil(QPainter& p) {
  fillPolygon(p, QPolygon({{1, 14}, {2, 10}, {5, 13}}), QColor(240, 210, 160));
  line(p, 4, 11, 11, 4, kYellow, 4);
  p.setPen(kInk);
  p.drawLine(2, 10, 10, 2);
  p.drawLine(5, 13, 13, 5);
  solid(p, 11, 1, 3, 3, QColor(230, 120, 140));
  solid(p, 1, 13, 2, 2, kInk);
}

void listWindow(QPainter& p) {
  window(p);
  for (int y : {6, 8, 10, 12}) {
    solid(p, 2, y, 2, 1, kNavy);
    line(p, 5, y, 13, y, kMidGrey);
  }
}

void envelope(QPainter& p) {
  box(p, 1, 3, 14, 10, kPaper);
  p.setPen(kInk);
  p.drawPolyline(QPolygon({{1, 3}, {8, 9}, {14, 3}}));
}

void pdfSign(QPainter& p) {
  page(p, 3, 12, 0, 8);
  solid(p, 1, 8, 14, 7, kRed);
  static const char* const P[5] = {"###", "#.#", "###", "#..", "#.."};
  static const char* const D[5] = {"##.", "#.#", "#.#", "#.#", "##."};
  static const char* const F[5] = {"###", "#..", "##.", "#..", "#.."};
  letter(p, 2, 9, P, kPaper);
  letter(p, 6, 9, D, kPaper);
  letter(p, 10, 9, F, kPaper);
}

// Index order is fixed: the preview binds its buttons to these positions.
const Painter kIcons[kIconCount] = {
    openFolder, disk,       printer,      exportPage,  binoculars, treePane,  empty,
    wrench,     firstPage,  priorPage,    nextPage,    lastPage,   indentedList,
    collapseAll, expandAll, zoomIn,       zoomOut,     cross,      empty,     newPage,
    deletePage, pencil,     listWindow,   envelope,    pdfSign,
};

}  // namespace

QImage paintPreviewStrip() {
  QImage strip(kIconSize * kIconCount, kIconSize, QImage::Format_RGB32);
  strip.fill(kBackground);
  for (int i = 0; i < kIconCount; ++i) {
    QImage tile(kIconSize, kIconSize, QImage::Format_RGB32);
    tile.fill(kBackground);
    {
      QPainter p(&tile);
      p.setRenderHint(QPainter::Antialiasing, false);
      kIcons[i](p);
    }
    QPainter(&strip).drawImage(i * kIconSize, 0, tile);
  }
  return strip;
}
