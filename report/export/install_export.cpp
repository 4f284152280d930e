#include "report/export/install_export.h"

#include "report/export/image_export.h"
#include "report/export/pdf_export.h"
#include "report/export/text_export.h"
#include "report/objects/report_services.h"

namespace {

template <class Filter>
void registerFilter() {
  rpRegisterExportFilter(Filter().ClassName(), [] { return std::make_unique<Filter>(); });
}

}  // namespace

void rpInstallExportFilters() {
  registerFilter<TrpPDFExport>();
  registerFilter<TrpPNGExport>();
  registerFilter<TrpJPEGExport>();
  registerFilter<TrpTextExport>();
  // A dot-matrix report is printed as its text, with the bytes of its printer commands.
  rpReportServices().CreateDotMatrixExport = [] {
    auto text = std::make_unique<TrpTextExport>();
    text->SetPrinterCommands(true);
    return std::unique_ptr<TrpCustomExportFilter>(std::move(text));
  };
}
