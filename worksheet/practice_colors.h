#pragma once

#include <QColor>

// The two light inks of a practice sheet, the same on screen and on paper: guide lines in a pale
// red that any printer renders as a faint line, and traced characters in a light grey, clearly
// lighter than the sample font's grey so that the model character stands out.
namespace stroval {

inline constexpr QRgb kGuideInk = 0xF09696;
inline constexpr QRgb kTraceInk = 0xC8C8C8;

}  // namespace stroval
