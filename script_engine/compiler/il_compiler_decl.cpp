// TscILCompiler: program elements, included units and declarations (variables, constants,
// arrays, procedures, functions and their parameters).
#include <QPoint>

#include "script_engine/compiler/il_compiler.h"
#include "script_engine/front/script_error.h"
#include "script_engine/front/xml.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/helpers.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"

namespace {

const QString kName = QStringLiteral("name");
const QString kText = QStringLiteral("text");

bool named(const TscXMLItem& e, const char* name) {
  return e.Name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

const TscXMLItem* child(const TscXMLItem& e, const char* name) {
  int i = e.Find(QString::fromLatin1(name));
  return i < 0 ? nullptr : e.Items(i);
}

// The value a declared variable starts with, by its type.
ScriptValue defaultValue(TscVarType typ) {
  switch (typ) {
    case fvtBool: return ScriptValue(false);
    case fvtChar:
    case fvtString: return ScriptValue(QString());
    case fvtInt:
    case fvtFloat:
    case fvtInt64:
    case fvtClass: return ScriptValue(0);
    default: return ScriptValue::Null();
  }
}

// The value hook a new variable gets: the nearest one of the script and its parents.
TscGetVarValueEvent valueHook(const TscScript* s) {
  for (; s; s = s->Parent())
    if (s->FOnGetVarValue) return s->FOnGetVarValue;
  return {};
}

}  // namespace

// --- programs ---

// Procedures and functions are declared before any statement is compiled, so a call may stand
// before the declaration in the text.
void TscILCompiler::compileProgram(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  Nesting level(this);
  const TscXMLItem* outer = FProgRoot;
  if (named(e, "program")) FProgRoot = &e;
  declareProcedures(e, s);
  for (int i = 0; i < e.Count(); ++i) DoStmt(*e.Items(i), s, list);
  FProgRoot = outer;
}

void TscILCompiler::declareProcedures(const TscXMLItem& e, TscScript* s) {
  Nesting level(this);
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& c = *e.Items(i);
    if (named(c, "procedure") || named(c, "function"))
      declareProcedure(c, s);
    else if (named(c, "compoundstmt"))
      declareProcedures(c, s);
  }
}

// An included file's declarations and statements become part of the including script; its
// statements run where the uses element stands. The unit name is restored only on success, so
// an error inside the unit is reported with its name.
void TscILCompiler::compileUses(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  const QString outer = FUnitName;
  FUnitName = e.Prop(QStringLiteral("unit"));
  QString il;
  if (FProgram->FOnGetILUnit) FProgram->FOnGetILUnit(*FProgram, FUnitName, il);
  if (!il.isEmpty()) {
    TscXMLDocument document;
    document.LoadFromString(il);
    compileProgram(*document.Root(), s, list);
  } else {
    for (int i = 0; i < e.Count(); ++i) compileProgram(*e.Items(i), s, list);
  }
  FUnitName = outer;
}

// --- names and types ---

void TscILCompiler::checkIdent(TscScript* s, const QString& name) const {
  if (s->FindLocal(name)) failNamed("SIdRedeclared", name);
}

// A written type name: the program's and the grammar's type aliases first, then a type or a
// registered class of that name.
void TscILCompiler::resolveType(TscScript* s, const QString& written, TscVarType& typ,
                                QString& typeName) {
  QString name = written;
  for (const TscXMLItem* types : {FProgRoot ? child(*FProgRoot, "types") : nullptr,
                                  FGrammarTypes}) {
    if (!types) continue;
    int i = types->Find(name);
    if (i >= 0) {
      name = types->Items(i)->Prop(QStringLiteral("type"));
      break;
    }
  }
  bool known = false;
  typ = s->TypeOf(name, &typeName, &known);
  if (!known) failNamed("SUnknownType", name);
}

// --- constants and variables ---

