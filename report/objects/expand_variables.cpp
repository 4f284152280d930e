#include "report/objects/expand_variables.h"

qsizetype rpFindClosingBracket(const QString& text, qsizetype open) {
  int depth = 0;
  QChar quote;  // the quotation mark of the string being skipped, or none
  for (qsizetype i = open; i < text.size(); ++i) {
    const QChar c = text[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'\'' || c == u'"') {
      quote = c;
    } else if (c == u'[') {
      ++depth;
    } else if (c == u']' && --depth == 0) {
      return i;
    }
  }
  return -1;
}

// Texts are Unicode here, so the scan moves one character at a time: stepping over "lead bytes"
// of a double-byte code page would swallow a "[" that follows a CJK character.
QString rpExpandVariables(const QString& text, const TrpExpressionText& calc) {
  QString result = text;
  qsizetype i = 0;
  while ((i = result.indexOf(u'[', i)) >= 0) {
    const qsizetype close = rpFindClosingBracket(result, i);
    if (close < 0) break;
    const QString value = calc(result.mid(i + 1, close - i - 1));
    result.replace(i, close - i + 1, value);
    i += value.size();
  }
  return result;
}

QString rpQuoteForScript(const QString& value, const QString& language) {
  if (language.compare(QLatin1String("PascalScript"), Qt::CaseInsensitive) == 0) {
    QString inner = value;
    return u'\'' + inner.replace(u'\'', QLatin1String("''")) + u'\'';
  }
  QString inner = value;
  return u'"' + inner.replace(u'"', QLatin1String("\\\"")) + u'"';
}
