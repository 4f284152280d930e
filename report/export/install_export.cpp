#include "report/export/install_export.h"

#include "report/export/image_export.h"
#include "report/export/pdf_export.h"
#include "report/export/text_export.h"

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
}
