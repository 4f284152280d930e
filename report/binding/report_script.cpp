#include "report/binding/report_script.h"

#include "report/binding/report_class_members.h"

#include "report/binding/aggregate.h"
#include "report/binding/dialog_page_script.h"
#include "report/component/report.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_engine.h"
#include "report/objects/variables.h"
#include "report/options/engine_options.h"
#include "report/pages/band.h"
#include "report/res/format_text.h"
#include "report/res/resources.h"
#include "report/views/view.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/script.h"

namespace {

// The run-time library's message that IgnoreDevByZero lets pass.
const QString kDivisionByZero = QStringLiteral("Floating point division by zero");

// The name between "<" and ">" when the expression is nothing but one such name the script would
// read whole: no brackets or single quotes inside, double quotes in pairs. Empty otherwise.
QString enclosedName(const QString& expression) {
  if (expression.size() < 3 || !expression.startsWith(u'<') || !expression.endsWith(u'>')) return {};
  const QStringView inner = QStringView(expression).sliced(1, expression.size() - 2);
  int quotes = 0;
  for (const QChar c : inner) {
    if (c == u'<' || c == u'>' || c == u'[' || c == u']' || c == u'\'') return {};
    if (c == u'"') ++quotes;
  }
  return quotes % 2 == 0 ? inner.toString() : QString();
}

}  // namespace

TrpReportScript::TrpReportScript(TrpReport& report)
    : FReport(report), FLimits(report), FScript(std::make_unique<TscScript>()), FExpressionCache(FScript.get()),
      FObjects(*FScript), FEngineObject(report), FOutlineObject(report),
      FVariablesObject(report.Variables(), &FObjects), FGlobalVariablesObject(rpGlobalVariables(), &FObjects),
      FStylesObject(report.Styles(), FObjects) {
  FScript->FExtendedCharset = true;
  FScript->AddRTTI();
  // Every statement of the report's script, its procedures and its expressions passes here; an
  // ancestor's script counts against the running report's limits.
  FScript->FOnRunLine = [this](TscScript&, const QString&, const QString&) { FRun->FLimits.Step(); };
}

TrpReportScript::~TrpReportScript() {
  // The cache's functions and the script objects refer to the script: they go first.
  FExpressionCache.Clear();
  FObjects.Clear();
}

// --- preparing -----------------------------------------------------------------------------------

bool TrpReportScript::PrepareScript(TrpReport& activeReport) {
  TrpReportScript* ancestor = AncestorBinding();
  if (!FParentSaved || (ancestor && FScript->Parent() != &ancestor->Script())) {
    FSaveParentScript = FScript->Parent();
    FParentSaved = true;
  }
  // The wrappers go first: an ancestor's script registers wrappers of this report's objects.
  FScript->ClearItems(&activeReport);
  if (&activeReport == &FReport) FObjects.Clear();
  FRun = RunBindingOf(activeReport);
  if (ancestor && !PrepareAncestor(*ancestor, activeReport)) return false;
  FExpressionCache.Clear();
  FExpressionCache.SetScriptLanguage(FReport.ScriptLanguage());
  FLocalVariable = FSelfVariable = nullptr;
  FScriptTextCompiled = false;
  FScriptTextError.clear();
  FScript->FAddedBy = &activeReport;
  FScript->FMainProg = true;
  FScript->SetParent(ancestor ? &ancestor->Script() : FSaveParentScript);
  FObjects.RegisterAllClasses();
  RegisterObjects(activeReport);
  RegisterVariables();
  RegisterFunctions();
  rpAddReportClassMembers(*FScript, *FRun);
  FLocalVariable = FScript->FindLocal(QStringLiteral("Value"));
  FSelfVariable = FScript->FindLocal(QStringLiteral("Self"));
  SetLocalValue(FLocalValue);
  SetSelfValue(FSelfValue);
  FScript->SetLines(FReport.ScriptText());
  FScript->SetSyntaxType(FReport.ScriptLanguage());
  return true;
}

TrpReportScript* TrpReportScript::AncestorBinding() const {
  TrpReport* ancestor = FReport.ParentReportObject();
  return ancestor ? dynamic_cast<TrpReportScript*>(ancestor->ReportScript()) : nullptr;
}

TrpReportScript* TrpReportScript::RunBindingOf(TrpReport& activeReport) {
  auto* run = dynamic_cast<TrpReportScript*>(activeReport.ReportScript());
  return run ? run : this;
}

// The ancestor's script is prepared for the running report and compiled; its procedures serve
// the objects this report inherited, and this report's script sees its names.
bool TrpReportScript::PrepareAncestor(TrpReportScript& ancestor, TrpReport& activeReport) {
  bool prepared = ancestor.PrepareScript(activeReport);
  if (prepared) {
    // The program's functions answer through the running report.
    const void* was = ancestor.FScript->FAddedBy;
    ancestor.FScript->FAddedBy = &activeReport;
    for (const ProgramFunction& f : FProgramFunctions) ancestor.AddProgramFunction(f, *FRun);
    ancestor.FScript->FAddedBy = was;
    try {
      ancestor.CompileScriptText();
    } catch (const ScriptError&) {
      prepared = false;
    }
  }
  if (prepared) return true;
  const QString where = QStringLiteral("Parent report: ") + ancestor.FReport.FileName() + QStringLiteral(" Line: ") +
                        ancestor.FScript->FErrorPos;
  FReport.AddError(rpFormat(rpResources()->Get(QStringLiteral("clScrError")), {where, ancestor.FScript->FErrorMsg}));
  return false;
}

