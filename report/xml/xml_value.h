#pragma once
// Attribute text for a script value, as prepared pages and variables files store values.
#include <QString>

class ScriptValue;

// Integers as decimal numbers, floats in the general float text with the locale's decimal
// separator, dates as the locale's short date, texts escaped, Booleans as "1" or "0"; empty and
// null values as empty text.
QString rpValueToXML(const ScriptValue& value);
