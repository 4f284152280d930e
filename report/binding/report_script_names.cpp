// Resolving a plain name for an expression: system variables, the program's callbacks, report
// variables, global variables and the script's own variables, in that order.
#include "report/binding/report_script.h"

#include <QScopeGuard>
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/objects/custom_engine.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/variables.h"
#include "report/options/engine_options.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/day_number.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/variables.h"

namespace {

// Report variables may refer to one another; deeper than this they refer to themselves.
constexpr int kMaxVariableDepth = 64;

enum SystemVariableIndex { svDate, svTime, svPage, svPageNo, svTotalPages, svTotalPagesNo, svLine,
                           svLineNo, svCopyName };

// Splits `alias."field"` into its parts; false for any other form.
bool splitFieldReference(const QString& name, QString& alias, QString& field) {
  const qsizetype dot = name.indexOf(QLatin1String(".\""));
  if (dot <= 0 || !name.endsWith(u'"') || name.size() < dot + 3) return false;
  alias = name.left(dot).trimmed();
  field = name.mid(dot + 2, name.size() - dot - 3);
  return !alias.isEmpty();
}

}  // namespace

bool TrpReportScript::DataSetField(const QString& name, ScriptValue& value) const {
  const FieldReference* reference = nullptr;
  if (const FieldReference* const* recent = FRecentFieldReferences.Find(name)) {
    reference = *recent;
  } else {
    auto known = FFieldReferences.find(name);
    if (known == FFieldReferences.end()) {
      // Names are those of the report's expressions; a script that makes up names as it runs
      // cannot grow the table without bound. Emptied only outside a field read: an enclosing
      // read still holds its reference.
      if (FFieldReferences.size() >= 4096 && FFieldReadDepth == 0) {
        FRecentFieldReferences.Clear();
        FFieldReferences.clear();
      }
      FieldReference fresh;
      fresh.Valid = splitFieldReference(name, fresh.Alias, fresh.Field);
      known = FFieldReferences.emplace(name, std::move(fresh)).first;
    }
    reference = &known->second;
    FRecentFieldReferences.Keep(name, reference);
  }
  if (!reference->Valid) return false;
  const QString& field = reference->Field;
  // Only the data sets the report lists can be read by their alias.
  TrpDataSet* dataSet = FReport.GetDataset(reference->Alias);
  if (!dataSet) return false;
  ++FFieldReadDepth;
  const auto leave = qScopeGuard([this] { --FFieldReadDepth; });
  value = dataSet->GetValue(field);
  // With ConvertNulls an empty database value reads as the empty value of its field's type.
  if (value.IsNull() && FReport.EngineOptions().ConvertNulls()) {
    switch (dataSet->GetFieldType(field)) {
      case fftString: value = ScriptValue(QString()); break;
      case fftBoolean: value = ScriptValue(false); break;
      case fftNumeric: value = ScriptValue(0); break;
    }
  }
  return true;
}

bool TrpReportScript::SystemVariable(const QString& name, ScriptValue& value) const {
  const QStringList& names = FReport.SysVariables();
  int index = 0;
  // Case folding keeps a text's length: names of other lengths are passed over at once.
  while (index < names.size() && (names[index].size() != name.size() ||
                                  names[index].compare(name, Qt::CaseInsensitive) != 0))
    ++index;
  if (index == names.size()) return false;
  const TrpCustomEngine* engine = FReport.Engine();
  const TrpCustomPreviewPages* pages = FReport.PreviewPages();
  switch (index) {
    case svDate: value = ScriptValue::DateTime(engine ? DayNumber::FromDate(engine->StartDate()) : 0); break;
    case svTime: value = ScriptValue::DateTime(engine ? DayNumber::FromTime(engine->StartTime()) : 0); break;
    case svPage: value = ScriptValue(pages ? pages->GetLogicalPageNo() : 0); break;
    case svPageNo: value = ScriptValue(pages ? pages->CurPage() + 1 : 0); break;
    case svTotalPages: value = ScriptValue(pages ? pages->GetLogicalTotalPages() : 0); break;
    case svTotalPagesNo: value = ScriptValue(engine ? engine->TotalPages() : 0); break;
    case svLine: value = ScriptValue(engine ? engine->CurLine() : 0); break;
    case svLineNo: value = ScriptValue(engine ? engine->CurLineThrough() : 0); break;
    case svCopyName: value = rpGlobalVariables().Variables(QStringLiteral("CopyName0")); break;
    default: return false;
  }
  return true;
}

bool TrpReportScript::ReportVariable(const QString& name, ScriptValue& value) {
  const TrpVariables& variables = FReport.Variables();
  const int index = variables.IndexOf(name);
  if (index < 0 || variables.Items(index)->IsCategory()) return false;
  value = variables.Items(index)->Value();
  // A one-line text is an expression of its own.
  if (!value.IsString()) return true;
  const QString text = value.ToText();
  if (text.isEmpty() || text.contains(u'\n') || text.contains(u'\r')) return true;
  if (FVariableDepth >= kMaxVariableDepth)
    throw ScriptError(QStringLiteral("The report variable \"%1\" refers to itself").arg(name));
  ++FVariableDepth;
  try {
    value = Calc(text);
  } catch (...) {
    --FVariableDepth;
    throw;
  }
  --FVariableDepth;
  return true;
}

bool TrpReportScript::ScriptVariable(const QString& name, ScriptValue& value) const {
  // Plain variables and constants only: no procedures, functions, classes or types.
  auto* variable = dynamic_cast<TscVariable*>(FScript->FindLocal(name));
  if (!variable) return false;
  value = variable->GetValue();
  return true;
}

bool TrpReportScript::DoGetValue(const QString& name, ScriptValue& value) {
  if (DataSetField(name, value)) return true;
  if (SystemVariable(name, value)) return true;
  if (FReport.OnGetValue || FReport.OnNewGetValue) {
    ScriptValue answer;
    if (FReport.OnGetValue) FReport.OnGetValue(name, answer);
    if (answer.IsEmpty() && FReport.OnNewGetValue) FReport.OnNewGetValue(&FReport, name, answer);
    if (!answer.IsEmpty()) {
      value = answer;
      return true;
    }
  }
  if (ReportVariable(name, value)) return true;
  const int global = rpGlobalVariables().IndexOf(name);
  if (global >= 0) {
    value = rpGlobalVariables().Items(global)->Value();
    return true;
  }
  return ScriptVariable(name, value);
}
