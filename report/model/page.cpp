#include "report/model/page.h"

#include "report/model/class_info.h"
#include "report/model/property_builders.h"

const TrpClassInfo& TrpPage::StaticClassInfo() {
  static const TrpClassInfo info("TrpPage", &TrpComponent::StaticClassInfo(), nullptr,
                                 {rpPublish("Font"), rpPublish("Visible")});
  return info;
}

const TrpClassInfo& TrpPage::ClassInfo() const { return StaticClassInfo(); }
