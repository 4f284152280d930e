#include "report/services/install_report_services.h"

#include "report/binding/report_script.h"
#include "report/engine/install_engine.h"
#include "report/model/report_classes.h"
#include "report/print/print_job_install.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"
#include "script/compiler.h"

void rpInstallReportServices() {
  rpRegisterReportClasses();
  scInstallCompiler();
  rpInstallXMLSerializer();
  rpInstallPreviewPages();
  rpInstallEngine();
  rpInstallReportScript();
  rpInstallPrintJob();
}
