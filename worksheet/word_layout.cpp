#include "worksheet/word_layout.h"

namespace stroval {

namespace {

constexpr int kHalfRow = WorksheetSheet::kColumns / 2;

}  // namespace

WorksheetSheet SheetForWord(const WorksheetSheet& settings, const QString& word) {
  WorksheetSheet sheet = settings;
  sheet.word = word.left(kMaxWordLength);
  sheet.palette = sheet.word;
  for (int column = 1; column <= WorksheetSheet::kColumns; ++column)
    for (int row = 1; row <= WorksheetSheet::kRows; ++row) sheet.Cell(column, row) = {};
  const bool halfRows = sheet.word.size() > WorksheetSheet::kRows;
  for (int i = 0; i < sheet.word.size(); ++i) {
    const int row = halfRows ? i / 2 + 1 : i + 1;
    const int column = halfRows && i % 2 == 1 ? kHalfRow + 1 : 1;
    sheet.Drop(column, row, QString(sheet.word.at(i)));
  }
  return sheet;
}

}  // namespace stroval
