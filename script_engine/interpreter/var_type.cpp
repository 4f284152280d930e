#include "script_engine/interpreter/var_type.h"

QString scTypeToString(TscVarType typ, const QString& typeName) {
  static const char* const kNames[] = {"Integer", "Boolean", "Extended", "Char",    "String",
                                       "",        "Array",   "Variant",  "",        "Variant",
                                       "Int64"};
  if (typ == fvtClass || typ == fvtEnum) return typeName;
  return QString::fromLatin1(kNames[typ]);
}
