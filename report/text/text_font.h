#pragma once
// What the text layout machine needs to know of a font. Report objects hand their font over in this
// form, so the machine sits below the report object model.
#include "report/text/html_tags.h"
#include "report/units/report_units.h"

#include <QString>

struct TrpTextFont {
  QString Name = QStringLiteral("Arial");
  int Size = 10;     // points
  int Style = 0;     // TrpTagStyle bits
  int Charset = 1;   // the default character set
  TColor Color = 0;

  bool operator==(const TrpTextFont&) const = default;
};

// Horizontal and vertical alignment of a text block.
enum TrpHAlign { haLeft, haRight, haCenter, haBlock };
enum TrpVAlign { vaTop, vaBottom, vaCenter };
