#pragma once
// The syntax texts of registered functions and methods, e.g.
//   "function Copy(s: String; from, count: Integer): String"
//   "procedure Inc(var i: Integer; incr: Integer = 1)"
//   "macro function IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant"
//   "constructor Create(AOwner: TComponent)"
// read with the lexer in its default settings.
#include <QString>

#include <vector>

#include "script_engine/interpreter/value.h"

class TscMethodHelper;
class TscScript;

struct TscMethodParam {
  QString name;
  QString typeName;
  bool isVar = false;
  bool isOptional = false;
  ScriptValue defValue = ScriptValue::Null();
};

struct TscMethodSyntax {
  QString name;
  bool isFunc = false;
  bool isMacro = false;
  bool isConstructor = false;
  QString resultType;  // empty for a procedure
  std::vector<TscMethodParam> params;
  bool namesConstants = false;  // a default value was a registered constant's name
};

// Reads a syntax text; default values that name constants are looked up in script. Raises
// ScriptError for a text that is no method syntax.
TscMethodSyntax scParseMethodSyntax(const QString& syntax, const TscScript* script);
// The same, read once per process for every text whose defaults name no constant (those depend
// on the script): registering a module's hundreds of functions in each new script, as a
// throw-away Evaluate on a script without modules does, then reads no syntax text again.
TscMethodSyntax scCachedMethodSyntax(const QString& syntax, const TscScript* script);

// A method helper with the name, result type and parameters of the syntax text. A constructor's
// type is Constructor with the class name as type name.
TscMethodHelper* scCreateMethodHelper(const QString& syntax, const TscScript* script,
                                      const QString& className = QString());
