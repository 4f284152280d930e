#pragma once
// Test helpers: phase 1 of a source in a syntax, and a compact rendering of the intermediate form.
#include <QString>

#include "script_engine/front/il_parser.h"

struct Phase1Result {
  bool ok = false;
  QString il;        // compact form of the program element (without the types copy)
  QString message;
  QString position;
  QString unit;
};

// Renders an item as  name(child child ...)  where a leaf with a text reads  name:text  .
// Positions are left out; tests that care read them from the document.
QString RenderIL(const TscXMLItem& item);

// Runs phase 1 of the given lines (joined as the compiler joins them) in a syntax.
Phase1Result RunPhase1(const QString& syntax, const QStringList& lines,
                       TscCompileOptions options = {});
