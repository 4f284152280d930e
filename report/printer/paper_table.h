#pragma once
// The standard paper table: the platform's paper numbers with their portrait sizes. Report pages
// take their paper dimensions from it, and the virtual printer lists its rows as its papers.
#include "report/units/report_units.h"

#include <QString>

#include <span>

// Paper number 256 is a custom size given by width and height.
constexpr int rpCustomPaper = 256;
// Paper number 9 is A4, the default paper of a new page and of the virtual printer.
constexpr int rpA4Paper = 9;

struct TrpPaperInfo {
  int Number;        // platform paper number
  int Width;         // tenths of a millimetre, portrait
  int Height;        // tenths of a millimetre, portrait
  const char* Name;  // display name of the paper (the table itself carries numbers and sizes)
};

// The 66 rows of the table, in paper-number order (1 to 47, 50 to 68).
std::span<const TrpPaperInfo> PaperInfo();

// The row of `paperSize`, or nullptr when the table has none.
const TrpPaperInfo* rpFindPaper(int paperSize);

// Looks `paperSize` up in the table. When found, `width` and `height` become its portrait sizes
// in millimetres and the result is true; otherwise both stay unchanged and the result is false.
bool rpGetPaperDimensions(int paperSize, Extended& width, Extended& height);
