#include "report/services/install_report_services.h"

#include "report/binding/report_script.h"
#include "report/component/report_classes.h"
#include "report/data/install_data.h"
#include "report/engine/install_engine.h"
#include "report/export/install_export.h"
#include "report/print/print_job_install.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"
#include "report/text/font_substitutions.h"
#include "script_engine/compiler/compiler.h"

void rpInstallReportServices() {
  // The font names stored reports use, mapped to installed faces: every program prints alike.
  stroval::RegisterFontSubstitutions();
  rpRegisterReportClasses();
  rpRegisterDataClasses();
  scInstallCompiler();
  rpInstallXMLSerializer();
  rpInstallPreviewPages();
  rpInstallEngine();
  rpInstallReportScript();
  rpInstallPrintJob();
  rpInstallExportFilters();
}
