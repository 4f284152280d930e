#include "report/model/page_classes.h"

#include "report/model/band_kinds.h"
#include "report/model/band_table.h"
#include "report/model/class_info.h"
#include "report/model/class_registry.h"
#include "report/model/data_page.h"
#include "report/model/dialog_page.h"
#include "report/model/report_page.h"
#include "report/model/subreport.h"

void rpRegisterPageClasses() {
  for (const TrpClassInfo* band : rpBands()) rpRegisterClass(*band);
  for (const TrpClassInfo* cls :
       {&TrpNullBand::StaticClassInfo(), &TrpReportPage::StaticClassInfo(),
        &TrpDataPage::StaticClassInfo(), &TrpDialogPage::StaticClassInfo(),
        &TrpSubreport::StaticClassInfo()})
    rpRegisterClass(*cls);
}
