#include "report/binding/expression_cache.h"

#include "report/res/resources.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/variables.h"

namespace {

// Stamped on the items one compilation adds, so that a failed one can be taken out again.
const char kCompiling = 0;

const QString kCrLf = QStringLiteral("\r\n");

bool sameLanguage(const QString& a, const char* b) {
  return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool hasModules(const TscScript* script) {
  for (const TscScript* s = script; s; s = s->Parent())
    if (s->HasRTTI()) return true;
  return false;
}

// Marks a script as no main program while an expression function runs, and restores it.
class InactiveMainProgram {
 public:
  explicit InactiveMainProgram(TscScript* script) : FScript(script), FWas(script && script->FMainProg) {
    if (FScript) FScript->FMainProg = false;
  }
  ~InactiveMainProgram() {
    if (FScript) FScript->FMainProg = FWas;
  }
  InactiveMainProgram(const InactiveMainProgram&) = delete;
  InactiveMainProgram& operator=(const InactiveMainProgram&) = delete;

 private:
  TscScript* FScript;
  bool FWas;
};

}  // namespace

TrpExpressionCache::TrpExpressionCache(TscScript* mainScript)
    : FScript(std::make_unique<TscScript>()), FMainScript(mainScript) {}

TrpExpressionCache::~TrpExpressionCache() = default;

QString TrpExpressionCache::FunctionText(const QString& language, int number, const QString& expression) {
  const QString name = QStringLiteral("rpf") + QString::number(number);
  if (sameLanguage(language, "C++Script"))
    return QStringLiteral("Variant ") + name + QStringLiteral("() { return ") + expression +
           QStringLiteral("; } {}");
  if (sameLanguage(language, "BasicScript"))
    return QStringLiteral("function ") + name + kCrLf + QStringLiteral("return ") + expression + kCrLf +
           QStringLiteral("end function");
  if (sameLanguage(language, "JScript"))
    return QStringLiteral("function ") + name + QStringLiteral("() { return ") + expression +
           QStringLiteral("; }");
  return QStringLiteral("function ") + name + QStringLiteral(": Variant; begin Result := ") + expression +
         QStringLiteral(" end; begin end.");
}

namespace {

// The expression in upper case, as QString::toUpper gives it; an ASCII text (every expression of
// most reports, looked up once per evaluation) without a table lookup per character.
QString upperKey(const QString& expression) {
  bool lower = false;
  for (const QChar c : expression) {
    if (c.unicode() >= 0x80) return expression.toUpper();
    lower = lower || (c >= u'a' && c <= u'z');
  }
  if (!lower) return expression;
  QString key = expression;
  for (QChar& c : key)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
  return key;
}

}  // namespace

QString TrpExpressionCache::Key(const QString& expression) const {
  QString key = FCaseSensitive ? expression : upperKey(expression);
  // A text compiled inside a procedure sees its locals: it is another function than the same
  // text compiled for the main script.
  TscScript* parent = FScript->Parent();
  if (parent && parent != FMainScript)
    key.prepend(QString::number(reinterpret_cast<quintptr>(parent), 16) + QLatin1Char('|'));
  return key;
}

void TrpExpressionCache::SetCaseSensitive(bool value) {
  if (value == FCaseSensitive) return;
  // The keys were made under the other rule.
  Clear();
  FCaseSensitive = value;
}

void TrpExpressionCache::Clear() {
  FFunctions.clear();
  FScript = std::make_unique<TscScript>(FScript->Parent());
  FDiscarded.clear();
}

void TrpExpressionCache::DiscardFailedCompilation() {
  if (!FScript->FIsRunning) {
    FScript->RemoveItems(&kCompiling);
    return;
  }
  // A nested evaluation while one of the functions runs: the running script cannot free its
  // items, so they leave its name space now and are freed with the script.
  for (int i = FScript->Count() - 1; i >= 0; --i) {
    TscCustomVariable* item = FScript->Items(i);
    if (item->FAddedBy != &kCompiling) continue;
    FScript->Remove(item);
    FDiscarded.emplace_back(item);
  }
}

TscProcVariable* TrpExpressionCache::Compile(const QString& expression, QString& errorMsg) {
  const int number = static_cast<int>(FFunctions.size());
  if (!hasModules(FScript.get())) FScript->AddRTTI();
  FScript->SetSyntaxType(FScriptLanguage);
  FScript->SetLines(FunctionText(FScriptLanguage, number, expression).split(kCrLf));
  FScript->FAddedBy = &kCompiling;
  const bool compiled = FScript->Compile();
  FScript->FAddedBy = nullptr;
  const QString name = QStringLiteral("rpf") + QString::number(number);
  auto* function = compiled ? dynamic_cast<TscProcVariable*>(FScript->FindLocal(name)) : nullptr;
  if (!function) {
    const QString message = FScript->FErrorMsg;
    DiscardFailedCompilation();
    errorMsg = rpResources()->Get(QStringLiteral("clExprError")) + QStringLiteral(" '") + expression +
               QStringLiteral("': ") + message;
    return nullptr;
  }
  for (int i = 0; i < FScript->Count(); ++i)
    if (FScript->Items(i)->FAddedBy == &kCompiling) FScript->Items(i)->FAddedBy = nullptr;
  FFunctions.insert(Key(expression), function);
  return function;
}

bool TrpExpressionCache::IsOwnScript(const TscScript* script) const {
  for (const TscScript* s = script; s; s = s->Parent())
    if (s == FScript.get()) return true;
  return false;
}

ScriptValue TrpExpressionCache::Calc(const QString& expression, QString& errorMsg, TscScript* script) {
  errorMsg.clear();
  FScript->SetParent(script);
  const QString key = Key(expression);
  TscProcVariable* function = FFunctions.value(key);
  if (!function) function = Compile(expression, errorMsg);
  if (!function) return ScriptValue();
  InactiveMainProgram inactive(FMainScript);
  try {
    return FScript->CallFunction2(function, ScriptValue::Null());
  } catch (const ScriptError& e) {
    errorMsg = e.Message();
  } catch (const std::exception& e) {
    errorMsg = QString::fromUtf8(e.what());
  }
  return ScriptValue();
}
