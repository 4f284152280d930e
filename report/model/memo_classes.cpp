#include "report/model/memo_classes.h"

#include "report/model/class_info.h"
#include "report/model/class_registry.h"
#include "report/model/memo_highlight.h"
#include "report/model/memo_view.h"

void rpRegisterMemoClasses() {
  for (const TrpClassInfo* cls : {&TrpCustomMemoView::StaticClassInfo(), &TrpMemoView::StaticClassInfo(),
                                  &TrpSysMemoView::StaticClassInfo(), &TrpHighlight::StaticClassInfo()})
    rpRegisterClass(*cls);
}
