#include "report/export/text_cells.h"

#include <QStringList>

#include <algorithm>

#include "report/objects/text_mode.h"

bool TrpTextCells::IsWide(char32_t c) { return rpIsWideChar(c); }

int TrpTextCells::Width(const QString& text) { return rpCellWidth(text); }

std::vector<QString> TrpTextCells::Wrap(const QString& text, int width) { return rpWrapToCells(text, width); }

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

void TrpTextCells::PutControl(int column, int row, const QString& control) {
  if (row < 0 || control.isEmpty()) return;
  if (FRows.size() <= static_cast<size_t>(row)) FRows.resize(static_cast<size_t>(row) + 1);
  FControls[{row, std::max(column, 0)}] += control;
}

QString TrpTextCells::Text() const {
  QStringList lines;
  for (size_t row = 0; row < FRows.size(); ++row) {
    const std::vector<char32_t>& cells = FRows[row];
    // The cells up to the last one written: trailing blanks are dropped.
    size_t end = cells.size();
    while (end > 0 && cells[end - 1] == kEmpty) --end;
    const auto first = FControls.lower_bound({static_cast<int>(row), 0});
    const auto last = FControls.lower_bound({static_cast<int>(row) + 1, 0});
    std::u32string line;
    QString text;
    auto flush = [&] {
      text += QString::fromStdU32String(line);
      line.clear();
    };
    auto control = first;
    for (size_t i = 0; i < end; ++i) {
      // A control goes in before the cell it was put at.
      for (; control != last && static_cast<size_t>(control->first.second) <= i; ++control) {
        flush();
        text += control->second;
      }
      if (cells[i] == kContinued) continue;
      // A wide character half overwritten leaves its other half blank.
      const bool broken = i + 1 < cells.size() && IsWide(cells[i]) && cells[i + 1] != kContinued;
      line += cells[i] == kEmpty || broken ? U' ' : cells[i];
    }
    flush();
    // Controls beyond the last character follow it directly.
    for (; control != last; ++control) text += control->second;
    lines.append(text);
  }
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines.join(u'\n');
}
