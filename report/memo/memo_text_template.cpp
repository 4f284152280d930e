#include "report/memo/memo_text_template.h"

#include "report/memo/bracket_scanner.h"
#include "script_engine/front/lexer.h"

namespace {

bool isMacro(const QString& expression, QLatin1StringView name) {
  return expression.trimmed().compare(name, Qt::CaseInsensitive) == 0;
}

TrpMemoTextTemplate::Macro macroOf(const QString& expression) {
  if (isMacro(expression, QLatin1StringView("TOTALPAGES#"))) return TrpMemoTextTemplate::Macro::TotalPages;
  if (isMacro(expression, QLatin1StringView("COPYNAME#"))) return TrpMemoTextTemplate::Macro::CopyName;
  return TrpMemoTextTemplate::Macro::None;
}

}  // namespace

TrpMemoTextTemplate::TrpMemoTextTemplate(const QStringList& lines, const QString& delimiters)
    : FLines(lines), FDelimiters(delimiters) {
  const TrpExpressionDelimiters brackets = TrpExpressionDelimiters::FromText(delimiters);
  const QString text = scJoinLines(lines);  // as the object's Text gives it
  qsizetype done = 0;
  for (const TrpBracketSpan& span : rpFindBracketSpans(text, brackets)) {
    FPieces << text.mid(done, span.Start - done);
    Expression expression;
    expression.Split = rpSplitInlineFormat(span.Expression(text));
    expression.Later = macroOf(expression.Split.Expression);
    FExpressions.push_back(std::move(expression));
    done = span.End;
  }
  FPieces << text.mid(done);
  for (const QString& piece : FPieces) FPiecesSize += piece.size();
}
