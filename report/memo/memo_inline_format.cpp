#include "report/memo/memo_inline_format.h"

namespace {

constexpr qsizetype kMaxFormatLength = 255;

std::optional<TrpFormatKind> kindOf(QChar letter) {
  switch (letter.toLower().unicode()) {
    case u'n': return fkNumeric;
    case u'd':
    case u't': return fkDateTime;
    case u'b': return fkBoolean;
    default: return fkText;
  }
}

}  // namespace

TrpInlineFormat rpSplitInlineFormat(const QString& expression) {
  TrpInlineFormat result{expression, std::nullopt, {}, {}};
  const qsizetype at = expression.indexOf(QLatin1String(" #"));
  if (at < 0) return result;
  const QString tail = expression.mid(at + 2);
  if (tail.contains(u')')) return result;
  result.Expression = expression.left(at);
  result.Kind = tail.isEmpty() ? fkText : *kindOf(tail[0]);
  QString format = tail.mid(1, kMaxFormatLength);
  if (result.Kind == fkNumeric) {
    for (QChar& c : format) {
      if (c == u',' || c == u'-' || c == u'.') {
        result.DecimalSeparator = QString(c);
        c = u'.';
      }
    }
  }
  result.FormatStr = format;
  return result;
}
