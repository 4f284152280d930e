#include "report/model/view_classes.h"

#include "report/model/class_info.h"
#include "report/model/class_registry.h"
#include "report/model/frame.h"
#include "report/model/line_view.h"
#include "report/model/picture_view.h"
#include "report/model/shape_view.h"

void rpRegisterViewClasses() {
  for (const TrpClassInfo* cls :
       {&TrpShapeView::StaticClassInfo(), &TrpCustomLineView::StaticClassInfo(),
        &TrpLineView::StaticClassInfo(), &TrpPictureView::StaticClassInfo(),
        &TrpFrame::StaticClassInfo()})
    rpRegisterClass(*cls);
}
