#pragma once
// The named colours of the report subsystem ("clRed", "clBtnFace") and their values. System colours
// are codes (0xFF000000 plus the system colour index) that are resolved only when drawing.
#include "report/units/report_units.h"

#include <QColor>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// The value of a colour name such as "clRed" (any case); nothing for an unknown name.
std::optional<TColor> rpColorFromName(QStringView name);

// Every named colour, in the order of the table (for the script's colour constants).
QList<QPair<QString, TColor>> rpNamedColors();

// The name of a colour value, or an empty string when it has none.
QString rpColorName(TColor color);

// True for a system-colour code.
constexpr bool rpIsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u; }

// The colour to draw with: 0x00BBGGRR values directly, system colours through the application
// palette.
QColor rpToQColor(TColor color);
