#include "report/binding/report_script.h"

#include "report/binding/report_class_members.h"

#include "report/binding/aggregate.h"
#include "report/binding/dialog_page_script.h"
#include "report/model/band.h"
#include "report/model/class_info.h"
#include "report/model/custom_engine.h"
#include "report/model/engine_options.h"
#include "report/model/report.h"
#include "report/model/variables.h"
#include "report/model/view.h"
#include "report/res/resources.h"
#include "script/class_variable.h"
#include "script/script.h"
#include "script/script_error.h"

namespace {

// The run-time library's message that IgnoreDevByZero lets pass.
const QString kDivisionByZero = QStringLiteral("Floating point division by zero");

}  // namespace

TrpReportScript::TrpReportScript(TrpReport& report)
    : FReport(report), FScript(std::make_unique<TscScript>()), FExpressionCache(FScript.get()),
      FObjects(*FScript), FEngineObject(report), FOutlineObject(report),
      FVariablesObject(report.Variables(), &FObjects), FGlobalVariablesObject(rpGlobalVariables(), &FObjects),
      FStylesObject(report.Styles(), FObjects) {
  FScript->FExtendedCharset = true;
  FScript->AddRTTI();
}

TrpReportScript::~TrpReportScript() {
  // The cache's functions and the script objects refer to the script: they go first.
  FExpressionCache.Clear();
  FObjects.Clear();
}

// --- preparing -----------------------------------------------------------------------------------

bool TrpReportScript::PrepareScript(TrpReport& activeReport) {
  if (!FParentSaved) {
    FSaveParentScript = FScript->Parent();
    FParentSaved = true;
  }
  FExpressionCache.Clear();
  FExpressionCache.SetScriptLanguage(FReport.ScriptLanguage());
  FLocalVariable = FSelfVariable = nullptr;
  FScriptTextCompiled = false;
  FScriptTextError.clear();
  FScript->ClearItems(&activeReport);
  FObjects.Clear();
  FScript->FAddedBy = &activeReport;
  FScript->FMainProg = true;
  FScript->SetParent(FSaveParentScript);
  RegisterObjects(activeReport);
  FObjects.RegisterAllClasses();
  RegisterVariables();
  RegisterFunctions();
  rpAddReportClassMembers(*FScript, *this);
  FLocalVariable = FScript->FindLocal(QStringLiteral("Value"));
  FSelfVariable = FScript->FindLocal(QStringLiteral("Self"));
  SetLocalValue(FLocalValue);
  SetSelfValue(FSelfValue);
  FScript->SetLines(FReport.ScriptText());
  FScript->SetSyntaxType(FReport.ScriptLanguage());
  return true;
}

void TrpReportScript::RegisterObjects(TrpReport& activeReport) {
  for (TrpComponent* object : FReport.AllObjects()) {
    // With another active report, its object of the same name takes part in the run.
    TrpComponent* runObject = object;
    if (&activeReport != &FReport)
      if (TrpComponent* other = activeReport.FindObject(object->Name())) runObject = other;
    runObject->BeforeStartReport();
    if (!object->Name().isEmpty()) FScript->AddObject(object->Name(), FObjects.Wrap(object));
  }
  FScript->AddObject(QStringLiteral("Report"), FObjects.Wrap(&FReport));
  rpAddDialogPageMethods(*FScript);
  TrpEngineScriptObject::RegisterClass(*FScript);
  FScript->AddObject(QStringLiteral("Engine"), &FEngineObject);
  TrpOutlineScriptObject::RegisterClass(*FScript);
  FScript->AddObject(QStringLiteral("Outline"), &FOutlineObject);
  // "Self" is typed TrpView; the class is known once the report has a view.
  for (TrpComponent* object : FReport.AllObjects())
    if (dynamic_cast<TrpView*>(object)) {
      FObjects.RegisterClass(TrpView::StaticClassInfo(), *object);
      break;
    }
  FScript->AddVariable(QStringLiteral("Value"), QStringLiteral("Variant"), ScriptValue::Null());
  FScript->AddVariable(QStringLiteral("Self"), QStringLiteral("TrpView"),
                       ScriptValue(static_cast<ScriptObject*>(nullptr)));
}

