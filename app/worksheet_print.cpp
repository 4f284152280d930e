// The print command: the sheet turned into the report (see worksheet/worksheet_report_builder.h)
// and shown in the report's preview.
#include "app/worksheet_window.h"
#include "report/component/report.h"

namespace stroval {

void TForm19::btnPrintClick(QObject*) {
  if (!BuildWorksheetReport(*rpt, Sheet(), &MEMOtemp)) return;  // the stored template has its band
  // The report's own preview window, prepared from scratch.
  rpt->SetPreview(nullptr);
  rpt->ShowReport(true);
}

}  // namespace stroval
