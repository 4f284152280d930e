#pragma once
// Bridges between script values and QVariant, for the places where Qt hands values over (data
// sets, settings, widgets). Dates and times become day numbers and back.
#include <QVariant>

#include "script_engine/interpreter/value.h"

// An invalid QVariant is Empty, a null pointer value Null; Booleans, integers (unsigned ones that
// do not fit 64 bits become doubles), floating point, characters, strings and byte arrays (read as
// UTF-8), dates, times and date-times, and lists (as one-dimensional arrays from 0) convert to
// their kinds. Any other type raises ScriptError.
ScriptValue ScriptValueFromQVariant(const QVariant& v);

// Empty is an invalid QVariant, Null a std::nullptr_t value, a date a QDateTime, an array of one
// dimension a QVariantList. Objects and arrays of more dimensions raise ScriptError.
QVariant ScriptValueToQVariant(const ScriptValue& v);
