#pragma once

#include <QString>

#include "worksheet/worksheet_sheet.h"

// A word laid out on a sheet without the window, as a teacher lays it out by dropping: the
// palette holds the word, and each character is dropped at the start of its own row. A word of
// five to eight characters has two characters a row, the second dropped on column 5 (an odd
// last character keeps a whole row).
namespace stroval {

// Maximum length of a word, in the window's 16-bit units (one label each).
inline constexpr int kMaxWordLength = WorksheetSheet::kColumns;

// `settings` with its cells emptied and `word` (at most kMaxWordLength units) dropped on them.
WorksheetSheet SheetForWord(const WorksheetSheet& settings, const QString& word);

}  // namespace stroval
