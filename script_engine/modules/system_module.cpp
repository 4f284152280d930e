// The system module: type names, constants, shared helpers, and the function tables.
#include "script_engine/modules/system_module.h"

#include "script_engine/interpreter/helpers.h"

namespace {

struct TypeName {
  const char* name;
  TscVarType typ;
};

constexpr TypeName kTypes[] = {
    {"Byte", fvtInt},       {"Word", fvtInt},        {"Integer", fvtInt},
    {"Longint", fvtInt},    {"Cardinal", fvtInt},    {"TColor", fvtInt},
    {"TAlphaColor", fvtInt}, {"Int64", fvtInt64},    {"Boolean", fvtBool},
    {"Real", fvtFloat},     {"Single", fvtFloat},    {"Double", fvtFloat},
    {"Extended", fvtFloat}, {"Currency", fvtFloat},  {"TDate", fvtFloat},
    {"TTime", fvtFloat},    {"TDateTime", fvtFloat}, {"Char", fvtChar},
    {"String", fvtString},  {"Variant", fvtVariant}, {"Pointer", fvtVariant},
    {"Array", fvtArray},    {"Constructor", fvtConstructor}};

struct VarTypeConst {
  const char* name;
  int value;
};

constexpr VarTypeConst kVarTypes[] = {
    {"varEmpty", VarTypeCode::varEmpty},       {"varNull", VarTypeCode::varNull},
    {"varSmallint", VarTypeCode::varSmallint}, {"varInteger", VarTypeCode::varInteger},
    {"varSingle", VarTypeCode::varSingle},     {"varDouble", VarTypeCode::varDouble},
    {"varCurrency", VarTypeCode::varCurrency}, {"varDate", VarTypeCode::varDate},
    {"varOleStr", VarTypeCode::varOleStr},     {"varDispatch", VarTypeCode::varDispatch},
    {"varError", VarTypeCode::varError},       {"varBoolean", VarTypeCode::varBoolean},
    {"varVariant", VarTypeCode::varVariant},   {"varUnknown", VarTypeCode::varUnknown},
    {"varShortInt", VarTypeCode::varShortInt}, {"varByte", VarTypeCode::varByte},
    {"varWord", VarTypeCode::varWord},         {"varLongWord", VarTypeCode::varLongWord},
    {"varInt64", VarTypeCode::varInt64},       {"varStrArg", VarTypeCode::varStrArg},
    {"varString", VarTypeCode::varString},     {"varAny", VarTypeCode::varAny},
    {"varTypeMask", VarTypeCode::varTypeMask}, {"varArray", VarTypeCode::varArray},
    {"varByRef", VarTypeCode::varByRef}};

void addTypesAndConstants(TscScript& s) {
  for (const TypeName& t : kTypes) s.AddType(QString::fromLatin1(t.name), t.typ);
  const QString boolean = QStringLiteral("Boolean"), variant = QStringLiteral("Variant");
  s.AddConst(QStringLiteral("True"), boolean, ScriptValue(true));
  s.AddConst(QStringLiteral("False"), boolean, ScriptValue(false));
  s.AddConst(QStringLiteral("nil"), variant, ScriptValue(0));
  s.AddConst(QStringLiteral("Null"), variant, ScriptValue::Null());
  for (const VarTypeConst& c : kVarTypes)
    s.AddConst(QString::fromLatin1(c.name), QStringLiteral("Integer"), ScriptValue(c.value));
}

void addHelpersAndVariables(TscScript& s) {
  s.Add(QStringLiteral("__StringHelper"), new TscStringHelper);
  s.Add(QStringLiteral("__ArrayHelper"), new TscArrayHelper(QStringLiteral("__ArrayHelper"), 3, 1));
  s.AddVariable(QStringLiteral("ExceptionClassName"), QStringLiteral("String"), ScriptValue(""));
  s.AddVariable(QStringLiteral("ExceptionMessage"), QStringLiteral("String"), ScriptValue(""));
}

}  // namespace

void scAddSysFunctions(TscScript& script, std::span<const TscSysFunction> table) {
  for (const TscSysFunction& f : table) {
    auto call = f.call;
    script.AddMethod(
        QString::fromLatin1(f.syntax),
        [call](TscHostObject*, const TscHostClass*, const QString&, std::vector<ScriptValue>& args) {
          return call(args);
        },
        QString::fromLatin1(f.category));
  }
}

TscSysFunctions::TscSysFunctions(TscScript* script) : TscRTTIModule(script) {
  addTypesAndConstants(*script);
  addHelpersAndVariables(*script);
  for (auto table : {scConversionFunctions(), scFormatFunctions(), scDateFunctions(),
                     scStringFunctions(), scMathFunctions(), scOtherFunctions()})
    scAddSysFunctions(*script, table);
}

TscRTTIModule* scCreateSysFunctions(TscScript* script) { return new TscSysFunctions(script); }
