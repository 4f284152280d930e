#include "report/model/bracket_scanner.h"

TrpExpressionDelimiters TrpExpressionDelimiters::FromText(const QString& text) {
  const qsizetype comma = text.indexOf(u',');
  if (comma < 0) return {text, QString()};
  return {text.left(comma), text.mid(comma + 1)};
}

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
    if (outsideSingle && outsideDouble) {
      if (!open.isEmpty() && QStringView(text).sliced(j).startsWith(open))
        ++depth;
      else if (!close.isEmpty() && QStringView(text).sliced(j).startsWith(close))
        --depth;
    }
    const QChar c = text[j];
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

QString rpExpandBrackets(const QString& text, const TrpExpressionDelimiters& delimiters,
                         const TrpBracketEvaluator& evaluate) {
  if (delimiters.Open.isEmpty()) return text;
  QString result = text;
  int index = 0;
  qsizetype i = 0;
  while ((i = result.indexOf(delimiters.Open, i)) >= 0) {
    const TrpBracketSpan span = rpFindBracketSpan(result, i, delimiters);
    const QString value = evaluate(span.Expression(result), index++);
    result.replace(span.Start, span.End - span.Start, value);
    i = span.Start + value.size();
  }
  return result;
}
