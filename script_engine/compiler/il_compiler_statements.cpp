// TscILCompiler: expressions, set constructors and statements.
#include <QPoint>

#include "script_engine/compiler/il_compiler.h"
#include "script_engine/front/lexer.h"
#include "script_engine/front/script_messages.h"
#include "script_engine/front/xml.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"

namespace {

const QString kText = QStringLiteral("text");
const QString kPos = QStringLiteral("pos");

bool named(const TscXMLItem& e, const char* name) {
  return e.Name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// A number token: a 64-bit integer ("$" for hexadecimal), Integer when it fits 32 bits, else a
// floating-point number with "." as the decimal separator whatever the locale.
ScriptValue numberOf(const QString& token, bool& ok) {
  ok = true;
  bool isInt = false;
  qint64 i = 0;
  if (token.startsWith(QLatin1Char('$'))) {
    quint64 u = token.mid(1).toULongLong(&isInt, 16);
    i = static_cast<qint64>(u);
  } else {
    i = token.toLongLong(&isInt, 10);
  }
  if (isInt) return ScriptValue::FromInteger(i);
  double d = token.toDouble(&ok);
  return ScriptValue(d);
}

// line:column to a position of the lexer's text, or -1.
int plainPosition(const TscParser& source, const QString& xy) {
  bool okLine = false, okColumn = false;
  int line = xy.section(QLatin1Char(':'), 0, 0).toInt(&okLine);
  int column = xy.section(QLatin1Char(':'), 1, 1).toInt(&okColumn);
  if (!okLine || !okColumn) return -1;
  return source.GetPlainPosition(QPoint(column, line));
}

}  // namespace

// --- expressions ---

TscExpression* TscILCompiler::DoExpression(const TscXMLItem& e, TscScript* s) {
  Nesting level(this);
  takePos(e);
  auto x = std::make_unique<TscExpression>(s);
  addExprChildren(x.get(), e, s);
  x->FSource = sourceText(e.Prop(kPos), e.Prop(QStringLiteral("pos1")));
  const QString misfit = x->Finalize();
  if (!misfit.isEmpty()) {
    FErrorPos = misfit;
    fail(scMessages::Text(QStringLiteral("SIncompatibleTypes")));
  }
  return x.release();
}

// The operator stream: a nested expr contributes its children to the same stream. An operator
// left dangling at the end (its operand missing) is dropped; a closing bracket never is.
void TscILCompiler::addExprChildren(TscExpression* x, const TscXMLItem& e, TscScript* s) {
  Nesting level(this);
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& c = *e.Items(i);
    takePos(c);
    x->SetSourcePos(FErrorPos);
    if (named(c, "op")) {
      const QString op = c.Prop(kText).toLower();
      if (op != QLatin1String(")") && i == e.Count() - 1) continue;
      x->AddOperator(op);
    } else if (named(c, "number")) {
      bool ok = false;
      ScriptValue v = numberOf(c.Prop(kText), ok);
      if (!ok) fail(QStringLiteral("Invalid number: '%1'").arg(c.Prop(kText)));
      x->AddConst(v);
    } else if (named(c, "string")) {
      const QString token = c.Prop(kText);
      x->AddConst(ScriptValue(token.mid(1, token.size() - 2)));
    } else if (named(c, "dsgn")) {
      x->AddDesignator(DoDesignator(c, s, emNone));
    } else if (named(c, "set")) {
      x->AddSet(doSet(c, s));
    } else if (named(c, "new")) {
      const int d = c.Find(QStringLiteral("dsgn"));
      if (d >= 0) x->AddDesignator(DoDesignator(*c.Items(d), s, emCreate));
    } else if (named(c, "expr")) {
      addExprChildren(x, c, s);
    }
  }
}

TscSetExpression* TscILCompiler::doSet(const TscXMLItem& e, TscScript* s) {
  takePos(e);
  auto set = std::make_unique<TscSetExpression>();
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& c = *e.Items(i);
    if (named(c, "expr"))
      set->AddElement(DoExpression(c, s));
    else if (named(c, "range"))
      set->AddElement(nullptr);
  }
  return set.release();
}

QString TscILCompiler::sourceText(const QString& from, const QString& to) const {
  if (!FSource || !FUnitName.isEmpty() || from.isEmpty() || to.isEmpty()) return QString();
  const int a = plainPosition(*FSource, from);
  const int b = plainPosition(*FSource, to);
  if (a < 1 || b < a) return QString();
  return FSource->Text().mid(a - 1, b - a).trimmed();
}

