// The compatibility table of static types.
#include "script_engine/interpreter/type_compat.h"

#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/script.h"

namespace {

constexpr unsigned bit(TscVarType t) { return 1u << t; }

// For each first type, the second types it accepts (classes and enumerations have further rules).
constexpr unsigned kCompatible[] = {
    /* fvtInt */ bit(fvtInt) | bit(fvtFloat) | bit(fvtVariant) | bit(fvtEnum) | bit(fvtInt64),
    /* fvtBool */ bit(fvtBool) | bit(fvtVariant),
    /* fvtFloat */ bit(fvtInt) | bit(fvtFloat) | bit(fvtVariant),
    /* fvtChar */ bit(fvtChar) | bit(fvtString) | bit(fvtVariant),
    /* fvtString */ bit(fvtChar) | bit(fvtString) | bit(fvtVariant),
    /* fvtClass */ bit(fvtVariant),
    /* fvtArray */ bit(fvtArray) | bit(fvtVariant),
    /* fvtVariant */ ~0u,
    /* fvtEnum */ bit(fvtInt) | bit(fvtVariant) | bit(fvtInt64),
    /* fvtConstructor */ 0u,
    /* fvtInt64 */ bit(fvtInt) | bit(fvtFloat) | bit(fvtVariant) | bit(fvtEnum) | bit(fvtInt64),
};

bool classDescends(const QString& first, const QString& second, const TscScript* script) {
  if (!script) return first.compare(second, Qt::CaseInsensitive) == 0;
  TscClassVariable* a = script->FindClass(first);
  TscClassVariable* b = script->FindClass(second);
  return a && b && b->InheritsFrom(a);
}

}  // namespace

bool scTypesCompatible(TscVarType first, const QString& firstName, TscVarType second,
                       const QString& secondName, const TscScript* script) {
  if (kCompatible[first] & bit(second)) return true;
  if (first == fvtClass && second == fvtClass)
    return classDescends(firstName, secondName, script);
  if (first == fvtEnum && second == fvtEnum)
    return firstName.compare(secondName, Qt::CaseInsensitive) == 0;
  return false;
}

bool scAssignCompatible(TscVarType target, const QString& targetName, TscVarType value,
                        const QString& valueName, const TscScript* script) {
  if (target == fvtInt && value == fvtFloat) return false;
  return scTypesCompatible(target, targetName, value, valueName, script);
}
