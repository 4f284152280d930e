// Object events that name procedures of the report's script text: the text is compiled the first
// time a preparation needs one of its procedures, then each event calls its procedure by name.
#include "report/binding/report_script.h"

#include <QCoreApplication>
#include <QTimer>

#include "report/component/report.h"
#include "report/objects/component.h"
#include "report/objects/report_services.h"
#include "report/res/format_text.h"
#include "report/res/resources.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"

namespace {

ScriptValue argumentArray(const std::vector<ScriptValue>& args) {
  ScriptValue array = ScriptValue::CreateArray({ArrayBound{0, static_cast<int>(args.size()) - 1}});
  for (std::size_t i = 0; i < args.size(); ++i) array.ArraySet({static_cast<int>(i)}, args[i]);
  return array;
}

}  // namespace

bool TrpReportScript::HasScriptText() const {
  for (const QString& line : FReport.ScriptText())
    if (!line.trimmed().isEmpty()) return true;
  return false;
}

// A text that failed to compile is not compiled again in the same preparation (what it left
// half-declared would only add errors of its own): later events meet the same error.
void TrpReportScript::CompileScriptText() {
  if (!FScriptTextError.isEmpty()) throw ScriptError(FScriptTextError);
  if (FScriptTextCompiled) return;
  FScript->SetLines(FReport.ScriptText());
  FScript->SetSyntaxType(FReport.ScriptLanguage());
  if (!FScript->Compile()) {
    const QString pattern = rpResources()->Get(QStringLiteral("clScrError"));
    FScriptTextError = rpFormat(pattern, {FScript->FErrorPos, FScript->FErrorMsg});
    throw ScriptError(FScriptTextError);
  }
  FScriptTextCompiled = true;
  // The main block sets the script's global variables up before any event uses them.
  if (FScript->Statement()) {
    TrpScriptRunLimits::Scope limited(FRun->FLimits);
    FScript->Execute();
  }
}

void TrpReportScript::DoParamEvent(const QString& procedure, std::vector<ScriptValue>& args) {
  TrpScriptRunLimits::Scope limited(FRun->FLimits);
  CompileScriptText();
  if (!dynamic_cast<TscProcVariable*>(FScript->FindLocal(procedure))) {
    // An inherited object's event names a procedure of the ancestor's script.
    if (TrpReportScript* ancestor = AncestorBinding(); ancestor && ancestor->HasProcedure(procedure)) {
      ancestor->DoParamEvent(procedure, args);
      return;
    }
    throw ScriptError(QStringLiteral("The report's script has no procedure \"%1\"").arg(procedure));
  }
  if (args.empty()) {
    FScript->CallFunction(procedure, ScriptValue::Null());
    return;
  }
  ScriptValue array = argumentArray(args);
  FScript->CallFunction1(procedure, array);
  for (std::size_t i = 0; i < args.size(); ++i) args[i] = array.ArrayGet({static_cast<int>(i)});
}

ScriptValue TrpReportScript::ObjectValue(TrpComponent* object) { return FObjects.ValueOf(object); }

void TrpReportScript::DoNotifyEvent(TrpComponent* sender, const QString& procedure) {
  std::vector<ScriptValue> args{ObjectValue(sender)};
  DoParamEvent(procedure, args);
}

bool TrpReportScript::HasProcedure(const QString& procedure) {
  CompileScriptText();
  return dynamic_cast<TscProcVariable*>(FScript->FindLocal(procedure)) != nullptr;
}

void TrpReportScript::ShowReportLater() {
  // Without the preview's window (the command-line tool) there is nothing to show, and a
  // preparation started from a later event loop would run in the middle of the tool's work.
  if (!QCoreApplication::instance() || !rpReportServices().CreatePreviewForm)
    throw ScriptError(QStringLiteral("ShowReport needs the program's preview window"));
  std::weak_ptr<bool> alive = FAlive;
  TrpReport* report = &FReport;
  QTimer::singleShot(0, [alive, report] {
    // Not while another preparation runs (the report refuses that anyway).
    if (alive.lock()) report->ShowReport();
  });
}
