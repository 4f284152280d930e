#pragma once
// The band tree of one report page, as the band layout engine walks it: the master data bands
// with their headers, footers, groups and detail bands, and the objects lying directly on the
// page. Built once per run from the bands' vertical order; the links are also written into the
// bands' own working fields (FHeader, FFooter, FGroup, FSubBands, the page's SubBands) for the
// aggregates and scripts that read them. Vertical bands get a tree of their own, built the same
// way from their left to right order (the page's VSubBands).
#include <QHash>
#include <QList>
#include <QStringList>

#include <memory>
#include <vector>

#include "report/units/report_units.h"
#include "script_engine/interpreter/value.h"

class TrpBand;
class TrpComponent;
class TrpDataBand;
class TrpGroupHeader;
class TrpReportComponent;
class TrpReportPage;

// One group level of a data band: its header, its footer (none when the group has none), and
// the working state of the data loop.
struct TrpGroupLevel {
  TrpGroupHeader* Header = nullptr;
  TrpBand* Footer = nullptr;
  ScriptValue Value;  // the condition's value of the open group
  int Rows = 0;       // data rows shown in the open group
  int Occurrence = 0; // how often the header was opened in the current loop
  bool Outlined = false;  // the header added an outline level that its closing leaves
  // A drill-down header whose open occurrence is folded: the bands below it are not shown.
  bool Collapsed = false;
  QString DesignedDrillName;  // the header's own DrillName, back when the group closes
};

struct TrpDataNode {
  TrpDataBand* Band = nullptr;
  TrpBand* Header = nullptr;
  TrpBand* Footer = nullptr;
  std::vector<TrpGroupLevel> Groups;  // outermost first
  std::vector<std::unique_ptr<TrpDataNode>> Details;
  // Where the current row of a band in columns began: its top and the store position.
  Extended RowTop = 0;
  int RowPosition = 0;
};

// An object of a horizontal band lying within a vertical band: the vertical band shows a copy of
// it in every vertical row, across the horizontal band it was taken from.
struct TrpVerticalObject {
  TrpReportComponent* Object = nullptr;
  TrpBand* Origin = nullptr;  // the horizontal band it lies on in the definition
  Extended Offset = 0;        // its left measured from the vertical band's left
  bool ParentFont = true;     // its ParentFont in the definition
};

struct TrpVerticalBands {
  std::vector<std::unique_ptr<TrpDataNode>> Masters;  // left to right
  // Each vertical band's objects, in the order of the horizontal bands and their children.
  QHash<TrpBand*, QList<TrpVerticalObject>> Objects;
  // The children of every horizontal band that gave objects away, in the definition's order,
  // so that they can be put back exactly.
  QHash<TrpBand*, QList<TrpComponent*>> OriginalChildren;
  bool Attached = false;  // the objects are children of their vertical bands now
};

struct TrpPageBands {
  std::vector<std::unique_ptr<TrpDataNode>> Masters;
  // Objects lying on the page outside any band, in the page's child order.
  QList<TrpComponent*> Loose;
  TrpVerticalBands Vertical;
};

// Aligns the page, builds its shift trees and its horizontal and vertical band trees into `out`,
// and finds the objects that lie within vertical bands (they stay where they are until
// rpAttachVerticalObjects). Returns the names of the bands that could not be connected to a data
// band.
QStringList rpBuildBandTree(TrpReportPage& page, TrpPageBands& out);

// Finds the objects of `horizontal` bands lying horizontally within one of the `vertical` bands
// (left to right; the first that holds an object takes it) and marks their bands FHasVBands.
void rpFindVerticalObjects(const QList<TrpBand*>& vertical, const QList<TrpBand*>& horizontal,
                           TrpVerticalBands& out);
// Makes the objects found within vertical bands children of those bands, so that the
// horizontal bands they came from no longer show them themselves. Their font stays as it was.
void rpAttachVerticalObjects(TrpVerticalBands& vertical);
// Puts them back on their horizontal bands in the definition's order, with their ParentFont.
void rpDetachVerticalObjects(TrpVerticalBands& vertical);

// Fills every object's ShiftChildren with the objects of the same band that lie below it and
// overlap it horizontally: they move down when it grows.
void rpBuildShiftTree(TrpBand& band);
