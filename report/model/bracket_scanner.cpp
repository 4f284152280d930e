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
  // Built from the pieces between the brackets and the values: a value is never scanned again,
  // so the scan goes on in `text` after each bracket.
  QString result;
  int index = 0;
  qsizetype done = 0, i = 0;
  while ((i = text.indexOf(delimiters.Open, i)) >= 0) {
    const TrpBracketSpan span = rpFindBracketSpan(text, i, delimiters);
    result += QStringView(text).sliced(done, span.Start - done);
    result += evaluate(span.Expression(text), index++);
    done = i = span.End;
  }
  if (done == 0) return text;
  result += QStringView(text).sliced(done);
  return result;
}
