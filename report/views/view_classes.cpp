#include "report/views/view_classes.h"

#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/views/frame.h"
#include "report/views/line_view.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"

void rpRegisterViewClasses() {
  for (const TrpClassInfo* cls :
       {&TrpShapeView::StaticClassInfo(), &TrpCustomLineView::StaticClassInfo(),
        &TrpLineView::StaticClassInfo(), &TrpPictureView::StaticClassInfo(),
        &TrpFrame::StaticClassInfo()})
    rpRegisterClass(*cls);
}
