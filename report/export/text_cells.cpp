#include "report/export/text_cells.h"

#include <QStringList>

bool TrpTextCells::IsWide(char32_t c) {
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

int TrpTextCells::Width(const QString& text) {
  int width = 0;
  for (const char32_t c : text.toUcs4()) width += IsWide(c) ? 2 : 1;
  return width;
}

std::vector<QString> TrpTextCells::Wrap(const QString& text, int width) {
  std::vector<QString> lines;
  QString line;
  int used = 0;
  int lastSpace = -1;  // in `line`
  for (const char32_t c : text.toUcs4()) {
    const int w = IsWide(c) ? 2 : 1;
    if (used + w > width && !line.isEmpty()) {
      if (lastSpace > 0 && c != U' ') {
        lines.push_back(line.left(lastSpace));
        line = line.mid(lastSpace + 1);
      } else {
        lines.push_back(line);
        line.clear();
      }
      used = Width(line);
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

void TrpTextCells::Put(int column, int row, const QString& text) {
  if (row < 0) return;
  if (FRows.size() <= static_cast<size_t>(row)) FRows.resize(static_cast<size_t>(row) + 1);
  std::vector<char32_t>& cells = FRows[static_cast<size_t>(row)];
  int at = column;
  for (const char32_t c : text.toUcs4()) {
    const int w = IsWide(c) ? 2 : 1;
    if (at >= 0) {
      if (cells.size() < static_cast<size_t>(at + w)) cells.resize(static_cast<size_t>(at + w), kEmpty);
      cells[static_cast<size_t>(at)] = c;
      if (w == 2) cells[static_cast<size_t>(at) + 1] = kContinued;
    }
    at += w;
  }
}

QString TrpTextCells::Text() const {
  QStringList lines;
  for (const std::vector<char32_t>& cells : FRows) {
    std::u32string line;
    for (size_t i = 0; i < cells.size(); ++i) {
      if (cells[i] == kContinued) continue;
      // A wide character half overwritten leaves its other half blank.
      const bool broken = i + 1 < cells.size() && IsWide(cells[i]) && cells[i + 1] != kContinued;
      line += cells[i] == kEmpty || broken ? U' ' : cells[i];
    }
    lines.append(QString::fromStdU32String(line));
  }
  for (QString& line : lines)
    while (line.endsWith(u' ')) line.chop(1);
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines.join(u'\n');
}
