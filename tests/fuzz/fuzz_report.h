#pragma once
// The report the script targets run: one page with a title band holding one text object, its
// script runs limited to 100,000 statements and two seconds, as a batch run would set them.
#include "report/component/report.h"
#include "report/memo/memo_view.h"

// Builds the page, band and text object "Memo1" into `report` and returns the text object.
TrpMemoView* rpFuzzReportWithMemo(TrpReport& report);
// Prepares `report`; errors stay in its error list, exceptions are caught.
void rpFuzzPrepare(TrpReport& report);
