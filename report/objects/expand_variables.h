#pragma once
// Expansion of bracketed expressions in a view's TagStr and hyperlink value: every "[expr]" is
// replaced by the text of its value. Brackets nest, and brackets inside single- or double-quoted
// strings do not count. An opening bracket without its closing one is left as it is, with the
// rest of the text.
#include <QString>

#include <functional>

// Evaluates one expression and gives the text of its value.
using TrpExpressionText = std::function<QString(const QString& expression)>;

QString rpExpandVariables(const QString& text, const TrpExpressionText& calc);

// The position of the "]" that closes the "[" at `open`, or -1 when it is not closed.
qsizetype rpFindClosingBracket(const QString& text, qsizetype open);

// A string value written as a literal of the script syntax `language`: "PascalScript" between
// single quotation marks with inner ones doubled, any other between double quotation marks with
// inner ones escaped by a backslash.
QString rpQuoteForScript(const QString& value, const QString& language);
