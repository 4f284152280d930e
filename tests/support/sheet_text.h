#pragma once
// A practice cell as a short text for the tests' tables: its character, "~" before a traced one,
// "." for an empty cell.
#include <QString>

#include "worksheet/cell_fill.h"

inline QString CellText(const stroval::SheetCell& cell) {
  if (cell.character.isEmpty()) return QStringLiteral(".");
  return cell.traced ? QStringLiteral("~") + cell.character : cell.character;
}
