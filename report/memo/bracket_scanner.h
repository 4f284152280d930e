#pragma once
// The scanner that finds expressions embedded in a text object's text. An expression sits between
// an opening and a closing delimiter ("[" and "]" unless the object says otherwise; each may be
// several characters). Delimiters nest, so "[a[b]c]" holds the one expression "a[b]c", and
// delimiters inside single- or double-quoted strings do not count. An opening delimiter without
// its closing one takes the rest of the text as its expression.
#include <QString>

#include <functional>
#include <vector>

struct TrpExpressionDelimiters {
  QString Open = QStringLiteral("[");
  QString Close = QStringLiteral("]");

  // "[,]" style text: split at the first comma. A text without a comma is all opening delimiter,
  // with an empty closing one (the expression then runs to the end of the text).
  static TrpExpressionDelimiters FromText(const QString& text);
};

// One bracketed expression found in a text (0-based, ends exclusive).
struct TrpBracketSpan {
  qsizetype Start = 0;      // the opening delimiter
  qsizetype ExprStart = 0;  // just after the opening delimiter
  qsizetype ExprEnd = 0;    // the closing delimiter, or the end of the text when unclosed
  qsizetype End = 0;        // just after the closing delimiter

  QString Expression(const QString& text) const { return text.mid(ExprStart, ExprEnd - ExprStart); }
};

// The bracketed expression whose opening delimiter is at `start`.
TrpBracketSpan rpFindBracketSpan(const QString& text, qsizetype start,
                                 const TrpExpressionDelimiters& delimiters);

// Every bracketed expression of the text, left to right; the scan goes on after each closing
// delimiter. None when the opening delimiter is empty.
std::vector<TrpBracketSpan> rpFindBracketSpans(const QString& text, const TrpExpressionDelimiters& delimiters);

// Replaces every bracketed expression by `evaluate`'s text for it, left to right; the scan goes
// on after the inserted text, so a value is never scanned again. `evaluate` gets the expression
// and its 0-based number in the text.
using TrpBracketEvaluator = std::function<QString(const QString& expression, int index)>;
QString rpExpandBrackets(const QString& text, const TrpExpressionDelimiters& delimiters,
                         const TrpBracketEvaluator& evaluate);
