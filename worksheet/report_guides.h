#pragma once

#include "report/units/report_units.h"
#include "worksheet/guide_style.h"

class TrpComponent;

// The guide lines of one practice cell as report objects on the page: the cell's solid outline
// (a rectangle shape) and its dashed guides (line objects), all in the guide ink, one unit wide.
namespace stroval {

// Tag of every guide object; the next print command frees them with the cell text objects.
inline constexpr int kGuideObjectTag = 13778;

// Adds the guides of `style` for the square cell at `left`, `top` of side `side` (report units,
// from the page's printable corner) to `page`. Nothing for GuideStyle::None.
void AddCellGuides(TrpComponent& page, Extended left, Extended top, Extended side, GuideStyle style);

}  // namespace stroval
