#include "report/print/page_numbers.h"

#include <algorithm>
#include <limits>

namespace {

// A part of the range text read as a page number. Every number above `total` names a page that
// does not exist, so one too large for an integer is read as total + 1 instead of failing.
long long readNumber(const QString& part, int total) {
  const bool digitsOnly =
      !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
  if (!digitsOnly)
    throw TrpPageRangeError(QStringLiteral("'%1' is not a valid integer value").arg(part));
  bool ok = false;
  const long long value = part.toLongLong(&ok);
  if (!ok || value > std::numeric_limits<int>::max()) return static_cast<long long>(total) + 1;
  return value;
}

}  // namespace

void rpParsePageNumbers(const QString& PageNumbers, QStringList& List, int Total) {
  List.clear();
  QString text = PageNumbers;
  text.remove(QLatin1Char(' '));
  if (text.isEmpty()) return;
  if (text.endsWith(QLatin1Char('-'))) text += QString::number(Total);
  text += QLatin1Char(',');

  int start = 0;
  bool rangeOpen = false;
  long long rangeStart = 0;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char(',')) {
      const long long number = readNumber(text.mid(start, i - start), Total);
      if (rangeOpen) {
        // Pages beyond the last do not exist; listing them would only cost memory.
        const long long last = std::min<long long>(number, Total);
        for (long long n = rangeStart; n <= last; ++n) List.append(QString::number(n));
      } else {
        List.append(QString::number(number));
      }
      rangeOpen = false;
      start = i + 1;
    } else if (c == QLatin1Char('-')) {
      rangeStart = readNumber(text.mid(start, i - start), Total);
      rangeOpen = true;
      start = i + 1;
    }
  }
}
