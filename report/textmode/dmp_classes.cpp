#include "report/textmode/dmp_classes.h"

#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/textmode/dmp_command.h"
#include "report/textmode/dmp_line_view.h"
#include "report/textmode/dmp_memo_view.h"
#include "report/textmode/dmp_page.h"

void rpRegisterDMPClasses() {
  for (const TrpClassInfo* cls : {&TrpDMPPage::StaticClassInfo(), &TrpDMPMemoView::StaticClassInfo(),
                                  &TrpDMPLineView::StaticClassInfo(), &TrpDMPCommand::StaticClassInfo()})
    rpRegisterClass(*cls);
}
