#include "report/objects/dialog_component.h"

#include "report/objects/class_info.h"

const TrpClassInfo& TrpDialogComponent::StaticClassInfo() {
  static const TrpClassInfo info("TrpDialogComponent", &TrpReportComponent::StaticClassInfo(), nullptr, {});
  return info;
}

const TrpClassInfo& TrpDialogComponent::ClassInfo() const { return StaticClassInfo(); }
