#pragma once

#include <QString>
#include <array>

#include "worksheet/cell_fill.h"
#include "worksheet/guide_style.h"
#include "worksheet/sample_font.h"

// One practice sheet as data: everything the window shows that the print command, the sheet file
// and the batch command need. The window reads it from its controls and sets them from it.
namespace stroval {

struct WorksheetSheet {
  static constexpr int kColumns = 8;
  static constexpr int kRows = 4;
  // A drop traces at most the cells right of the first column.
  static constexpr int kMaxTraceCount = kColumns - 1;

  QString title;
  QString word;     // the word box
  QString palette;  // the characters of the palette, one label each
  SampleFont font = DefaultSampleFont();
  GuideStyle guides = GuideStyle::None;
  int traceCount = 0;

  // Cell [column 1..8, row 1..4]; out of range is a programming error.
  const SheetCell& Cell(int column, int row) const { return cells_.at(column - 1).at(row - 1); }
  SheetCell& Cell(int column, int row) { return cells_.at(column - 1).at(row - 1); }
  static bool InRange(int column, int row) {
    return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
  }
  // Drops `character` on cell [column, row] as the window does (see cell_fill.h).
  void Drop(int column, int row, const QString& character);

  bool operator==(const WorksheetSheet&) const = default;

 private:
  std::array<std::array<SheetCell, kRows>, kColumns> cells_;
};

}  // namespace stroval
