#pragma once
// A text object's text split once into the pieces it shows as written and the bracketed
// expressions between them, each with its inline format taken apart. The engine evaluates a text
// object's text for every row it shows, and the designed lines come back after each output: the
// object keeps the split made from its lines and delimiters and makes it again only when either
// changes, so each row only evaluates.
#include <QString>
#include <QStringList>

#include <vector>

#include "report/memo/memo_inline_format.h"

class TrpMemoTextTemplate {
 public:
  // Expressions left in the text as they are: known only when the page is drawn.
  enum class Macro { None, TotalPages, CopyName };
  struct Expression {
    TrpInlineFormat Split;
    Macro Later = Macro::None;
  };

  // Splits the text of `lines` (as the object's Text gives it) at the brackets of `delimiters`
  // ("[,]" style: opening and closing delimiter at the first comma).
  TrpMemoTextTemplate(const QStringList& lines, const QString& delimiters);

  // Whether it was made from these very lines (a shared copy of them) and delimiters.
  bool MadeFrom(const QStringList& lines, const QString& delimiters) const {
    return lines.constData() == FLines.constData() && lines.size() == FLines.size() && delimiters == FDelimiters;
  }
  bool HasExpressions() const { return !FExpressions.empty(); }
  // The expression when the text is that one expression and its line end (as most are), else null.
  const Expression* SoleExpression() const {
    return FExpressions.size() == 1 && FPieces[0].isEmpty() && FPieces[1] == QLatin1String("\r\n")
               ? &FExpressions.front()
               : nullptr;
  }

  // The text with the expressions, left to right, replaced by `value(expression, number)`.
  // Written into one allocation made for the pieces and some room for the values.
  template <class Evaluate>
  QString Expand(Evaluate&& value) const {
    QString result;
    result.reserve(FPiecesSize + 16 * static_cast<qsizetype>(FExpressions.size()));
    result += FPieces.front();
    for (size_t i = 0; i < FExpressions.size(); ++i) {
      result += value(FExpressions[i], static_cast<int>(i));
      result += FPieces[i + 1];
    }
    return result;
  }

 private:
  QStringList FLines;
  QString FDelimiters;
  QStringList FPieces;  // around the expressions: one more than there are expressions
  qsizetype FPiecesSize = 0;
  std::vector<Expression> FExpressions;
};
