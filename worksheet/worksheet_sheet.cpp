#include "worksheet/worksheet_sheet.h"

namespace stroval {

void WorksheetSheet::Drop(int column, int row, const QString& character) {
  for (int c = column; c <= kColumns; ++c) Cell(c, row) = CellAfterDrop(c - column, character, traceCount);
}

}  // namespace stroval
