#pragma once

#include <QColor>

#include "report/units/report_units.h"

// A Qt colour as a report colour (0x00BBGGRR).
namespace stroval {

inline TColor ReportColor(const QColor& color) {
  return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

}  // namespace stroval
