#pragma once
// An expression in a text object may carry its own format after a blank and a hash:
// "[Total #n%2.2f]", "[Date #dd.mm.yyyy]", "[Paid #bYes,No]". The letter after the hash chooses
// the kind (n numeric, d or t date-time, b Boolean); the rest is the format text. In a numeric
// format every ",", "-" or "." is the decimal separator to show and becomes "." in the format.
// The split is not made when the part after " #" holds a ")" — "[f(x #1)]" is one expression.
#include <QString>

#include <optional>

#include "report/memo/memo_format.h"

struct TrpInlineFormat {
  QString Expression;
  std::optional<TrpFormatKind> Kind;  // set when the expression carries a format
  QString FormatStr;
  QString DecimalSeparator;
};

TrpInlineFormat rpSplitInlineFormat(const QString& expression);
