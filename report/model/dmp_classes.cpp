#include "report/model/dmp_classes.h"

#include "report/model/class_info.h"
#include "report/model/class_registry.h"
#include "report/model/dmp_command.h"
#include "report/model/dmp_line_view.h"
#include "report/model/dmp_memo_view.h"
#include "report/model/dmp_page.h"

void rpRegisterDMPClasses() {
  for (const TrpClassInfo* cls : {&TrpDMPPage::StaticClassInfo(), &TrpDMPMemoView::StaticClassInfo(),
                                  &TrpDMPLineView::StaticClassInfo(), &TrpDMPCommand::StaticClassInfo()})
    rpRegisterClass(*cls);
}
