#include "report/objects/text_mode.h"

#include <QFont>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

constexpr TrpEnumValue kDMPFontStyles[] = {
    {"fsxBold", fsxBold},           {"fsxItalic", fsxItalic},   {"fsxUnderline", fsxUnderline},
    {"fsxSuperScript", fsxSuperScript}, {"fsxSubScript", fsxSubScript}, {"fsxCondensed", fsxCondensed},
    {"fsxWide", fsxWide},           {"fsx12cpi", fsx12cpi},     {"fsx15cpi", fsx15cpi}};

}  // namespace

const TrpEnumType rpDMPFontStylesType{"TrpDMPFontStyles", kDMPFontStyles};
const char* const rpDMPFontName = "Courier New";

Extended rpSnapToColumns(Extended value) { return static_cast<Extended>(rpColumnsOf(value)) * rp1CharX; }
Extended rpSnapToRows(Extended value) { return static_cast<Extended>(rpRowsOf(value)) * rp1CharY; }
int rpColumnsOf(Extended value) { return static_cast<int>(rpRound(value / rp1CharX)); }
int rpRowsOf(Extended value) { return static_cast<int>(rpRound(value / rp1CharY)); }

bool rpIsWideChar(char32_t c) {
  struct Range {
    char32_t First, Last;
  };
  // Hangul Jamo, CJK radicals to Yi, Hangul syllables, compatibility ideographs, vertical and
  // small forms, full-width forms, and the ideographs beyond the first plane.
  static constexpr Range kWide[] = {{0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF},
                                    {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
                                    {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x20000, 0x3FFFD}};
  for (const Range& r : kWide)
    if (c >= r.First && c <= r.Last) return true;
  return false;
}

int rpCellWidth(const QString& text) {
  int width = 0;
  for (const char32_t c : text.toUcs4()) width += rpIsWideChar(c) ? 2 : 1;
  return width;
}

std::vector<QString> rpWrapToCells(const QString& text, int width) {
  std::vector<QString> lines;
  QString line;
  int used = 0;
  int lastSpace = -1;  // in `line`
  for (const char32_t c : text.toUcs4()) {
    const int w = rpIsWideChar(c) ? 2 : 1;
    if (used + w > width && !line.isEmpty()) {
      if (lastSpace > 0 && c != U' ') {
        lines.push_back(line.left(lastSpace));
        line = line.mid(lastSpace + 1);
      } else {
        lines.push_back(line);
        line.clear();
      }
      used = rpCellWidth(line);
      lastSpace = -1;
      if (c == U' ') continue;
    }
    if (c == U' ') lastSpace = static_cast<int>(line.size());
    line += QString::fromUcs4(&c, 1);
    used += w;
  }
  lines.push_back(line);
  return lines;
}

std::vector<TrpCellLine> rpLayOutCells(const QStringList& paragraphs, int width, TrpHAlign align,
                                       bool wordWrap) {
  QStringList kept = paragraphs;
  while (!kept.isEmpty() && kept.last().trimmed().isEmpty()) kept.removeLast();
  std::vector<TrpCellLine> lines;
  int row = 0;
  for (const QString& paragraph : kept) {
    const std::vector<QString> pieces = wordWrap ? rpWrapToCells(paragraph, std::max(1, width))
                                                 : std::vector<QString>{paragraph};
    for (const QString& piece : pieces) {
      const int spare = width - rpCellWidth(piece);
      const int shift = spare <= 0 ? 0 : align == haRight ? spare : align == haCenter ? spare / 2 : 0;
      lines.push_back({row++, shift, piece});
    }
  }
  return lines;
}

Extended rpDMPCellWidth(TrpDMPFontStyles styles) {
  Extended perInch = 10;
  if (styles.Has(fsx15cpi)) perInch = 15;
  else if (styles.Has(fsx12cpi)) perInch = 12;
  if (styles.Has(fsxCondensed)) perInch *= 1.71;  // 10 cpi condensed prints 17.1 characters
  const Extended width = rp1in / perInch;
  return styles.Has(fsxWide) ? 2 * width : width;
}

void rpDrawCellText(QPainter& canvas, const QPointF& origin, double cellWidth, double cellHeight,
                    const QString& text, TrpDMPFontStyles styles, const QColor& color) {
  if (cellWidth <= 0 || cellHeight <= 0 || text.isEmpty()) return;
  const bool raised = styles.Has(fsxSuperScript), lowered = styles.Has(fsxSubScript);
  // Super- and subscripts print at half height in the upper or lower half of the line.
  const double glyphHeight = raised || lowered ? cellHeight / 2 : cellHeight;
  const double shift = lowered ? cellHeight / 2 : 0;
  // At 10 characters an inch a printer's face is 12 points: 16 units in a 17-unit row, its
  // characters 0.6 of that wide. Other pitches keep the height and stretch the width.
  QFont font(QString::fromLatin1(rpDMPFontName));
  font.setStyleHint(QFont::Monospace);
  const double pixels = std::max(1.0, glyphHeight * 16 / 17);
  font.setPixelSize(static_cast<int>(pixels));
  font.setStretch(std::clamp(static_cast<int>(100 * cellWidth / (0.6 * pixels)), 1, 4000));
  font.setBold(styles.Has(fsxBold));
  font.setItalic(styles.Has(fsxItalic));
  font.setUnderline(styles.Has(fsxUnderline));
  canvas.save();
  canvas.setFont(font);
  canvas.setPen(color);
  double x = origin.x();
  for (const char32_t c : text.toUcs4()) {
    const double width = cellWidth * (rpIsWideChar(c) ? 2 : 1);
    if (c != U' ')
      canvas.drawText(QRectF(x, origin.y() + shift, width, glyphHeight), Qt::AlignCenter, QString::fromUcs4(&c, 1));
    x += width;
  }
  canvas.restore();
}
