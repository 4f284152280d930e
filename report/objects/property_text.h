#pragma once
// Property values as the text of report files: what the serializer writes into an attribute
// (before XML escaping) and reads back from one (after unescaping).
#include <QString>
#include <QVariant>

#include <optional>

#include "report/objects/property_descriptor.h"

// Integers, colours and sets in decimal (a set as its bit mask), enumerations by identifier
// ("haCenter"; a value without one in decimal), Booleans as "True" or "False", floats through
// rpFloatToStr, texts as they are, text lists joined with CR LF. Objects, references and pictures
// have no text here (empty): the serializer writes them its own way.
QString rpPropertyText(const TrpPropertyDescriptor& property, const QVariant& value);

// The value `text` stands for: integers, colours and sets from decimal; enumerations from a
// number or, if not numeric, from the identifier (any case); Booleans from "True"/"False" or a
// number; floats with "." or ","; text lists split at line breaks. Nothing when the text cannot be
// read as the property's kind, when a number names no value of the enumeration, or when a set's
// mask holds a bit that is none of the set's elements.
std::optional<QVariant> rpPropertyFromText(const TrpPropertyDescriptor& property,
                                           const QString& text);
