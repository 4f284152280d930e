#pragma once
// TrpDialogComponent: a non-visual report component that sits on the report's data page (data
// sets and the like). It adds nothing to the report component but its place there.
#include "report/objects/report_component.h"

class TrpDialogComponent : public TrpReportComponent {
 public:
  explicit TrpDialogComponent(TrpComponent* owner) : TrpReportComponent(owner) {}
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
};
