#include "report/pages/page.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

const TrpClassInfo& TrpPage::StaticClassInfo() {
  static const TrpClassInfo info("TrpPage", &TrpComponent::StaticClassInfo(), nullptr,
                                 {rpPublish("Font"), rpPublish("Visible")});
  return info;
}

const TrpClassInfo& TrpPage::ClassInfo() const { return StaticClassInfo(); }
