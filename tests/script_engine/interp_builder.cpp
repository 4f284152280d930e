#include "interp_builder.h"

#include "script_engine/front/script_error.h"

namespace build {

TscCustomVariable* Var(TscScript& scope, const char* name, TscVarType typ,
                       const ScriptValue& value) {
  TscCustomVariable* var = TscScript::CreateVariable(QString::fromLatin1(name), typ, QString());
  if (!value.IsNull()) var->SetValue(value);
  scope.Add(QString::fromLatin1(name), var);
  return var;
}

TscDesignator* Ref(TscScript& scope, const char* name) {
  TscCustomVariable* var = scope.Find(QString::fromLatin1(name));
  if (!var) throw ScriptError(QStringLiteral("no variable ") + QString::fromLatin1(name));
  auto* designator = new TscDesignator(&scope);
  designator->AddDesignatorItem(var);
  designator->Finish();
  return designator;
}

TscDesignator* Call(TscScript& scope, TscCustomVariable* callee,
                    std::vector<TscCustomVariable*> args) {
  auto* designator = new TscDesignator(&scope);
  TscDesignatorItem* item = designator->AddDesignatorItem(callee);
  for (TscCustomVariable* arg : args) item->AddArgument(arg);
  designator->Finish();
  return designator;
}

TscExpression* Expr(TscScript& scope, std::initializer_list<Tok> stream, QString* error) {
  auto* e = new TscExpression(&scope);
  int column = 1;
  for (const Tok& t : stream) {
    e->SetSourcePos(QStringLiteral("1:%1").arg(column++));
    switch (t.kind) {
      case Tok::Const: e->AddConst(t.value); break;
      case Tok::Op: e->AddOperator(t.text); break;
      case Tok::Name: e->AddDesignator(Ref(scope, t.text.toLatin1().constData())); break;
      case Tok::Dsgn: e->AddDesignator(t.designator); break;
      case Tok::Set: e->AddSet(t.set); break;
    }
  }
  QString position = e->Finalize();
  if (error) {
    *error = position;
  } else if (!position.isEmpty()) {
    delete e;
    throw ScriptError(QStringLiteral("Incompatible types at ") + position);
  }
  return e;
}

TscSetExpression* SetOf(std::initializer_list<ScriptValue> elements) {
  auto* set = new TscSetExpression;
  for (const ScriptValue& element : elements) {
    if (element.IsNull()) {
      set->AddElement(nullptr);
    } else {
      auto* e = new TscExpression(nullptr);
      e->AddConst(element);
      e->Finalize();
      set->AddElement(e);
    }
  }
  return set;
}

TscAssignmentStmt* Assign(TscStatement& list, TscScript& scope, const char* name,
                          std::initializer_list<Tok> stream) {
  TscAssignmentStmt* statement =
      scCreateAssignment(&scope, Ref(scope, name), Expr(scope, stream));
  list.Add(statement);
  return statement;
}

TscCallStmt* CallStmt(TscStatement& list, TscScript& scope, TscDesignator* designator,
                      const char* modificator) {
  auto* statement = new TscCallStmt(&scope);
  statement->FDesignator.reset(designator);
  statement->FModificator = QString::fromLatin1(modificator);
  list.Add(statement);
  return statement;
}

TscProcVariable* Function(TscScript& scope, const char* name, TscVarType result,
                          std::initializer_list<const char*> params, bool isFunc) {
  auto* f = new TscProcVariable(QString::fromLatin1(name), result, QString(), &scope, isFunc);
  scope.Add(QString::fromLatin1(name), f);
  for (const char* p : params) f->AddParameter(QString::fromLatin1(p), fvtInt, QString(), false);
  return f;
}

}  // namespace build
