// The start-up hooks of the report-script binding.
#include "report/binding/graphics_module.h"
#include "report/binding/report_script.h"
#include "report/component/report.h"
#include "report/memo/memo_macros.h"
#include "report/objects/report_error.h"
#include "report/objects/report_services.h"
#include "report/objects/variables.h"
#include "script_engine/compiler/compiler.h"

namespace {

void prepareScript(TrpReport& report) {
  TrpCustomReportScript* script = report.ReportScript();
  if (!script) throw TrpError(QStringLiteral("The report has no script"));
  if (!script->PrepareScript(report)) throw TrpError(QStringLiteral("The report's script could not be prepared"));
}

std::optional<QString> globalVariableText(const QString& name) {
  const int index = rpGlobalVariables().IndexOf(name);
  if (index < 0) return std::nullopt;
  return rpGlobalVariables().Items(index)->ValueText();
}

}  // namespace

void rpInstallReportScript() {
  scInstallCompiler();
  scAddRTTIModule(rpCreateGraphicsModule);
  TrpReportServices& services = rpReportServices();
  services.CreateReportScript = [](TrpReport& report) { return std::make_unique<TrpReportScript>(report); };
  services.PrepareScript = prepareScript;
  rpSetGlobalVariableLookup(globalVariableText);
}
