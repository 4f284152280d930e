// Reading the syntax texts of registered functions and methods.
#include "script_engine/interpreter/method_syntax.h"

#include <QHash>

#include <mutex>

#include "script_engine/front/lexer.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/helpers.h"
#include "script_engine/interpreter/script.h"

namespace {

[[noreturn]] void invalid(const QString& syntax) {
  throw ScriptError(QStringLiteral("Invalid method syntax: %1").arg(syntax));
}

// "=" and a default: a number, a string, a negative number or a registered constant's name.
ScriptValue defaultValue(TscParser& p, const TscScript* script, const QString& syntax,
                         bool& namesConstant) {
  p.SkipSpaces();
  bool negative = false;
  int at = p.Position();
  if (p.GetChar() == QLatin1String("-")) {
    negative = true;
    p.SkipSpaces();
  } else {
    p.SetPosition(at);
  }
  ScriptValue v;
  QString token = p.GetNumber();
  if (!token.isEmpty()) {
    if (!TextToNumber(token, v)) invalid(syntax);
    if (!negative) return v;
    return v.IsInteger() ? ScriptValue::FromInteger(-v.ToInt64()) : ScriptValue(-v.ToDouble());
  }
  if (negative) invalid(syntax);
  token = p.GetString();
  if (!token.isEmpty()) return ScriptValue(token.mid(1, token.size() - 2));
  token = p.GetIdent();
  if (token.isEmpty()) invalid(syntax);
  TscCustomVariable* c = script ? script->Find(token) : nullptr;
  if (!c) throw ScriptError(QStringLiteral("Unknown constant in method syntax: %1").arg(token));
  namesConstant = true;
  return c->GetValue();
}

// One group: [var|const] name, name: Type [= default]
void readGroup(TscParser& p, TscMethodSyntax& m, const TscScript* script, const QString& syntax) {
  bool isVar = false;
  int at = p.Position();
  QString word = p.GetIdent();
  if (word.compare(QLatin1String("var"), Qt::CaseInsensitive) == 0)
    isVar = true;
  else if (word.compare(QLatin1String("const"), Qt::CaseInsensitive) != 0)
    p.SetPosition(at);
  std::vector<QString> names;
  for (;;) {
    QString name = p.GetIdent();
    if (name.isEmpty()) invalid(syntax);
    names.push_back(name);
    p.SkipSpaces();
    QString c = p.GetChar();
    if (c == QLatin1String(":")) break;
    if (c != QLatin1String(",")) invalid(syntax);
  }
  QString type = p.GetIdent();
  if (type.isEmpty()) invalid(syntax);
  ScriptValue def = ScriptValue::Null();
  p.SkipSpaces();
  at = p.Position();
  if (p.GetChar() == QLatin1String("="))
    def = defaultValue(p, script, syntax, m.namesConstants);
  else
    p.SetPosition(at);
  for (std::size_t i = 0; i < names.size(); ++i) {
    TscMethodParam param;
    param.name = names[i];
    param.typeName = type;
    param.isVar = isVar;
    // Only the last name of a group gets the default.
    if (i + 1 == names.size()) {
      param.defValue = def;
      param.isOptional = !def.IsNull();
    }
    m.params.push_back(param);
  }
}

}  // namespace

TscMethodSyntax scParseMethodSyntax(const QString& syntax, const TscScript* script) {
  TscMethodSyntax m;
  TscParser p;
  p.SetText(syntax);
  QString kind = p.GetIdent();
  if (kind.compare(QLatin1String("macro"), Qt::CaseInsensitive) == 0) {
    m.isMacro = true;
    kind = p.GetIdent();
  }
  if (kind.compare(QLatin1String("function"), Qt::CaseInsensitive) == 0) {
    m.isFunc = true;
  } else if (kind.compare(QLatin1String("constructor"), Qt::CaseInsensitive) == 0) {
    m.isFunc = m.isConstructor = true;
  } else if (kind.compare(QLatin1String("procedure"), Qt::CaseInsensitive) != 0) {
    invalid(syntax);
  }
  m.name = p.GetIdent();
  if (m.name.isEmpty()) invalid(syntax);
  p.SkipSpaces();
  int at = p.Position();
  if (p.GetChar() == QLatin1String("(")) {
    for (;;) {
      p.SkipSpaces();
      at = p.Position();
      if (p.GetChar() == QLatin1String(")")) break;
      p.SetPosition(at);
      readGroup(p, m, script, syntax);
      p.SkipSpaces();
      QString c = p.GetChar();
      if (c == QLatin1String(")")) break;
      if (c != QLatin1String(";")) invalid(syntax);
    }
  } else {
    p.SetPosition(at);
  }
  if (m.isFunc && !m.isConstructor) {
    // The result type is the identifier after the last colon of the text.
    int colon = syntax.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) invalid(syntax);
    TscParser r;
    r.SetText(syntax.mid(colon + 1));
    m.resultType = r.GetIdent();
    if (m.resultType.isEmpty()) invalid(syntax);
  }
  return m;
}

TscMethodSyntax scCachedMethodSyntax(const QString& syntax, const TscScript* script) {
  static std::mutex lock;
  static QHash<QString, TscMethodSyntax> parsed;
  {
    std::lock_guard<std::mutex> guard(lock);
    auto it = parsed.constFind(syntax);
    if (it != parsed.constEnd()) return *it;
  }
  TscMethodSyntax m = scParseMethodSyntax(syntax, script);
  if (!m.namesConstants) {
    std::lock_guard<std::mutex> guard(lock);
    // Registered syntax texts are a fixed set in practice; the bound guards against a host
    // that makes new ones without end.
    if (parsed.size() >= 16384) parsed.clear();
    parsed.insert(syntax, m);
  }
  return m;
}

TscMethodHelper* scCreateMethodHelper(const QString& syntax, const TscScript* script,
                                      const QString& className) {
  TscMethodSyntax m = scCachedMethodSyntax(syntax, script);
  TscVarType typ = fvtVariant;
  QString typeName;
  if (m.isConstructor) {
    typ = fvtConstructor;
    typeName = className;
  } else if (m.isFunc) {
    typ = script ? script->TypeOf(m.resultType, &typeName) : fvtVariant;
  }
  auto* helper = new TscMethodHelper(m.name, typ, typeName);
  helper->FSyntax = syntax;
  helper->FIsMacro = m.isMacro;
  helper->FIsReadOnly = true;
  for (const TscMethodParam& p : m.params) {
    QString paramTypeName;
    TscVarType paramType = script ? script->TypeOf(p.typeName, &paramTypeName) : fvtVariant;
    auto* param = new TscParamItem(p.name, paramType, paramTypeName, p.isOptional, p.isVar);
    param->FDefValue = p.defValue;
    helper->AddParam(param);
  }
  return helper;
}
