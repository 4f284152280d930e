#include "worksheet/cell_fill.h"

namespace stroval {

SheetCell CellAfterDrop(int offset, const QString& character, int traceCount) {
  if (offset == 0 || traceCount == 0) return {character, false};
  if (offset <= traceCount) return {character, true};
  return {};
}

}  // namespace stroval
