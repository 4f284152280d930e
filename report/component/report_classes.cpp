#include "report/component/report_classes.h"

#include "report/component/report.h"
#include "report/datasets/user_data_set.h"
#include "report/dialogs/dialog_controls.h"
#include "report/memo/memo_classes.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/pages/page_classes.h"
#include "report/textmode/dmp_classes.h"
#include "report/views/view_classes.h"

void rpRegisterReportClasses() {
  rpRegisterClass(TrpReport::StaticClassInfo());
  rpRegisterClass(TrpUserDataSet::StaticClassInfo());
  rpRegisterPageClasses();
  rpRegisterViewClasses();
  rpRegisterMemoClasses();
  rpRegisterDialogClasses();
  rpRegisterDMPClasses();
}