void TrpReportScript::RegisterObjects(TrpReport& activeReport) {
  const bool hasAncestor = FReport.ParentReportObject() != nullptr;
  for (TrpComponent* object : FReport.AllObjects()) {
    // With another active report, its object of the same name takes part in the run, and the
    // script's name refers to it: the ancestor's procedures act on what is printed.
    TrpComponent* runObject = object;
    if (&activeReport != &FReport)
      if (TrpComponent* other = activeReport.FindObject(object->Name())) runObject = other;
    runObject->BeforeStartReport();
    // Inherited objects are named by the ancestor's script, which this one sees.
    if (hasAncestor && object->IsAncestor()) continue;
    if (!object->Name().isEmpty()) FScript->AddObject(object->Name(), RunObject(runObject));
  }
  FScript->AddObject(QStringLiteral("Report"), RunObject(&FRun->FReport));
  rpAddDialogPageMethods(*FScript);
  TrpEngineScriptObject::RegisterClass(*FScript);
  FScript->AddObject(QStringLiteral("Engine"), &FRun->FEngineObject);
  TrpOutlineScriptObject::RegisterClass(*FScript);
  FScript->AddObject(QStringLiteral("Outline"), &FRun->FOutlineObject);
  FScript->AddVariable(QStringLiteral("Value"), QStringLiteral("Variant"), ScriptValue::Null());
  FScript->AddVariable(QStringLiteral("Self"), QStringLiteral("TrpView"),
                       ScriptValue(static_cast<ScriptObject*>(nullptr)));
}

TrpScriptObject* TrpReportScript::RunObject(TrpComponent* object) {
  // The running report's binding keeps the script object; this script must know its class too.
  if (FRun != this) FObjects.RegisterClass(object->ClassInfo(), *object);
  return FRun->FObjects.Wrap(object);
}

// "rpGlobalVariables", the report's "Variables" and "Styles" properties, and the classes of
// variable lists, arrays and styles.
void TrpReportScript::RegisterVariables() {
  TrpVariablesScriptObject::RegisterClasses(*FScript, &FRun->FObjects);
  TrpStylesScriptObject::RegisterClass(*FScript, FRun->FObjects);
  FScript->AddObject(QStringLiteral("rpGlobalVariables"), &FGlobalVariablesObject);
  TscClassVariable* report = FScript->FindClass(QString::fromLatin1(FReport.ClassInfo().ClassName()));
  if (!report || report->FindMember(QStringLiteral("Variables"))) return;
  TrpReportScript* run = FRun;
  report->AddProperty(QStringLiteral("Variables"), QStringLiteral("TrpVariables"),
                      [run](TscHostObject*, const TscHostClass*, const QString&) {
                        return ScriptValue(static_cast<ScriptObject*>(&run->FVariablesObject));
                      });
  report->AddProperty(QStringLiteral("Styles"), QStringLiteral("TrpStyles"),
                      [run](TscHostObject*, const TscHostClass*, const QString&) {
                        return ScriptValue(static_cast<ScriptObject*>(&run->FStylesObject));
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
  const ProgramFunction function{syntax, category, description};
  FProgramFunctions.push_back(function);
  const void* was = FScript->FAddedBy;
  FScript->FAddedBy = &kProgramMarker;
  AddProgramFunction(function, *this);
  FScript->FAddedBy = was;
}

void TrpReportScript::AddProgramFunction(const ProgramFunction& function, TrpReportScript& answering) {
  FScript->AddMethod(
      function.Syntax,
      [&answering](TscHostObject*, const TscHostClass*, const QString& name, std::vector<ScriptValue>& args) {
        return answering.DoUserFunction(name, args);
      },
      function.Category, function.Description);
}

// --- "Value" and "Self" ----------------------------------------------------------------------------

ScriptValue TrpReportScript::GetLocalValue() const {
  return FLocalVariable ? FLocalVariable->GetValue() : FLocalValue;
}

void TrpReportScript::SetLocalValue(const ScriptValue& value) {
  FLocalValue = value;
  if (FLocalVariable) FLocalVariable->SetValue(value);
  if (TrpReportScript* ancestor = AncestorBinding()) ancestor->SetLocalValue(value);
}

TrpComponent* TrpReportScript::GetSelfValue() const { return FSelfValue; }

void TrpReportScript::SetSelfValue(TrpComponent* object) {
  FSelfValue = object;
  if (FSelfVariable) FSelfVariable->SetValue(FRun->FObjects.ValueOf(object));
  if (TrpReportScript* ancestor = AncestorBinding()) ancestor->SetSelfValue(object);
}

void TrpReportScript::Notification(TrpComponent* removed) {
  if (removed == FSelfValue) SetSelfValue(nullptr);
  FObjects.Forget(removed);
}

// --- evaluating ------------------------------------------------------------------------------------

ScriptValue TrpReportScript::Calc(const QString& expression, TscScript* script, bool scriptCaller) {
  TrpScriptRunLimits::Scope limited(FRun->FLimits);
  // Expressions may call the script's functions and read its variables: its text is compiled
  // before the first expression needs it (an error in it is this expression's error).
  if (!FScriptTextCompiled && HasScriptText()) CompileScriptText();
  ScriptValue value;
  if (DoGetValue(expression, value)) return value;
  // "<Rows."amount">", as aggregates are mostly written, reads the name it encloses: the same
  // value the script would read for it, without running a compiled expression.
  const QString* kept = FEnclosedNames.Find(expression);
  const QString enclosed = kept ? *kept : enclosedName(expression);
  if (!kept) FEnclosedNames.Keep(expression, enclosed);
  if (!enclosed.isEmpty() && DoGetValue(enclosed, value)) return value;
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
