#include "report/textmode/dmp_page.h"

#include "report/objects/class_info.h"
#include "report/objects/report_font.h"
#include "report/objects/text_mode.h"

TrpDMPPage::TrpDMPPage(TrpComponent* owner) : TrpReportPage(owner) {
  Font()->SetName(QString::fromLatin1(rpDMPFontName));
}

const TrpClassInfo& TrpDMPPage::StaticClassInfo() {
  static const TrpClassInfo info("TrpDMPPage", &TrpReportPage::StaticClassInfo(), &Create, {});
  return info;
}

const TrpClassInfo& TrpDMPPage::ClassInfo() const { return StaticClassInfo(); }
