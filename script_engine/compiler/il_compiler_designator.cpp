// TscILCompiler: designators. A dsgn element is a list of node leaves (names, "[" opening an
// index) and expr children (arguments and indices of the item before them). Each name is resolved
// against what the item before it yields: a variable's class, a string, an array, or a Variant
// whose value decides at compile time, or, when it is still unknown, when the designator first
// runs (late binding).
#include "script_engine/compiler/il_compiler.h"
#include "script_engine/front/script_messages.h"
#include "script_engine/front/xml.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/helpers.h"
#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"

struct TscILCompiler::DsgnState {
  TscScript* s = nullptr;
  const TscXMLItem* source = nullptr;
  std::unique_ptr<TscDesignator> d;
  TscDesignatorItem* item = nullptr;  // the last item; arguments go to it
  TscCustomVariable* ref = nullptr;   // what the last item refers to
  TscVarType typ = fvtVariant;        // and its type (a constructor yields its class)
  QString typeName;
  bool awaitingIndex = false;  // ref is an indexed property not yet given "["
  bool late = false;
  TscCustomVariable* withVariable = nullptr;  // the with-variable put before the first name

  void add(TscCustomVariable* r, const QString& pos, bool owned = false) {
    item = d->AddDesignatorItem(r, pos, owned);
    ref = r;
    if (r->FTyp == fvtConstructor) {
      typ = fvtClass;  // the class of the item before it stays the type name
    } else {
      typ = r->FTyp;
      typeName = r->FTypeName;
    }
    auto* m = dynamic_cast<TscMethodHelper*>(r);
    awaitingIndex = m && m->FIndexMethod;
  }
};

