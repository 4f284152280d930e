#pragma once
// Builds script programs through the interpreter's own API, the way the compiler's second phase
// does: variables in a script, designators, expressions from an operator stream, statements.
#include <QString>

#include <initializer_list>
#include <vector>

#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/expression.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"

namespace build {

// One element of an expression's operator stream.
struct Tok {
  enum Kind { Const, Op, Name, Dsgn, Set } kind;
  ScriptValue value;
  QString text;
  TscDesignator* designator = nullptr;
  TscSetExpression* set = nullptr;
};

inline Tok c(const ScriptValue& v) { return Tok{Tok::Const, v, {}}; }
inline Tok op(const char* spelling) { return Tok{Tok::Op, {}, QString::fromLatin1(spelling)}; }
inline Tok v(const char* name) { return Tok{Tok::Name, {}, QString::fromLatin1(name)}; }
inline Tok d(TscDesignator* designator) { return Tok{Tok::Dsgn, {}, {}, designator}; }
inline Tok s(TscSetExpression* set) { return Tok{Tok::Set, {}, {}, nullptr, set}; }

// A variable of a type name ("Integer", "String", "Variant", "Array", ...) added to scope.
TscCustomVariable* Var(TscScript& scope, const char* name, TscVarType typ,
                       const ScriptValue& value = ScriptValue::Null());
// A designator of the named variable (found in scope or its parents), finished.
TscDesignator* Ref(TscScript& scope, const char* name);
// A call of a procedure or helper with argument expressions, finished.
TscDesignator* Call(TscScript& scope, TscCustomVariable* callee,
                    std::vector<TscCustomVariable*> args = {});
// An expression built from the stream and finished; the finishing error position (empty when
// the types fit) goes to *error when given, else a misfit throws.
TscExpression* Expr(TscScript& scope, std::initializer_list<Tok> stream, QString* error = nullptr);
// A set constructor of constant elements; a Null element stands for ".." between two bounds.
TscSetExpression* SetOf(std::initializer_list<ScriptValue> elements);

// Statements appended to a list.
TscAssignmentStmt* Assign(TscStatement& list, TscScript& scope, const char* name,
                          std::initializer_list<Tok> stream);
TscCallStmt* CallStmt(TscStatement& list, TscScript& scope, TscDesignator* designator,
                      const char* modificator = "");
template <class S>
S* Add(TscStatement& list, S* statement) {
  list.Add(statement);
  return statement;
}

// A function (or procedure) registered in scope, with Integer parameters of these names.
TscProcVariable* Function(TscScript& scope, const char* name, TscVarType result,
                          std::initializer_list<const char*> params, bool isFunc = true);

}  // namespace build
