#pragma once
// How many sheets a big page needs across and down (split printing), or how many small pages fit
// on a sheet (joined printing).
#include "report/units/report_units.h"

// How many units of length `s` cover the length `p` (both mm): the whole units, plus one more
// when what is left over is at least 11 mm, otherwise the rounded quotient. Never less than 1,
// and 1 when either length is not positive.
int rpSheetCount(Extended p, Extended s);

// A layout of `X` across and `Y` down; `Rotated` when the unit is turned by 90 degrees.
struct TrpSheetLayout {
  int X = 1;
  int Y = 1;
  bool Rotated = false;
};

// The counts of a unit `w` x `h` against an area `W` x `H`. The unit is turned only when that
// needs fewer units.
TrpSheetLayout rpSheetLayout(Extended W, Extended H, Extended w, Extended h);

// How many whole cells of length `cell` fit in `length` (at least 1); half a millimetre of
// rounding in the printer's reported sheet size is forgiven.
int rpCellsThatFit(Extended length, Extended cell);

// Counts above this are cut back: a sheet or page of absurd proportions never makes the job
// print thousands of sheets for one page.
constexpr int rpMaxSheetsPerAxis = 64;