void TscILCompiler::compileConst(const TscXMLItem& e, TscScript* s) {
  const TscXMLItem* ident = child(e, "ident");
  const TscXMLItem* expr = child(e, "expr");
  if (!ident || !expr) return;
  takePos(*ident);
  const QString name = ident->Prop(kText);
  checkIdent(s, name);
  std::unique_ptr<TscExpression> x(DoExpression(*expr, s));
  TscCustomVariable* v = TscScript::CreateVariable(name, x->FTyp, x->FTypeName);
  v->SetValue(x->GetValue());
  v->FIsReadOnly = true;
  v->FSourcePos = ident->Prop(QStringLiteral("pos"));
  v->FSourceUnit = FUnitName;
  s->Add(name, v);
}

// One var element declares each of its names. When the type leaf comes first (C-like syntax),
// the elements after a name up to the next name belong to it alone; otherwise every name gets
// every element after it.
void TscILCompiler::compileVar(const TscXMLItem& e, TscScript* s, TscStatement* list) {
  int typeAt = e.Find(QStringLiteral("type"));
  const bool typeFirst = typeAt == 0;
  QString written = typeAt >= 0 ? e.Items(typeAt)->Prop(kText) : QString();
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& ident = *e.Items(i);
    if (!named(ident, "ident")) continue;
    takePos(ident);
    const QString name = ident.Prop(kText);
    checkIdent(s, name);
    TscVarType typ = fvtVariant;
    QString typeName;
    if (!written.isEmpty()) resolveType(s, written, typ, typeName);
    TscCustomVariable* v = TscScript::CreateVariable(name, typ, typeName);
    v->SetValue(defaultValue(typ));
    v->FSourcePos = ident.Prop(QStringLiteral("pos"));
    v->FSourceUnit = FUnitName;
    v->FOnGetVarValue = valueHook(s);
    s->Add(name, v);
    for (int j = i + 1; j < e.Count(); ++j) {
      const TscXMLItem& part = *e.Items(j);
      if (typeFirst && named(part, "ident")) break;
      if (named(part, "array")) makeArray(part, s, v);
      if (!named(part, "init") || part.Count() == 0) continue;
      // The initial value is assigned where the declaration stands in the program.
      auto* target = new TscDesignator(s);
      target->AddDesignatorItem(v, ident.Prop(QStringLiteral("pos")));
      target->Finish();
      std::unique_ptr<TscDesignator> owner(target);
      std::unique_ptr<TscExpression> x(DoExpression(*part.Items(0), s));
      checkAssignable(v, x.get());
      list->Add(stamp(scCreateAssignment(s, owner.release(), x.release()), ident));
    }
  }
}

// Bounds low..high, or 0..n-1 for one expression; no dimension at all is 0..0. The variable
// becomes an array of variants with an element helper of one index per dimension.
void TscILCompiler::makeArray(const TscXMLItem& e, TscScript* s, TscCustomVariable* v) {
  std::vector<ArrayBound> bounds;
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& dim = *e.Items(i);
    if (!named(dim, "dim") || dim.Count() == 0) continue;
    takePos(dim);
    std::unique_ptr<TscExpression> first(DoExpression(*dim.Items(0), s));
    ArrayBound b;
    if (dim.Count() >= 2) {
      std::unique_ptr<TscExpression> second(DoExpression(*dim.Items(1), s));
      b.low = first->GetValue().ToInt32();
      b.high = second->GetValue().ToInt32();
    } else {
      b.high = first->GetValue().ToInt32() - 1;
    }
    bounds.push_back(b);
  }
  if (bounds.empty()) bounds.push_back(ArrayBound{0, 0});
  ScriptValue array = ScriptValue::CreateArray(bounds);
  auto* helper = new TscArrayHelper(QStringLiteral("__ArrayHelper"), int(bounds.size()),
                                    int(bounds.size()));
  s->Add(QString(), helper);
  v->SetType(fvtArray, QString());
  v->SetValue(array);
  v->FRefItem = helper;
}

