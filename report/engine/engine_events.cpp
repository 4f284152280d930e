// The report's own moments in a run: its start and stop events, the dialogs shown before the
// pages, and pages whose content a program or a script builds instead of the band tree.
#include "report/component/report.h"
#include "report/dialogs/dialog_page.h"
#include "report/engine/engine.h"
#include "report/objects/report_error.h"
#include "report/pages/report_page.h"
#include "script_engine/front/script_error.h"

// The report's OnRunDialogs procedure decides alone when it is set: it receives one Boolean by
// reference ("Result", true on entry) and shows what it wants. Otherwise every visible dialog
// page is shown in the report's page order, and the first one not confirmed ends the run.
bool TrpEngine::RunDialogs() {
  if (!Report().OnRunDialogs().isEmpty()) {
    std::vector<ScriptValue> result{ScriptValue(true)};
    Report().DoParamEvent(Report().OnRunDialogs(), result);
    return result.front().ToBool();
  }
  for (TrpComponent* child : Report().Objects()) {
    auto* dialog = dynamic_cast<TrpDialogPage*>(child);
    if (dialog && dialog->Visible() && dialog->ShowModal() != mrOk) return false;
  }
  return true;
}

// The program's callback first, else the page's script procedure; false when the page has
// neither and its band tree builds it.
bool TrpEngine::RunManualBuild(TrpReportPage& page) {
  if (Report().OnManualBuild) {
    Report().OnManualBuild(page);
    return true;
  }
  if (page.OnManualBuild().isEmpty()) return false;
  Report().DoNotifyEvent(&page, page.OnManualBuild());
  return true;
}

// The stop event runs whatever ended the run, also an error; its own failure is listed with the
// report's errors rather than hiding the error that may be on its way out.
void TrpEngine::RunStopEvent() {
  try {
    Report().DoNotifyEvent(&Report(), Report().OnStopReport());
  } catch (const TrpError& e) {
    Report().AddError(e.Message());
  } catch (const ScriptError& e) {
    Report().AddError(e.Message());
  }
}