// "rpGlobalVariables", the report's "Variables" and "Styles" properties, and the classes of
// variable lists, arrays and styles.
void TrpReportScript::RegisterVariables() {
  TrpVariablesScriptObject::RegisterClasses(*FScript, &FObjects);
  TrpStylesScriptObject::RegisterClass(FObjects);
  FScript->AddObject(QStringLiteral("rpGlobalVariables"), &FGlobalVariablesObject);
  TscClassVariable* report = FScript->FindClass(QString::fromLatin1(FReport.ClassInfo().ClassName()));
  if (!report || report->FindMember(QStringLiteral("Variables"))) return;
  report->AddProperty(QStringLiteral("Variables"), QStringLiteral("TrpVariables"),
                      [this](TscHostObject*, const TscHostClass*, const QString&) {
                        return ScriptValue(static_cast<ScriptObject*>(&FVariablesObject));
                      });
  report->AddProperty(QStringLiteral("Styles"), QStringLiteral("TrpStyles"),
                      [this](TscHostObject*, const TscHostClass*, const QString&) {
                        return ScriptValue(static_cast<ScriptObject*>(&FStylesObject));
                      });
}

void TrpReportScript::RegisterFunctions() {
  auto call = [this](TscHostObject*, const TscHostClass*, const QString& name,
                     std::vector<ScriptValue>& args) { return CallMethod(name, args); };
  FScript->AddMethod(QStringLiteral("function Get(Name: String): Variant"),
                     [this](TscHostObject*, const TscHostClass*, const QString&, std::vector<ScriptValue>& args) {
                       return GetScriptValue(args.at(0).ToText());
                     });
  FScript->AddMethod(QStringLiteral("procedure Set(Name: String; Value: Variant)"),
                     [this](TscHostObject*, const TscHostClass*, const QString&, std::vector<ScriptValue>& args) {
                       SetScriptValue(args.at(0).ToText(), args.at(1));
                       return ScriptValue();
                     });
  // The macro functions receive their arguments as source texts.
  static const char* const kMacros[] = {
      "macro function SUM(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
      "macro function AVG(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
      "macro function MIN(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
      "macro function MAX(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
      "macro function COUNT(Band: Variant = 0; Flags: Integer = 0): Variant",
  };
  for (const char* syntax : kMacros) FScript->AddMethod(QString::fromLatin1(syntax), call);
  // IIF's branches are evaluated where it is written: inside a procedure they see its locals.
  FScript->AddMethod(QStringLiteral("macro function IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant"),
                     [this](TscHostObject*, const TscHostClass*, const QString&, TscMethodHelper& call) {
                       const std::vector<ScriptValue> args{call.Argument(0), call.Argument(1), call.Argument(2)};
                       TscScript* caller = call.FProgram;
                       return Iif(args, FExpressionCache.IsOwnScript(caller) ? nullptr : caller);
                     });
}

void TrpReportScript::AddFunction(const QString& syntax, const QString& category,
                                  const QString& description) {
  // Marked as the program's, so that the next preparation keeps it.
  static const char kProgramMarker = 0;
  const void* was = FScript->FAddedBy;
  FScript->FAddedBy = &kProgramMarker;
  FScript->AddMethod(
      syntax,
      [this](TscHostObject*, const TscHostClass*, const QString& name, std::vector<ScriptValue>& args) {
        return DoUserFunction(name, args);
      },
      category, description);
  FScript->FAddedBy = was;
}

// --- "Value" and "Self" ----------------------------------------------------------------------------

ScriptValue TrpReportScript::GetLocalValue() const {
  return FLocalVariable ? FLocalVariable->GetValue() : FLocalValue;
}

void TrpReportScript::SetLocalValue(const ScriptValue& value) {
  FLocalValue = value;
  if (FLocalVariable) FLocalVariable->SetValue(value);
}

TrpComponent* TrpReportScript::GetSelfValue() const { return FSelfValue; }

void TrpReportScript::SetSelfValue(TrpComponent* object) {
  FSelfValue = object;
  if (FSelfVariable) FSelfVariable->SetValue(FObjects.ValueOf(object));
}

