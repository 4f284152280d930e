#include "report/memo/memo_classes.h"

#include "report/memo/memo_highlight.h"
#include "report/memo/memo_view.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"

void rpRegisterMemoClasses() {
  for (const TrpClassInfo* cls : {&TrpCustomMemoView::StaticClassInfo(), &TrpMemoView::StaticClassInfo(),
                                  &TrpSysMemoView::StaticClassInfo(), &TrpHighlight::StaticClassInfo()})
    rpRegisterClass(*cls);
}
