#include "sysmodule_support.h"

#include <gtest/gtest.h>

#include "script_engine/compiler/compiler.h"
#include "script_engine/front/script_error.h"
#include "script_engine/modules/system_dialogs.h"
#include "script_engine/modules/system_locale.h"

namespace {

QStringList& shown() {
  static QStringList messages;
  return messages;
}

class RecordingDialogs : public TscSystemDialogs {
 public:
  void ShowMessage(const QString& text) override { shown() << text; }
};

}  // namespace

void PinSystemModuleEnvironment() {
  scInstallCompiler();
  TscLocaleFormat f = TscLocaleFormat::Invariant();
  f.DateSeparator = QLatin1Char('.');
  f.ShortDateFormat = QStringLiteral("dd.mm.yyyy");
  f.LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
  f.ShortTimeFormat = QStringLiteral("hh:nn");
  f.LongTimeFormat = QStringLiteral("hh:nn:ss");
  scSetLocaleFormat(f);
  scSetSystemDialogs(std::make_unique<RecordingDialogs>());
  shown().clear();
}

QStringList TakeShownMessages() {
  QStringList result = shown();
  shown().clear();
  return result;
}

ScriptValue EvaluateIn(const QString& syntax, const QString& expression) {
  TscScript script;
  script.SetSyntaxType(syntax);
  ScriptValue v = script.Evaluate(expression);
  EXPECT_FALSE(script.FEvaluteRiseError) << expression.toStdString() << ": " << v.ToText().toStdString();
  return v;
}

std::unique_ptr<TscScript> RunProgram(const QString& syntax, const QStringList& lines) {
  auto script = std::make_unique<TscScript>();
  script->AddRTTI();
  script->SetSyntaxType(syntax);
  script->SetLines(lines);
  const bool ok = script->Compile();
  EXPECT_TRUE(ok) << script->FErrorMsg.toStdString() << " at " << script->FErrorPos.toStdString();
  if (ok) script->Execute();
  return script;
}

QString RuntimeError(const QString& syntax, const QStringList& lines) {
  try {
    RunProgram(syntax, lines);
  } catch (const ScriptError& e) {
    return e.Message();
  }
  return QString();
}

void ExpectAll(const QString& syntax, std::initializer_list<ExpressionCase> cases) {
  for (const ExpressionCase& c : cases)
    EXPECT_EQ(EvaluateIn(syntax, QString::fromUtf8(c.expression)).ToText(), QString::fromUtf8(c.expected))
        << syntax.toStdString() << ": " << c.expression;
}
