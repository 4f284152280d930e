#pragma once
// The band tree of one report page, as the band layout engine walks it: the master data bands
// with their headers, footers, groups and detail bands, and the objects lying directly on the
// page. Built once per run from the bands' vertical order; the links are also written into the
// bands' own working fields (FHeader, FFooter, FGroup, FSubBands, the page's SubBands) for the
// aggregates and scripts that read them.
#include <QList>
#include <QStringList>

#include <memory>
#include <vector>

#include "report/model/report_units.h"
#include "script/value.h"

class TrpBand;
class TrpComponent;
class TrpDataBand;
class TrpGroupHeader;
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

struct TrpPageBands {
  std::vector<std::unique_ptr<TrpDataNode>> Masters;
  // Objects lying on the page outside any band, in the page's child order.
  QList<TrpComponent*> Loose;
};

// Aligns the page, builds its shift trees and its band tree into `out`. Returns the names of
// the bands that could not be connected to a data band.
QStringList rpBuildBandTree(TrpReportPage& page, TrpPageBands& out);

// Fills every object's ShiftChildren with the objects of the same band that lie below it and
// overlap it horizontally: they move down when it grows.
void rpBuildShiftTree(TrpBand& band);
