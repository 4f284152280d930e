#include "report/model/report_classes.h"

#include "report/model/class_info.h"
#include "report/model/class_registry.h"
#include "report/model/dialog_controls.h"
#include "report/model/dmp_classes.h"
#include "report/model/memo_classes.h"
#include "report/model/page_classes.h"
#include "report/model/report.h"
#include "report/model/user_data_set.h"
#include "report/model/view_classes.h"

void rpRegisterReportClasses() {
  rpRegisterClass(TrpReport::StaticClassInfo());
  rpRegisterClass(TrpUserDataSet::StaticClassInfo());
  rpRegisterPageClasses();
  rpRegisterViewClasses();
  rpRegisterMemoClasses();
  rpRegisterDialogControlClasses();
  rpRegisterDMPClasses();
}
