#include "report/text/reading_order.h"

#include <numeric>

namespace {

char32_t codePointAt(const QString& line, int i) {
  if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate())
    return QChar::surrogateToUcs4(line[i], line[i + 1]);
  return line[i].unicode();
}

int clusterLength(const QString& line, int i) { return codePointAt(line, i) > 0xFFFF ? 2 : 1; }

// Characters that a right-to-left line keeps in their own order when they follow one another:
// letters of left-to-right scripts, digits and the signs that belong to numbers.
bool keepsItsOrder(char32_t c) {
  switch (QChar::direction(c)) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirAN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS: return true;
    default: return false;
  }
}

// The end of the left-to-right run that starts at `i`. Letters and numbers that touch read as one
// run; a blank joins it only between two left-to-right letters ("hello world" stays readable
// inside a right-to-left line, while a number and the word after it are read right to left).
int runEndFrom(const QString& line, int i) {
  const int n = static_cast<int>(line.size());
  int end = i;
  for (int k = i; k < n;) {
    const char32_t c = codePointAt(line, k);
    if (keepsItsOrder(c)) {
      k += clusterLength(line, k);
      end = k;
      continue;
    }
    if (c != U' ' || QChar::direction(codePointAt(line, end - 1)) != QChar::DirL) break;
    int next = k;
    while (next < n && line[next] == QLatin1Char(' ')) ++next;
    if (next == n || QChar::direction(codePointAt(line, next)) != QChar::DirL) break;
    k = next;
  }
  return end;
}

}  // namespace

std::vector<int> rpLineOffsets(const QString& line, const std::vector<int>& advances, bool rightToLeft) {
  const int n = static_cast<int>(line.size());
  std::vector<int> offsets(n, 0);
  if (!rightToLeft) {
    int x = 0;
    for (int i = 0; i < n; ++i) offsets[i] = x, x += advances[i];
    return offsets;
  }
  int end = std::accumulate(advances.begin(), advances.begin() + n, 0);
  for (int i = 0; i < n;) {
    const int next = keepsItsOrder(codePointAt(line, i)) ? runEndFrom(line, i) : i + clusterLength(line, i);
    int width = 0;
    for (int k = i; k < next; ++k) width += advances[k];
    end -= width;
    if (next - i == clusterLength(line, i)) {
      for (int k = i; k < next; ++k) offsets[k] = end;  // one character, a pair's halves together
    } else {
      for (int k = i, x = end; k < next; ++k) offsets[k] = x, x += advances[k];
    }
    i = next;
  }
  return offsets;
}

QChar rpReadingGlyph(QChar c, bool rightToLeft) { return rightToLeft && c.hasMirrored() ? c.mirroredChar() : c; }
