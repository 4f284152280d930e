#include "report/print/sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace {

int clampCount(Extended n) {
  if (!(n >= 1)) return 1;  // also NaN
  return static_cast<int>(std::min<Extended>(n, rpMaxSheetsPerAxis));
}

}  // namespace

int rpSheetCount(Extended p, Extended s) {
  if (!(p > 0) || !(s > 0)) return 1;
  const Extended quotient = p / s;
  if (quotient >= rpMaxSheetsPerAxis) return rpMaxSheetsPerAxis;
  const Extended n = std::trunc(quotient);
  if (std::fabs(n * s - p) >= 11) return clampCount(n + 1);
  return clampCount(rpRound(quotient));
}

TrpSheetLayout rpSheetLayout(Extended W, Extended H, Extended w, Extended h) {
  const TrpSheetLayout straight{rpSheetCount(W, w), rpSheetCount(H, h), false};
  const TrpSheetLayout turned{rpSheetCount(W, h), rpSheetCount(H, w), true};
  return turned.X * turned.Y < straight.X * straight.Y ? turned : straight;
}

int rpCellsThatFit(Extended length, Extended cell) {
  if (!(length > 0) || !(cell > 0)) return 1;
  return clampCount(std::floor((length + 0.5L) / cell));
}
