// TscScript::Evaluate: an expression text compiled as a throw-away function and called.
#include "script_engine/interpreter/script.h"

namespace {

// The expression wrapped as a function "scEvaluateFUNC" in each syntax.
QString wrapped(const QString& syntax, const QString& text) {
  const QString crlf = QStringLiteral("\r\n");
  if (syntax.compare(QLatin1String("C++Script"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Variant scEvaluateFUNC() { return ") + text + QStringLiteral("; } {}");
  if (syntax.compare(QLatin1String("BasicScript"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("function scEvaluateFUNC") + crlf + QStringLiteral("return ") + text +
           crlf + QStringLiteral("end function");
  if (syntax.compare(QLatin1String("JScript"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("function scEvaluateFUNC() { return (") + text + QStringLiteral("); }");
  return QStringLiteral("function scEvaluateFUNC: Variant; begin Result := ") + text +
         QStringLiteral(" end; begin end.");
}

}  // namespace

ScriptValue TscScript::Evaluate(const QString& expression) {
  FEvaluteRiseError = false;
  ScriptValue result = ScriptValue::Null();
  // Inside a running procedure the expression sees that procedure's locals.
  TscScript* scope = FProgRunning ? FProgRunning : this;

  TscScript temp(scope);
  bool scopeHasModules = false;
  for (TscScript* s = scope; s; s = s->FParent) scopeHasModules = scopeHasModules || s->FRTTIAdded;
  if (!scopeHasModules) temp.AddRTTI();
  temp.FOnGetVarValue = scope->FOnGetVarValue;
  // The throw-away function itself never reports lines to the host; procedures it calls still
  // do, through their own scripts, so the host can stop an endless loop in one of them.
  temp.SetQuietLines(true);
  temp.FSyntaxType = FSyntaxType;
  temp.FLines = QStringList{wrapped(FSyntaxType, expression)};

  if (temp.Compile()) {
    result = temp.CallFunction(QStringLiteral("scEvaluateFUNC"), ScriptValue::Null());
  } else {
    result = ScriptValue(temp.FErrorMsg);
    FEvaluteRiseError = true;
  }
  return result;
}
