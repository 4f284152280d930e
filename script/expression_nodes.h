#pragma once
// Internal to the expression files: the operator table and what Finalize needs of the nodes.
#include "script/expression.h"

class TscClassVariable;

struct TscOperatorInfo {
  const char* spelling;  // upper case, as the grammars write it
  TscOperatorType op;
  int priority;
};

// The entry of a spelling (upper-cased), or null.
const TscOperatorInfo* scFindOperator(const QString& spelling);

// The "is" node needs its class, the string join is not optimised like "+".
bool scIsStrCatNode(const TscExpressionNode* node);
// Sets the class an "is" node tests for (from its right operand).
void scSetIsClass(TscOperatorNode* node, TscClassVariable* cls);
