#pragma once
// TrpGroupHeader: the band that opens a group of records sharing the value of its Condition;
// it can fold the group away in the preview (drill-down).
#include "report/pages/band_kinds.h"

class TrpGroupHeader : public TrpBand {
  RP_BAND_KIND(TrpGroupHeader, TrpBand)
  // The expression whose value starts a new group when it changes.
  const QString& Condition() const { return FCondition; }
  void SetCondition(const QString& value) { FCondition = value; }
  bool DrillDown() const { return FDrillDown; }
  void SetDrillDown(bool value) { FDrillDown = value; }
  bool ExpandDrillDown() const { return FExpandDrillDown; }
  void SetExpandDrillDown(bool value) { FExpandDrillDown = value; }
  bool KeepTogether() const { return FKeepTogether; }
  void SetKeepTogether(bool value) { FKeepTogether = value; }
  bool ReprintOnNewPage() const { return FReprintOnNewPage; }
  void SetReprintOnNewPage(bool value) { FReprintOnNewPage = value; }
  bool ResetPageNumbers() const { return FResetPageNumbers; }
  void SetResetPageNumbers(bool value) { FResetPageNumbers = value; }
  bool ShowFooterIfDrillDown() const { return FShowFooterIfDrillDown; }
  void SetShowFooterIfDrillDown(bool value) { FShowFooterIfDrillDown = value; }
  bool ShowChildIfDrillDown() const { return FShowChildIfDrillDown; }
  void SetShowChildIfDrillDown(bool value) { FShowChildIfDrillDown = value; }
  // The name under which the preview remembers whether the group is folded.
  const QString& DrillName() const { return FDrillName; }
  void SetDrillName(const QString& value) { FDrillName = value; }

  // The base record, followed by DrillName when the group can be folded.
  void AppendDiff(const TrpComponent& other, QString& out) const override;

 private:
  QString FCondition;
  bool FDrillDown = false;
  bool FExpandDrillDown = false;
  bool FKeepTogether = false;
  bool FReprintOnNewPage = false;
  bool FResetPageNumbers = false;
  bool FShowFooterIfDrillDown = false;
  bool FShowChildIfDrillDown = false;
  QString FDrillName;
};
