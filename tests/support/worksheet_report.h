#pragma once
// The worksheet report as the application's print command builds it, for the tests of every
// layer that prepares, shows or prints it: the template's endless page with 5 mm margins, its
// page-header band (title and the captions for class, name and date), 32 cells on the page of
// which the first two columns hold "永", and a copy of every text object 532 units lower.
#include "report/units/report_units.h"

class TrpReport;

namespace worksheet {

constexpr Extended kMargin = 5.000624999999999;  // mm, every side
constexpr Extended kCopyShift = 532;

// Where cell (column, row), both from 1, lies in report units from the printable area's corner.
constexpr Extended CellLeft(int column) { return (column - 1) * 93; }
constexpr Extended CellTop(int row) { return row * 90 + 10; }

enum class Fonts {
  Template,  // every text in the report's default font
  Sheet,     // the title at 20 points and the cells in 標楷體 at 48, as the window prints them
};

// Builds the definition into `report`, which must be empty.
void Build(TrpReport& report, Fonts fonts = Fonts::Template);

}  // namespace worksheet