// --- statements ---

TscStatement* TscILCompiler::stamp(TscStatement* statement, const TscXMLItem& e) const {
  statement->FSourcePos = e.Prop(kPos);
  statement->FUnitName = FUnitName;
  if (!statement->FSourcePos.isEmpty()) FProgram->AddCodeLine(FUnitName, statement->FSourcePos);
  return statement;
}

void TscILCompiler::DoStmt(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  Nesting level(this);
  takePos(e);
  const QString n = e.Name().toLower();
  if (n == QLatin1String("assignstmt")) compileAssign(e, s, list);
  else if (n == QLatin1String("callstmt")) compileCall(e, s, list);
  else if (n == QLatin1String("ifstmt")) compileIf(e, s, list);
  else if (n == QLatin1String("casestmt")) compileCase(e, s, list);
  else if (n == QLatin1String("forstmt")) compileFor(e, s, list, false);
  else if (n == QLatin1String("vbforstmt")) compileFor(e, s, list, true);
  else if (n == QLatin1String("cppforstmt")) compileCppFor(e, s, list);
  else if (n == QLatin1String("whilestmt")) compileWhile(e, s, list);
  else if (n == QLatin1String("repeatstmt")) compileRepeat(e, s, list);
  else if (n == QLatin1String("trystmt")) compileTry(e, s, list);
  else if (n == QLatin1String("break")) list->Add(stamp(new TscBreakStmt(s), e));
  else if (n == QLatin1String("continue")) list->Add(stamp(new TscContinueStmt(s), e));
  else if (n == QLatin1String("exit")) list->Add(stamp(new TscExitStmt(s), e));
  else if (n == QLatin1String("return")) compileReturn(e, s, list);
  else if (n == QLatin1String("with")) compileWith(e, s, list);
  else if (n == QLatin1String("delete")) compileDelete(e, s, list);
  else if (n == QLatin1String("compoundstmt"))
    for (int i = 0; i < e.Count(); ++i) DoStmt(*e.Items(i), s, list);
  else if (n == QLatin1String("uses")) compileUses(e, s, list);
  else if (n == QLatin1String("var")) compileVar(e, s, list);
  else if (n == QLatin1String("const")) compileConst(e, s);
  else if (n == QLatin1String("procedure") || n == QLatin1String("function"))
    compileProcedure(e, s);
}

void TscILCompiler::compileAssign(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  if (e.Count() == 0) return;
  // "Set x = ..." of BasicScript wraps the assignment in another one.
  if (!named(*e.Items(0), "dsgn")) {
    for (int i = 0; i < e.Count(); ++i) DoStmt(*e.Items(i), s, list);
    return;
  }
  std::unique_ptr<TscDesignator> target(DoDesignator(*e.Items(0), s, emNone));
  if (target->FIsReadOnly) fail(scMessages::Text(QStringLiteral("SLeftCantAssigned")));
  QChar modifier;
  int at = 1;
  if (e.Count() > 1 && named(*e.Items(1), "modificator")) {
    const QString m = e.Items(1)->Prop(kText);
    modifier = m.isEmpty() ? QChar() : m[0];
    at = 2;
  }
  if (at >= e.Count()) return;
  std::unique_ptr<TscExpression> value(DoExpression(*e.Items(at), s));
  checkAssignable(target.get(), value.get());
  TscAssignmentStmt* a = scCreateAssignment(s, target.release(), value.release(), modifier);
  list->Add(stamp(a, e));
}

void TscILCompiler::compileCall(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  if (e.Count() == 0) return;
  std::unique_ptr<TscDesignator> d(DoDesignator(*e.Items(0), s, emNone));
  auto call = std::make_unique<TscCallStmt>(s);
  if (e.Count() > 1 && named(*e.Items(1), "modificator")) {
    if (d->FIsReadOnly) fail(scMessages::Text(QStringLiteral("SLeftCantAssigned")));
    call->FModificator = e.Items(1)->Prop(kText);
  }
  call->FDesignator = std::move(d);
  list->Add(stamp(call.release(), e));
}

