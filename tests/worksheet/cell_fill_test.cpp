// What a drop makes of a row: filled to the end without tracing; with tracing N, the model, N
// traced cells, and empty cells for free writing.
#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "sheet_text.h"
#include "worksheet/worksheet_sheet.h"

namespace {

using stroval::WorksheetSheet;

// A row as text: "永" a model character, "~永" a traced one, "." an empty cell.
QString RowOf(const WorksheetSheet& sheet, int row) {
  QStringList cells;
  for (int column = 1; column <= WorksheetSheet::kColumns; ++column) cells << CellText(sheet.Cell(column, row));
  return cells.join(u' ');
}

struct DropCase {
  int traceCount;
  int column;
  const char* row;
};

TEST(CellFilling, ADropFillsOrTracesTheRestOfTheRow) {
  const DropCase cases[] = {
      {0, 1, "永 永 永 永 永 永 永 永"},
      {0, 6, ". . . . . 永 永 永"},
      {3, 1, "永 ~永 ~永 ~永 . . . ."},
      {3, 6, ". . . . . 永 ~永 ~永"},
      {1, 1, "永 ~永 . . . . . ."},
      {7, 1, "永 ~永 ~永 ~永 ~永 ~永 ~永 ~永"},
      {2, 8, ". . . . . . . 永"},
  };
  for (const DropCase& c : cases) {
    WorksheetSheet sheet;
    sheet.traceCount = c.traceCount;
    sheet.Drop(c.column, 2, QStringLiteral("永"));
    EXPECT_EQ(RowOf(sheet, 2), QString::fromUtf8(c.row)) << c.traceCount << " at " << c.column;
    EXPECT_EQ(RowOf(sheet, 1), QStringLiteral(". . . . . . . ."));
  }
}

TEST(CellFilling, ATracedDropEmptiesWhatLayBehindItsTraces) {
  WorksheetSheet sheet;
  sheet.Drop(1, 1, QStringLiteral("大"));
  sheet.traceCount = 2;
  sheet.Drop(3, 1, QStringLiteral("小"));
  EXPECT_EQ(RowOf(sheet, 1), QStringLiteral("大 大 小 ~小 ~小 . . ."));
}

}  // namespace