void TrpReportScript::Notification(TrpComponent* removed) {
  if (removed == FSelfValue) SetSelfValue(nullptr);
  FObjects.Forget(removed);
}

// --- evaluating ------------------------------------------------------------------------------------

ScriptValue TrpReportScript::Calc(const QString& expression, TscScript* script, bool scriptCaller) {
  ScriptValue value;
  if (DoGetValue(expression, value)) return value;
  QString error;
  value = FExpressionCache.Calc(expression, error, script ? script : FScript.get());
  if (error.isEmpty()) return value;
  if (error == kDivisionByZero && FReport.EngineOptions().IgnoreDevByZero()) return value;
  if (scriptCaller) {
    error = rpResources()->Get(QStringLiteral("clErrorInExp")) + error;
  } else {
    if (FSelfValue && !FSelfValue->Name().isEmpty()) error = FSelfValue->Name() + QStringLiteral(": ") + error;
    FReport.AddError(error);
  }
  throw ScriptError(error);
}

// --- the script's functions -------------------------------------------------------------------------

ScriptValue TrpReportScript::GetScriptValue(const QString& name) {
  ScriptValue value;
  if (DoGetValue(name, value)) return value;
  const qsizetype paren = name.indexOf(u'(');
  TrpAggregateFunction function;
  if (paren > 0 && rpAggregateFunctionOf(name.left(paren).trimmed(), function)) return Calc(name);
  FReport.AddError(rpResources()->Get(QStringLiteral("clUnknownVar")) + u' ' + name);
  return ScriptValue::Null();
}

void TrpReportScript::SetScriptValue(const QString& name, const ScriptValue& value) {
  FReport.Variables().SetVariables(name, value);
}

QString TrpReportScript::ArgumentText(const std::vector<ScriptValue>& args, std::size_t index) {
  if (index >= args.size() || !args[index].IsString()) return QString();
  return args[index].ToText().trimmed();
}

ScriptValue TrpReportScript::CallMethod(const QString& name, const std::vector<ScriptValue>& args) {
  if (name == QLatin1String("IIF")) return Iif(args, nullptr);
  if (name == QLatin1String("COUNT")) return Aggregate(name, QString(), args.at(0), args.at(1));
  return Aggregate(name, ArgumentText(args, 0), args.at(1), args.at(2));
}

ScriptValue TrpReportScript::Iif(const std::vector<ScriptValue>& args, TscScript* caller) {
  ScriptValue value = ScriptValue::Null();
  try {
    const bool condition = Calc(ArgumentText(args, 0), caller).ToBool();
    value = Calc(ArgumentText(args, condition ? 1 : 2), caller);
  } catch (const std::exception&) {
    // A failing branch leaves Null; the error is already listed.
  }
  return value;
}

ScriptValue TrpReportScript::Aggregate(const QString& name, const QString& expression,
                                       const ScriptValue& bandArg, const ScriptValue& flagsArg) {
  const QString bandText = bandArg.IsString() ? bandArg.ToText().trimmed() : QString();
  const QString flagsText = flagsArg.IsString() ? flagsArg.ToText().trimmed() : QString();
  TrpBand* band = nullptr;
  if (!bandText.isEmpty())
    band = dynamic_cast<TrpBand*>(TrpScriptObjects::ObjectOf(Calc(bandText)));
  const int flags = flagsText.isEmpty() ? 0 : Calc(flagsText).ToInt32();
  TrpCustomEngine* engine = FReport.Engine();
  const ScriptValue value = engine ? engine->GetAggregateValue(name, expression, band, flags) : ScriptValue();
  return value.IsEmptyOrNull() ? ScriptValue(0) : value;
}

ScriptValue TrpReportScript::DoUserFunction(const QString& name, const std::vector<ScriptValue>& args) {
  if (!FReport.OnUserFunction) return ScriptValue::Null();
  ScriptValue array = ScriptValue::CreateArray({ArrayBound{0, static_cast<int>(args.size()) - 1}});
  for (std::size_t i = 0; i < args.size(); ++i) array.ArraySet({static_cast<int>(i)}, args[i]);
  return FReport.OnUserFunction(name.toUpper(), array);
}
