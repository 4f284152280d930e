#pragma once
// Internal to the expression files: what building and finishing need of the operator nodes.
#include "script_engine/interpreter/expression.h"

class TscClassVariable;

// The "is" node needs its class, the string join is not optimised like "+".
bool scIsStrCatNode(const TscExpressionNode* node);
// Sets the class an "is" node tests for (from its right operand).
void scSetIsClass(TscOperatorNode* node, TscClassVariable* cls);

// Whether a divisor counts as zero for real division ("Floating point division by zero").
bool scIsZeroDivisor(const ScriptValue& divisor);
