#pragma once

#include <QPoint>
#include <QPointer>
#include <array>

#include "app/practice_cell.h"

// The practice grid's cells by column (1..8, from the left) and row (1..4, from the top). The
// window fills it on its first activation; until then every entry is empty. Entries are weak
// references: the window owns the cells.
namespace stroval {

class WordGrid {
 public:
  static constexpr int kColumns = 8;
  static constexpr int kRows = 4;
  static constexpr int kCellSize = 100;
  // Cells lie this many pixels apart, across and down.
  static constexpr int kPitch = 120;

  // The cell in column `column` and row `row`; nullptr before the grid is built or out of range.
  PracticeCell* operator()(int column, int row) const;
  void Set(int column, int row, PracticeCell* cell);
  bool IsBuilt() const { return (*this)(1, 1) != nullptr; }

  // Where cell [column, row] lies inside the worksheet panel.
  static QPoint CellPosition(int column, int row) {
    return {(column - 1) * kPitch + 10, row * kPitch};
  }

 private:
  static bool InRange(int column, int row) {
    return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
  }
  std::array<std::array<QPointer<PracticeCell>, kRows>, kColumns> cells_;
};

inline PracticeCell* WordGrid::operator()(int column, int row) const {
  return InRange(column, row) ? cells_[column - 1][row - 1].data() : nullptr;
}

inline void WordGrid::Set(int column, int row, PracticeCell* cell) {
  if (InRange(column, row)) cells_[column - 1][row - 1] = cell;
}

}  // namespace stroval
