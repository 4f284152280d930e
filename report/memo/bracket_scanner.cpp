#include "report/memo/bracket_scanner.h"

TrpExpressionDelimiters TrpExpressionDelimiters::FromText(const QString& text) {
  // Nearly every text object keeps the usual brackets: shared copies, no splitting.
  static const TrpExpressionDelimiters brackets;
  if (text == QLatin1String("[,]")) return brackets;
  const qsizetype comma = text.indexOf(u',');
  if (comma < 0) return {text, QString()};
  return {text.left(comma), text.mid(comma + 1)};
}

namespace {

// Whether the delimiter `what` (not empty) starts at `position`: the first character decides for
// nearly every position.
bool startsAt(const QString& text, qsizetype position, const QString& what) {
  return !what.isEmpty() && text[position] == what[0] && QStringView(text).sliced(position).startsWith(what);
}

}  // namespace

// Depth counts only outside quotes; a quote of one kind toggles only outside the other kind, so
// "'" inside a double-quoted string (and the reverse) is an ordinary character.
TrpBracketSpan rpFindBracketSpan(const QString& text, qsizetype start,
                                 const TrpExpressionDelimiters& delimiters) {
  const QString& open = delimiters.Open;
  const QString& close = delimiters.Close;
  int depth = 0;
  bool outsideSingle = true, outsideDouble = true;
  qsizetype j = start;
  for (; j < text.size(); ++j) {
    const QChar c = text[j];
    if (outsideSingle && outsideDouble) {
      if (startsAt(text, j, open))
        ++depth;
      else if (startsAt(text, j, close))
        --depth;
    }
    if (c == u'"' && outsideSingle) outsideDouble = !outsideDouble;
    if (c == u'\'' && outsideDouble) outsideSingle = !outsideSingle;
    if (depth == 0) break;
  }
  TrpBracketSpan span;
  span.Start = start;
  span.ExprStart = std::min(start + open.size(), text.size());
  if (j >= text.size()) {  // unclosed: the rest of the text
    span.ExprEnd = span.End = text.size();
  } else {
    span.ExprEnd = std::max(j, span.ExprStart);
    span.End = std::min(j + close.size(), text.size());
  }
  return span;
}

std::vector<TrpBracketSpan> rpFindBracketSpans(const QString& text, const TrpExpressionDelimiters& delimiters) {
  std::vector<TrpBracketSpan> spans;
  if (delimiters.Open.isEmpty()) return spans;
  for (qsizetype i = 0; (i = text.indexOf(delimiters.Open, i)) >= 0; i = spans.back().End)
    spans.push_back(rpFindBracketSpan(text, i, delimiters));
  return spans;
}

QString rpExpandBrackets(const QString& text, const TrpExpressionDelimiters& delimiters,
                         const TrpBracketEvaluator& evaluate) {
  const std::vector<TrpBracketSpan> spans = rpFindBracketSpans(text, delimiters);
  if (spans.empty()) return text;
  // Built from the pieces between the brackets and the values: a value is never scanned again.
  QString result;
  qsizetype done = 0;
  for (size_t index = 0; index < spans.size(); ++index) {
    const TrpBracketSpan& span = spans[index];
    result += QStringView(text).sliced(done, span.Start - done);
    result += evaluate(span.Expression(text), static_cast<int>(index));
    done = span.End;
  }
  result += QStringView(text).sliced(done);
  return result;
}
