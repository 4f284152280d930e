#include "script_engine/modules/printf_reader.h"

#include <algorithm>

bool TscPrintfReader::ReadText(QString& text) {
  for (; I < F.size(); ++I) {
    if (F[I] != u'%') {
      text += F[I];
      continue;
    }
    if (I + 1 >= F.size()) return false;
    if (F[I + 1] != u'%') return true;
    text += u'%';
    ++I;
  }
  return true;
}

bool TscPrintfReader::IsDigit(QChar c) const {
  return R.AnyDecimalDigit ? c.isDigit() : c >= u'0' && c <= u'9';
}

bool TscPrintfReader::Number(int limit, int& v) {
  if (A && I < F.size() && F[I] == u'*') {
    ++I;
    v = A->TakeCount();
    return v <= limit;
  }
  v = -1;
  for (; I < F.size() && IsDigit(F[I]); ++I) {
    v = std::max(v, 0) * 10 + F[I].digitValue();
    if (v > limit) return false;
  }
  return true;
}

bool TscPrintfReader::ReadDirective(TscPrintfDirective& d) {
  ++I;  // the "%"
  d = TscPrintfDirective();
  const qsizetype start = I;
  // A leading number is the width, or the argument index when a ':' follows it; the flag and
  // a width may follow only an index or the "%" itself.
  int n = -1;
  if (!Number(R.MaxWidth, n)) return false;
  bool flags = I == start;
  if (A && I < F.size() && F[I] == u':') {
    A->SelectArgument(std::max(n, 0));
    ++I;
    flags = true;
  }
  if (flags) {
    if (I < F.size() && F[I] == u'-') {
      d.LeftJustify = true;
      ++I;
    }
    if (!Number(R.MaxWidth, d.Width)) return false;
  } else {
    d.Width = n;
  }
  if (I < F.size() && F[I] == u'.') {
    ++I;
    int precision = -1;
    if (!Number(R.MaxPrecision, precision)) return false;
    d.Precision = std::max(precision, 0);
  }
  if (I >= F.size()) return false;
  d.Type = F[I++];
  return true;
}
