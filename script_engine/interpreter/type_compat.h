#pragma once
// Compatibility of static types, for operators and for assignments and arguments.
#include <QString>

#include "script_engine/interpreter/var_type.h"

class TscScript;

// Whether a value of the second type may meet the first. A class is compatible with a class that
// is the same or descends from it, both registered in script (or its parents).
bool scTypesCompatible(TscVarType first, const QString& firstName, TscVarType second,
                       const QString& secondName, const TscScript* script);
// For an assignment or an argument (first: the target): the same, except that an Extended value
// may not be given to an Integer target.
bool scAssignCompatible(TscVarType target, const QString& targetName, TscVarType value,
                        const QString& valueName, const TscScript* script);
