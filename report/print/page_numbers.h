#pragma once
// The page-range text of a print job ("1, 3-5, 8-") turned into the page numbers to print.
#include "report/objects/report_error.h"

#include <QString>
#include <QStringList>

// A range text that is not made of numbers, commas and hyphens, or a range without a start.
class TrpPageRangeError : public TrpError {
 public:
  using TrpError::TrpError;
};

// Fills `List` with the page numbers of `PageNumbers` as decimal texts, in the order written,
// duplicates kept; an empty text leaves `List` empty (all pages). A trailing "-" runs to `Total`.
// A range is cut off at `Total`, so "1-2000000000" lists only pages that can exist, and a number
// too large for an integer counts as a page beyond the last. Raises TrpPageRangeError with
// "'x' is not a valid integer value" for a part that is not a number.
void rpParsePageNumbers(const QString& PageNumbers, QStringList& List, int Total);