void TscILCompiler::compileIf(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  if (e.Count() == 0) return;
  auto stmt = std::make_unique<TscIfStmt>(s);
  stmt->FCondition.reset(DoExpression(*e.Items(0), s));
  for (int i = 1; i < e.Count(); ++i) {
    const TscXMLItem& part = *e.Items(i);
    TscStatement* into = named(part, "elsestmt") ? stmt->FElseStmt.get() : stmt.get();
    for (int j = 0; j < part.Count(); ++j) DoStmt(*part.Items(j), s, into);
  }
  list->Add(stamp(stmt.release(), e));
}

void TscILCompiler::compileCase(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  if (e.Count() == 0) return;
  auto stmt = std::make_unique<TscCaseStmt>(s);
  stmt->FCondition.reset(DoExpression(*e.Items(0), s));
  for (int i = 1; i < e.Count(); ++i) {
    const TscXMLItem& part = *e.Items(i);
    if (!named(part, "caseselector")) {
      if (i == e.Count() - 1) DoStmt(part, s, stmt->FElseStmt.get());
      continue;
    }
    if (part.Count() != 2) continue;
    takePos(part);
    auto selector = std::make_unique<TscCaseSelector>(s);
    selector->FSetExpression.reset(doSet(*part.Items(0), s));
    DoStmt(*part.Items(1), s, selector.get());
    stmt->Add(stamp(selector.release(), part));
  }
  list->Add(stamp(stmt.release(), e));
}

// The loop variable: found by name as any designator's first name, and a plain numeric
// variable, since the loop stores the counter straight into it.
TscCustomVariable* TscILCompiler::loopVariable(const TscXMLItem& ident, TscScript* s) {
  takePos(ident);
  const QString name = ident.Prop(kText);
  if (!named(ident, "ident") || name.isEmpty())
    fail(scMessages::Text(QStringLiteral("SForError")));
  TscCustomVariable* v = s->Find(name);
  if (!v) {
    if (FNeedDeclareVars) failNamed("SIdUndeclared", name);
    v = TscScript::CreateVariable(name, fvtVariant, QString());
    s->Add(name, v);
  }
  const bool plain = (dynamic_cast<TscVariable*>(v) || dynamic_cast<TscParamItem*>(v)) &&
                     !v->FIsReadOnly;
  const bool numeric = v->FTyp == fvtInt || v->FTyp == fvtFloat || v->FTyp == fvtVariant ||
                       v->FTyp == fvtInt64;
  if (!plain || !numeric) fail(scMessages::Text(QStringLiteral("SForError")));
  return v;
}

// forstmt: ident, start, [downto], end, [body]; vbforstmt: ident, start, end, [step], [body].
void TscILCompiler::compileFor(const TscXMLItem& e, TscScript* s, TscStatement* list,
                               bool basic) {
  if (e.Count() < 3) return;
  TscCustomVariable* v = loopVariable(*e.Items(0), s);
  std::unique_ptr<TscExpression> first(DoExpression(*e.Items(1), s));
  checkAssignable(v, first.get());
  int at = 2;
  bool down = false;
  if (!basic && named(*e.Items(at), "downto")) {
    down = true;
    ++at;
  }
  if (at >= e.Count()) return;
  std::unique_ptr<TscExpression> last(DoExpression(*e.Items(at++), s));
  checkAssignable(v, last.get());
  std::unique_ptr<TscExpression> step;
  if (basic && at < e.Count() && named(*e.Items(at), "expr")) {
    step.reset(DoExpression(*e.Items(at++), s));
    checkAssignable(v, step.get());
  }
  TscStatement* loop;
  if (basic) {
    auto stmt = std::make_unique<TscVbForStmt>(s);
    stmt->FVariable = v;
    stmt->FBeginValue = std::move(first);
    stmt->FEndValue = std::move(last);
    stmt->FStep = std::move(step);
    loop = stmt.release();
  } else {
    auto stmt = std::make_unique<TscForStmt>(s);
    stmt->FVariable = v;
    stmt->FBeginValue = std::move(first);
    stmt->FEndValue = std::move(last);
    stmt->FDown = down;
    loop = stmt.release();
  }
  std::unique_ptr<TscStatement> owner(loop);
  if (at < e.Count()) DoStmt(*e.Items(at), s, loop);
  list->Add(stamp(owner.release(), e));
}

