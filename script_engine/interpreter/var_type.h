#pragma once
// Static type codes of script variables, parameters and expressions, and their full names as
// messages show them ("Incompatible types: 'Integer', 'String'").
#include <QString>

enum TscVarType {
  fvtInt, fvtBool, fvtFloat, fvtChar, fvtString, fvtClass, fvtArray, fvtVariant, fvtEnum,
  fvtConstructor, fvtInt64
};

// The full type name: the class or enumeration name for fvtClass and fvtEnum, else the fixed name.
QString scTypeToString(TscVarType typ, const QString& typeName);
