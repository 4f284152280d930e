#include "report/pages/data_page.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/res/resources.h"

namespace {
TrpComponent* createDataPage(TrpComponent* owner) { return new TrpDataPage(owner); }
}  // namespace

TrpDataPage::TrpDataPage(TrpComponent* owner) : TrpPage(owner) {
  SetWidth(1000);
  SetHeight(1000);
}

const TrpClassInfo& TrpDataPage::StaticClassInfo() {
  static const TrpClassInfo info("TrpDataPage", &TrpPage::StaticClassInfo(), &createDataPage,
                                 {rpPublish("Left"), rpPublish("Top"), rpPublish("Width"),
                                  rpPublish("Height")});
  return info;
}

const TrpClassInfo& TrpDataPage::ClassInfo() const { return StaticClassInfo(); }

QString TrpDataPage::GetDescription() const {
  return rpResources()->Get(QStringLiteral("obDataPage"));
}
