#pragma once
// Filling the placeholders of a UI text. Texts come from the string table, which a translation
// may replace, so they are never handed to a C format function: this helper reads only the
// placeholders it knows and cannot be led past its arguments.
#include <QString>
#include <QVariantList>

// Replaces "%d" and "%s" left to right with `args`, and "%%" with "%".
// - "%d" writes an integer (a floating value without a fraction counts as one); any other value
//   is written as its text.
// - "%s" writes the value's text.
// - A placeholder without an argument stays as it is; arguments left over are ignored.
// - Any other "%" sequence is copied unchanged.
// Example: rpFormat("Page %d of %d", {3, 10}) == "Page 3 of 10".
QString rpFormat(const QString& pattern, const QVariantList& args);
