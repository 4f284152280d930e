#pragma once
// Escaping of attribute values in the report subsystem's XML text form.
#include <QString>

// Escapes NUL, LF, CR, '"', '&', '<' and '>' as decimal character references ("&#10;").
// The six characters "&quot;" are taken as one double quote. A NUL becomes "&#0;" in texts of at
// most 31 characters and a blank in longer ones.
QString rpStrToXML(const QString& text);

// Decodes "&#N;", "&quot;", "&amp;", "&lt;" and "&gt;". A character reference that cannot be read
// (no digits, no ';', or a code beyond U+10FFFF) stays as literal text; codes above U+FFFF become
// a surrogate pair.
QString rpXMLToStr(const QString& text);
