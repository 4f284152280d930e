#pragma once
// The worksheet report as the application's print command builds it: the template's page with
// its page-header band (title and the captions for class, name and date), 32 cells on the page
// of which the first two columns hold a character, and a copy of everything 532 units lower.
class TrpReport;

// Geometry of the built sheet in report units, relative to the printable area's corner.
struct WorksheetGeometry {
  static constexpr double Margin = 5.000624999999999;  // mm, every side
  static constexpr double CopyShift = 532;
  static double CellLeft(int column) { return (column - 1) * 93; }
  static double CellTop(int row) { return row * 90 + 10; }
};

// Builds the definition into `report` (which must be empty). Columns 1 and 2 hold "永".
void BuildWorksheetReport(TrpReport& report);
