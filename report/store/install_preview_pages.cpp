#include "report/store/install_preview_pages.h"

#include "report/objects/report_services.h"
#include "report/store/preview_pages.h"

void rpInstallPreviewPages() {
  rpReportServices().CreatePreviewPages = [](TrpReport& report) -> std::unique_ptr<TrpCustomPreviewPages> {
    return std::make_unique<TrpPreviewPages>(report);
  };
}
