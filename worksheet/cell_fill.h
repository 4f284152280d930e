#pragma once

#include <QString>

// What a drop does to the cells of a row. Without tracing the dropped character fills the cell
// and every cell to its right. With tracing N, the cell takes the model character, the next N
// cells show it in light grey to trace over, and the rest of the row stays empty for free writing.
namespace stroval {

struct SheetCell {
  QString character;   // empty or the character
  bool traced = false;  // shown in the trace ink rather than the sample font's colour
  bool operator==(const SheetCell&) const = default;
};

// The cell `offset` columns right of the one `character` was dropped on (0 is that cell).
SheetCell CellAfterDrop(int offset, const QString& character, int traceCount);

}  // namespace stroval
