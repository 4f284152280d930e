#include "report/views/line_arrow.h"

#include <cmath>
#include <cstdlib>

#include "report/units/report_units.h"

namespace {
int px(double v) { return static_cast<int>(rpRound(v)); }
}  // namespace

TrpArrowHead rpArrowHead(QPoint tip, QPoint other, double length, double halfWidth) {
  if (std::abs(other.x() - tip.x()) <= 8) {
    // Nearly vertical: the base lies above the tip, or below when the line runs downwards.
    const double by = other.y() < tip.y() ? tip.y() - length : tip.y() + length;
    return {tip, QPoint(px(tip.x() - halfWidth), px(by)), QPoint(px(tip.x() + halfWidth), px(by))};
  }
  if (other.y() == tip.y()) {
    const double bx = other.x() < tip.x() ? tip.x() - length : tip.x() + length;
    return {tip, QPoint(px(bx), px(tip.y() - halfWidth)), QPoint(px(bx), px(tip.y() + halfWidth))};
  }
  // The point at distance `length` from the tip towards the other end, and the corners
  // perpendicular to the line there.
  const double a = std::atan2(other.y() - tip.y(), other.x() - tip.x());
  const double bx = tip.x() + length * std::cos(a), by = tip.y() + length * std::sin(a);
  const double dx = std::sin(a) * halfWidth, dy = -std::cos(a) * halfWidth;
  return {tip, QPoint(px(bx + dx), px(by + dy)), QPoint(px(bx - dx), px(by - dy))};
}
