#pragma once
// The English string table that the program carries and loads into rpResources() at start-up.
#include <QByteArray>
#include <span>

struct TrpStartupString {
  const char* name;
  const char* text;  // UTF-8, unescaped
};

// The start-up entries in the order they are written into the start-up XML text; the script
// compiler's messages among them take their English texts from the script engine's table.
std::span<const TrpStartupString> rpStartupStrings();

// The start-up table as one line of UTF-8 XML: the declaration, a `Resources` root with
// CodePage="1252" and one empty `StrRes` element (Name, escaped Text) per entry, no white space
// between elements. Built once.
const QByteArray& rpStartupXML();
