#pragma once
// A value as a text object shows it through one display format. A null value shows nothing. A
// value the format does not fit (a text under a numeric format, a picture without a conversion,
// a Boolean format without its comma) shows its plain text instead: nothing is lost and no error
// stops the report.
#include <QString>

#include "report/memo/memo_format.h"
#include "script_engine/interpreter/value.h"

QString rpFormatValue(const ScriptValue& value, const TrpFormat& format);

// The value's own text; the empty text for a value that has none (null, arrays, objects).
QString rpPlainText(const ScriptValue& value);

// The separators numbers are formatted with before a format's own separators replace them.
QChar rpSystemDecimalSeparator();
QChar rpSystemThousandSeparator();
