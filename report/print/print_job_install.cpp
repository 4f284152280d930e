#include "report/print/print_job_install.h"

#include "report/objects/report_services.h"
#include "report/print/print_job.h"

void rpInstallPrintJob() {
  rpReportServices().PrintPreparedPages = [](TrpCustomPreviewPages& pages) {
    TrpPrintJob job(pages);
    return job.Print();
  };
}