// --- procedures and functions ---

void TscILCompiler::declareProcedure(const TscXMLItem& e, TscScript* s) {
  const TscXMLItem* nameLeaf = child(e, "name");
  if (!nameLeaf) return;
  takePos(*nameLeaf);
  const QString name = nameLeaf->Prop(kText);
  checkIdent(s, name);
  bool isFunc = named(e, "function");
  TscVarType typ = fvtVariant;
  QString typeName;
  if (const TscXMLItem* type = child(e, "type"); isFunc && type) {
    const QString written = type->Prop(kText);
    takePos(*type);
    if (written.compare(QLatin1String("void"), Qt::CaseInsensitive) == 0)
      isFunc = false;
    else
      resolveType(s, written, typ, typeName);
  }
  auto* proc = new TscProcVariable(name, typ, typeName, s, isFunc);
  proc->FSourcePos = e.Prop(QStringLiteral("pos"));
  proc->FSourceUnit = FUnitName;
  s->Add(name, proc);
  if (const TscXMLItem* params = child(e, "parameters")) declareParameters(*params, proc);
}

// An empty varparams element makes the next var element by-reference; a varparam leaf inside a
// var element makes the next name by-reference.
void TscILCompiler::declareParameters(const TscXMLItem& e, TscProcVariable* proc) {
  TscScript* local = proc->Program();
  bool nextVarByRef = false;
  for (int i = 0; i < e.Count(); ++i) {
    const TscXMLItem& group = *e.Items(i);
    if (named(group, "varparams")) {
      nextVarByRef = true;
      continue;
    }
    if (!named(group, "var")) continue;
    const bool groupByRef = nextVarByRef;
    nextVarByRef = false;
    int typeAt = group.Find(QStringLiteral("type"));
    const bool typeFirst = typeAt == 0;
    const QString written = typeAt >= 0 ? group.Items(typeAt)->Prop(kText) : QString();
    bool nameByRef = false;
    for (int j = 0; j < group.Count(); ++j) {
      const TscXMLItem& ident = *group.Items(j);
      if (named(ident, "varparam")) nameByRef = true;
      if (!named(ident, "ident")) continue;
      takePos(ident);
      const QString name = ident.Prop(kText);
      checkIdent(local, name);
      TscVarType typ = fvtVariant;
      QString typeName;
      if (!written.isEmpty()) resolveType(local, written, typ, typeName);
      TscParamItem* p = proc->AddParameter(name, typ, typeName, groupByRef || nameByRef);
      nameByRef = false;
      p->FValue = defaultValue(typ);
      p->FSourcePos = ident.Prop(QStringLiteral("pos"));
      p->FSourceUnit = FUnitName;
      for (int k = j + 1; k < group.Count(); ++k) {
        const TscXMLItem& part = *group.Items(k);
        if (typeFirst && named(part, "ident")) break;
        if (!named(part, "init") || part.Count() == 0) continue;
        std::unique_ptr<TscExpression> x(DoExpression(*part.Items(0), local));
        checkAssignable(p, x.get());
        p->FDefValue = x->GetValue();
        p->FIsOptional = true;
      }
    }
  }
}

// The body goes into the procedure's local script; nested procedures are declared by the first
// pass of that compilation.
void TscILCompiler::compileProcedure(const TscXMLItem& e, TscScript* s) {
  const TscXMLItem* nameLeaf = child(e, "name");
  if (!nameLeaf) return;
  takePos(*nameLeaf);
  auto* proc = dynamic_cast<TscProcVariable*>(s->FindLocal(nameLeaf->Prop(kText)));
  if (!proc) return;
  std::vector<WithEntry> outerWith;
  outerWith.swap(FWithList);
  compileProgram(e, proc->Program(), proc->Program()->Statement());
  FWithList.swap(outerWith);
}