namespace {

bool named(const TscXMLItem& e, const char* name) {
  return e.Name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// A variable whose value may be read at compile time (reading anything else would run code).
bool isPlainVariable(const TscCustomVariable* v) {
  return dynamic_cast<const TscVariable*>(v) || dynamic_cast<const TscParamItem*>(v);
}

bool isNil(const ScriptValue& v) {
  return v.IsEmptyOrNull() || (v.IsInteger() && v.ToInt64() == 0);
}

const QString kOpenIndex = QStringLiteral("[");

}  // namespace

TscDesignator* TscILCompiler::DoDesignator(const TscXMLItem& e, TscScript* s, TscEmitOp emitOp) {
  Nesting level(this);
  DsgnState st;
  st.s = s;
  st.source = &e;
  st.d = std::make_unique<TscDesignator>(s);
  takePos(e);
  for (int i = 0; i < e.Count() && !st.late; ++i) {
    const TscXMLItem& c = *e.Items(i);
    takePos(c);
    if (named(c, "addr")) {
      // A procedure given as a value is its name, a string constant.
      if (e.Count() != 2 || !named(*e.Items(1), "node"))
        fail(scMessages::Text(QStringLiteral("SVarRequired")));
      const TscXMLItem& node = *e.Items(1);
      takePos(node);
      auto* name = new TscVariable(QString(), fvtString, QString());
      name->SetValue(ScriptValue(node.Prop(QStringLiteral("text"))));
      name->FIsReadOnly = true;
      st.add(name, node.Prop(QStringLiteral("pos")), true);
      break;
    }
    if (named(c, "node")) {
      const QString text = c.Prop(QStringLiteral("text"));
      const QString pos = c.Prop(QStringLiteral("pos"));
      if (!st.item && !st.withVariable)
        firstItem(st, text, pos, emitOp);
      else
        laterItem(st, text, pos);
    } else if (named(c, "expr") && st.item) {
      std::unique_ptr<TscExpression> x(DoExpression(c, s));
      st.item->AddArgument(x.release());
    }
  }
  if (st.late) {
    if (emitOp == emFree) fail(scMessages::Text(QStringLiteral("SClassRequired")));
    return st.d.release();
  }
  if (!st.item) fail(scMessages::Text(QStringLiteral("SVarRequired")));
  if (emitOp == emFree) {
    if (st.typ != fvtClass && st.typ != fvtVariant)
      fail(scMessages::Text(QStringLiteral("SClassRequired")));
    TscClassVariable* object = s->FindClass(QStringLiteral("TObject"));
    if (!object) failNamed("SUnknownType", QStringLiteral("TObject"));
    TscCustomHelper* freeMember = object->FindMember(QStringLiteral("Free"));
    if (!freeMember) failNamed("SIdUndeclared", QStringLiteral("Free"));
    st.add(freeMember, FErrorPos);
  }
  checkArguments(st.d.get());
  st.d->Finish();
  return st.d.release();
}

// The first name: a member of an active with-object, else a name of the script or its parents,
// else (where the syntax allows undeclared names) a new Variant variable.
void TscILCompiler::firstItem(DsgnState& st, const QString& name, const QString& pos,
                              TscEmitOp emitOp) {
  // Unnamed items (element helpers) are never reachable by a name.
  if (name.isEmpty()) failNamed("SIdUndeclared", name);
  if (fromWith(st, name, pos)) return;
  TscCustomVariable* v = st.s->Find(name);
  if (!v) {
    if (FNeedDeclareVars) failNamed("SIdUndeclared", name);
    v = TscScript::CreateVariable(name, fvtVariant, QString());
    v->FSourcePos = pos;
    v->FSourceUnit = FUnitName;
    st.s->Add(name, v);
  }
  st.add(v, pos);
  if (emitOp != emCreate) return;
  auto* cls = dynamic_cast<TscClassVariable*>(v);
  if (!cls) fail(scMessages::Text(QStringLiteral("SClassRequired")));
  TscCustomHelper* create = cls->FindMember(QStringLiteral("Create"));
  if (!create) failNamed("SIdUndeclared", QStringLiteral("Create"));
  st.add(create, pos);
}

// With-variables, innermost first: a class-typed one whose class has the member puts its hidden
// variable before the name; a Variant-typed one takes every name the script does not know, bound
// late since its object is known only when the with statement runs.
bool TscILCompiler::fromWith(DsgnState& st, const QString& name, const QString& pos) {
  for (auto it = FWithList.rbegin(); it != FWithList.rend(); ++it) {
    TscCustomVariable* w = it->variable;
    if (w->FTyp == fvtClass) {
      TscClassVariable* cls = st.s->FindClass(w->FTypeName);
      if (!cls || !cls->FindMember(name)) continue;
      st.withVariable = w;
      st.add(w, pos);
      laterItem(st, name, pos);
      return true;
    }
    if (st.s->Find(name)) return false;
    st.withVariable = w;
    markLate(st, w);
    return true;
  }
  return false;
}

void TscILCompiler::laterItem(DsgnState& st, const QString& name, const QString& pos) {
  const bool index = name == kOpenIndex;
  if (st.awaitingIndex) {
    // The index expressions that follow belong to the indexed property itself.
    if (!index) fail(scMessages::Text(QStringLiteral("SIndexRequired")));
    st.awaitingIndex = false;
    return;
  }
  switch (st.typ) {
    case fvtVariant:
      variantPart(st, name, pos);
      return;
    case fvtString:
    case fvtChar:
      if (!index) fail(scMessages::Text(QStringLiteral("SStringError")));
      st.add(sharedHelper(st.s, QStringLiteral("__StringHelper")), pos);
      return;
    case fvtClass:
      classMember(st, name, pos);
      return;
    case fvtArray: {
      if (!index) fail(scMessages::Text(QStringLiteral("SArrayRequired")));
      auto* own = dynamic_cast<TscArrayHelper*>(st.ref->FRefItem);
      st.add(own ? static_cast<TscCustomVariable*>(own)
                 : sharedHelper(st.s, QStringLiteral("__ArrayHelper")),
             pos);
      return;
    }
    default:
      fail(scMessages::Text(index ? QStringLiteral("SArrayRequired")
                                  : QStringLiteral("SClassRequired")));
  }
}

// A Variant part: a variable's value, read now, tells what follows; a value that cannot be read
// now (a function result, a property) or is still nil is bound when the designator first runs.
void TscILCompiler::variantPart(DsgnState& st, const QString& name, const QString& pos) {
  const bool index = name == kOpenIndex;
  const bool readable = isPlainVariable(st.ref) && st.item->Count() == 0;
  const ScriptValue v = readable ? st.ref->GetValue() : ScriptValue::Null();
  if (v.IsString()) {
    if (!index) fail(scMessages::Text(QStringLiteral("SStringError")));
    st.add(sharedHelper(st.s, QStringLiteral("__StringHelper")), pos);
    return;
  }
  if (v.IsArray() || (index && (!readable || FRunTime))) {
    if (!index) fail(scMessages::Text(QStringLiteral("SIndexRequired")));
    st.add(sharedHelper(st.s, QStringLiteral("__ArrayHelper")), pos);
    return;
  }
  if (TscHostObject* object = scTryObjectOf(v); object && object->HostClass()) {
    st.typ = fvtClass;
    st.typeName = object->HostClass()->ClassName();
    classMember(st, name, pos);
    return;
  }
  // Still unknown while the script runs: nothing later can tell what it is. An object that has
  // been freed says so.
  if (FRunTime) {
    if (v.IsObject()) scObjectOf(v);
    fail(scMessages::Text(QStringLiteral("SClassRequired")));
  }
  markLate(st, st.withVariable);
}

void TscILCompiler::classMember(DsgnState& st, const QString& name, const QString& pos) {
  TscClassVariable* cls = st.s->FindClass(st.typeName);
  if (!cls) failNamed("SUnknownType", st.typeName);
  if (name == kOpenIndex) {
    if (!cls->FDefProperty)
      fail(scMessages::Text(QStringLiteral("SClassError")).replace(QStringLiteral("%s"),
                                                                   cls->FName));
    st.add(cls->FDefProperty, pos);
    st.awaitingIndex = false;
    return;
  }
  if (TscCustomHelper* member = cls->FindMember(name)) {
    st.add(member, pos);
    return;
  }
  const bool readable = isPlainVariable(st.ref) && st.item->Count() == 0;
  const ScriptValue v = readable ? st.ref->GetValue() : ScriptValue(1);
  if (TscHostObject* object = scTryObjectOf(v)) {
    for (int i = 0; i < object->ComponentCount(); ++i) {
      TscHostObject* c = object->Component(i);
      if (!c || c->ObjectName().compare(name, Qt::CaseInsensitive) != 0) continue;
      const QString className = c->HostClass() ? c->HostClass()->ClassName() : QString();
      st.add(new TscComponentHelper(c->ObjectName(), c, className), pos, true);
      return;
    }
  }
  TscScript* main = st.s->MainProgram();
  if (readable && isNil(v) && st.s->FUseClassLateBinding && !FRunTime && !main->FIsRunning) {
    markLate(st, st.withVariable);
    return;
  }
  failNamed("SIdUndeclared", name);
}

// The designator keeps its element, with the with-variable's name put first when one stood
// before the first name, and is compiled again when it first runs.
void TscILCompiler::markLate(DsgnState& st, TscCustomVariable* withVariable) {
  auto kept = std::make_unique<TscXMLItem>();
  kept->Assign(*st.source);
  if (withVariable) {
    auto* node = new TscXMLItem(QStringLiteral("node"));
    node->SetProp(QStringLiteral("text"), withVariable->FName);
    node->SetProp(QStringLiteral("pos"), st.source->Prop(QStringLiteral("pos")));
    kept->InsertItem(0, node);
  }
  QStringList with;
  for (const WithEntry& w : FWithList) with << w.variable->FName;
  kept->SetProp(QStringLiteral("declare"), FNeedDeclareVars ? QStringLiteral("1")
                                                            : QStringLiteral("0"));
  kept->SetProp(QStringLiteral("unit"), FUnitName);
  kept->SetProp(QStringLiteral("with"), with.join(QLatin1Char(',')));
  st.d = std::make_unique<TscDesignator>(st.s);
  st.d->FLateBindingXmlSource = std::move(kept);
  st.item = nullptr;
  st.late = true;
}

// Arguments against parameters: counts, types, and the defaults of missing optional ones.
void TscILCompiler::checkArguments(TscDesignator* d) {
  for (int i = 0; i < d->Count(); ++i) {
    TscDesignatorItem* item = d->DesignatorItem(i);
    if (item->FFlag || !item->FRef) continue;
    TscCustomVariable* ref = item->FRef;
    if (!item->FSourcePos.isEmpty()) FErrorPos = item->FSourcePos;
    const int args = item->Count();
    const int params = ref->Count();
    if (args < ref->GetNumberOfRequiredParams())
      fail(scMessages::Text(QStringLiteral("SNotEnoughParams")));
    if (args > params) fail(scMessages::Text(QStringLiteral("STooManyParams")));
    // A macro receives its arguments as source text: their types do not matter.
    if (!ref->FIsMacro)
      for (int j = 0; j < args; ++j) checkAssignable(ref->Param(j), item->Argument(j));
    for (int j = args; j < params; ++j) {
      auto x = std::make_unique<TscExpression>(d->FProgram);
      x->SetSourcePos(item->FSourcePos);
      x->AddConst(ref->Param(j)->FDefValue);
      x->Finalize();
      item->AddArgument(x.release());
    }
  }
}

// The shared string and array helpers are registered by the system module; a script without it
// gets its own, so that indexing works in every script.
TscCustomVariable* TscILCompiler::sharedHelper(TscScript* s, const QString& name) {
  if (auto* h = dynamic_cast<TscCustomHelper*>(s->Find(name))) return h;
  TscScript* root = s;
  while (root->Parent()) root = root->Parent();
  TscCustomHelper* h = name == QLatin1String("__StringHelper")
                           ? static_cast<TscCustomHelper*>(new TscStringHelper)
                           : new TscArrayHelper(name, 3, 1);
  root->Add(name, h);
  return h;
}