void TscILCompiler::compileCppFor(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  if (e.Count() < 3) return;
  auto stmt = std::make_unique<TscCppForStmt>(s);
  DoStmt(*e.Items(0), s, stmt->FFirstStmt.get());
  stmt->FExpression.reset(DoExpression(*e.Items(1), s));
  DoStmt(*e.Items(2), s, stmt->FSecondStmt.get());
  if (e.Count() > 3) DoStmt(*e.Items(3), s, stmt.get());
  list->Add(stamp(stmt.release(), e));
}

void TscILCompiler::compileWhile(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  if (e.Count() == 0) return;
  auto stmt = std::make_unique<TscWhileStmt>(s);
  stmt->FCondition.reset(DoExpression(*e.Items(0), s));
  if (e.Count() > 1) DoStmt(*e.Items(1), s, stmt.get());
  list->Add(stamp(stmt.release(), e));
}

// The body, the condition, and an inverse leaf last when the loop runs while it holds.
void TscILCompiler::compileRepeat(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  int cond = e.Count() - 1;
  auto stmt = std::make_unique<TscRepeatStmt>(s);
  if (cond >= 0 && named(*e.Items(cond), "inverse")) {
    stmt->FInverseCondition = true;
    --cond;
  }
  if (cond < 0) return;
  for (int i = 0; i < cond; ++i) DoStmt(*e.Items(i), s, stmt.get());
  stmt->FCondition.reset(DoExpression(*e.Items(cond), s));
  list->Add(stamp(stmt.release(), e));
}

void TscILCompiler::compileTry(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  auto stmt = std::make_unique<TscTryStmt>(s);
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& part = *e.Items(i);
    const bool handler = named(part, "exceptstmt");
    if (handler || named(part, "finallystmt")) {
      stmt->FIsExcept = handler;
      for (int j = 0; j < part.Count(); ++j) DoStmt(*part.Items(j), s, stmt->FExceptStmt.get());
    } else {
      DoStmt(part, s, stmt.get());
    }
  }
  list->Add(stamp(stmt.release(), e));
}

// return x: an assignment of x to Result, as if written, then an exit.
void TscILCompiler::compileReturn(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  const int x = e.Find(QStringLiteral("expr"));
  if (x >= 0) {
    TscXMLItem assign(QStringLiteral("assignstmt"));
    assign.SetText(e.Text());
    TscXMLItem* d = assign.Add(QStringLiteral("dsgn"));
    d->SetProp(kPos, e.Prop(kPos));
    TscXMLItem* node = d->Add(QStringLiteral("node"));
    node->SetProp(kText, QStringLiteral("Result"));
    node->SetProp(kPos, e.Prop(kPos));
    assign.Add()->Assign(*e.Items(x));
    compileAssign(assign, s, list);
  }
  list->Add(stamp(new TscExitStmt(s), e));
}

// Each object is stored in a hidden variable by a with-entry; names in the body look at them
// first (see fromWith). The hidden variables stay active for the body only.
void TscILCompiler::compileWith(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  const std::size_t outer = FWithList.size();
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& part = *e.Items(i);
    if (!named(part, "dsgn")) {
      DoStmt(part, s, list);
      continue;
    }
    std::unique_ptr<TscDesignator> d(DoDesignator(part, s, emNone));
    if (d->FTyp != fvtClass && d->FTyp != fvtVariant)
      fail(scMessages::Text(QStringLiteral("SClassRequired")));
    QString name;
    for (int n = 1;; ++n) {
      name = QStringLiteral("_WithList_%1").arg(n);
      bool used = s->FindLocal(name) != nullptr;
      for (const WithEntry& w : FWithList) used = used || w.variable->FName == name;
      if (!used) break;
    }
    auto* hidden = new TscVariable(name, d->FTyp, d->FTypeName);
    s->Add(name, hidden);
    auto entry = std::make_unique<TscWithStmt>(s);
    entry->FDesignator = std::move(d);
    entry->FVariable = hidden;
    list->Add(stamp(entry.release(), part));
    FWithList.push_back(WithEntry{hidden});
  }
  FWithList.resize(outer);
}

void TscILCompiler::compileDelete(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  const int d = e.Find(QStringLiteral("dsgn"));
  if (d < 0) return;
  auto call = std::make_unique<TscCallStmt>(s);
  call->FDesignator.reset(DoDesignator(*e.Items(d), s, emFree));
  list->Add(stamp(call.release(), e));
}
