#include "report/pages/page_classes.h"

#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/pages/band_kinds.h"
#include "report/pages/band_table.h"
#include "report/pages/data_page.h"
#include "report/pages/report_page.h"
#include "report/pages/subreport.h"

void rpRegisterPageClasses() {
  for (const TrpClassInfo* band : rpBands()) rpRegisterClass(*band);
  for (const TrpClassInfo* cls :
       {&TrpNullBand::StaticClassInfo(), &TrpReportPage::StaticClassInfo(),
        &TrpDataPage::StaticClassInfo(), &TrpSubreport::StaticClassInfo()})
    rpRegisterClass(*cls);
}
