#pragma once
// Script expressions: binary trees of operand and operator nodes, built from the operator stream
// the compiler reads (operands and operators in source order, "(" and ")" as operators of their
// own), typed once when finished, evaluated over script values.
//
// Priorities (smaller binds tighter): not and unary minus 1; * / div mod and shl shr 2;
// + - or xor and the string joining 3; comparisons, in and is 4; ")" 5; "(" 6; the root 7.
#include <QString>

#include <memory>

#include "script_engine/interpreter/variables.h"

class TscDesignator;
class TscProcVariable;
class TscScript;
class TscSetExpression;

enum TscOperatorType {
  opNone, opGreat, opLess, opLessEq, opGreatEq, opNonEq, opEq, opPlus, opMinus, opOr, opXor, opMul,
  opDivFloat, opDivInt, opMod, opAnd, opShl, opShr, opLeftBracket, opRightBracket, opNot,
  opUnMinus, opIn, opIs
};

// Anything that yields a value for a statement: expressions and their single operands.
class TscCustomExpression : public TscCustomVariable {
 public:
  using TscCustomVariable::TscCustomVariable;
};

class TscExpressionNode : public TscCustomVariable {
 public:
  TscExpressionNode();
  ~TscExpressionNode() override;  // frees the subtree
  virtual int Priority() const = 0;
  // The first free child slot (left, then right) receives node.
  void AddNode(TscExpressionNode* node);
  void ReplaceChild(TscExpressionNode* child, TscExpressionNode* by);
  // Takes FLeftStorage, FRightStorage and FRightConstant from the children as they are now.
  void NoteChildren();
  TscExpressionNode* FLeft = nullptr;
  TscExpressionNode* FRight = nullptr;
  TscExpressionNode* FParent = nullptr;
  // The variable whose stored value this node gives, if any (a constant itself, a plain
  // variable operand its variable): operators read it without calling the node.
  TscCustomVariable* FStorage = nullptr;
  // The children's FStorage and, for a constant right child, its value, kept by AddNode and
  // ReplaceChild, so that an operator reaches its operands' values without visiting the
  // children.
  TscCustomVariable* FLeftStorage = nullptr;
  TscCustomVariable* FRightStorage = nullptr;
  const ScriptValue* FRightConstant = nullptr;

  // The node's value; read from FStorage where that gives the same.
  ScriptValue Value() {
    return FStorage && FStorage->ReadsStorage() ? FStorage->StoredValue() : GetValue();
  }
};

// A constant.
class TscOperandNode : public TscExpressionNode {
 public:
  explicit TscOperandNode(const ScriptValue& value);
  int Priority() const override { return 0; }
  ScriptValue GetValue() override { return FValue; }
};

// A designator operand. A plain variable designator is read straight from its variable (FVar).
class TscDesignatorNode : public TscOperandNode {
 public:
  explicit TscDesignatorNode(TscDesignator* designator);  // takes ownership
  ~TscDesignatorNode() override;
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override;
  TscDesignator* FDesignator;
  TscCustomVariable* FVar = nullptr;
};

// A designator operand that is a direct call of a script function with one by-value argument
// (TscDesignator::FCallProc): the call is made without the designator's other forms.
class TscDirectCallNode : public TscDesignatorNode {
 public:
  explicit TscDirectCallNode(TscDesignator* designator);  // takes ownership
  ScriptValue GetValue() override;

 protected:
  TscProcVariable* FProc;
  TscCustomVariable* FArgumentSource;
};

// A direct call written in the called function's own body (a recursion): the call leaves the
// running script as it is, which is the function's local script already.
class TscOwnBodyCallNode : public TscDirectCallNode {
 public:
  using TscDirectCallNode::TscDirectCallNode;
  ScriptValue GetValue() override;
};

// The node of a direct call (TscDesignator::FCallProc set): an own-body call where it is one.
TscDesignatorNode* scDirectCallNode(TscDesignator* designator);  // takes ownership

// A set constructor operand; its value is the set's array.
class TscSetNode : public TscOperandNode {
 public:
  explicit TscSetNode(TscSetExpression* set);  // takes ownership
  ~TscSetNode() override;
  ScriptValue GetValue() override;
  TscSetExpression* FSetExpression;
};

class TscOperatorNode : public TscExpressionNode {
 public:
  explicit TscOperatorNode(TscOperatorType op) : FOp(op) {}
  int Priority() const override;
  TscOperatorType FOp;
  bool FOptimizeBool = false;
};

// The operator node class for a spelling as the grammars write it ("+", "DIV", "STRCAT", ...;
// case is ignored). Raises ScriptError for an unknown spelling.
TscOperatorNode* scCreateOperatorNode(const QString& spelling);

class TscExpression : public TscCustomExpression {
 public:
  static constexpr int kMaxDepth = 1000;  // deeper trees are refused when finished

  explicit TscExpression(TscScript* script);
  ~TscExpression() override;

  // Building. Each new node takes the current source position (SetSourcePos).
  void SetSourcePos(const QString& position) { FSourcePos = position; }
  void AddConst(const ScriptValue& value);
  void AddDesignator(TscDesignator* designator);  // takes ownership
  void AddSet(TscSetExpression* set);             // takes ownership
  void AddOperator(const QString& spelling);
  // Finishes building and infers the static type. Returns empty text, or the source position of
  // the first node whose operand types do not fit. A tree deeper than kMaxDepth raises ScriptError.
  QString Finalize();

  ScriptValue GetValue() override;
  bool IsTrue() override { return FNode->IsTrue(); }
  // Writes through a designator root; an expression of any other form is not written.
  void SetValue(const ScriptValue& value) override;

  // For target := expression without a written modifier: '+', '-', '*' or '/' when the assignment
  // is to run as that compound assignment (the expression is then reduced), else a null QChar.
  QChar Optimize(TscDesignator* target);
  // The variable or constant node the expression consists of, when it is a single operand.
  TscCustomVariable* SingleItem() const;
  TscExpressionNode* Root() const { return FNode; }

  TscExpressionNode* FNode;
  TscExpressionNode* FCurNode;
  TscScript* FScript;
  QString FSource;

 private:
  void addOperand(TscExpressionNode* node);
};

// A set constructor: item expressions, a null item standing between the two bounds of a range.
class TscSetExpression : public TscCustomVariable {
 public:
  TscSetExpression();
  void AddElement(TscCustomVariable* expression);  // takes ownership; null = range marker
  void AddRange(TscCustomVariable* low, TscCustomVariable* high);
  // Whether value equals an item or lies within a range (low <= value <= high).
  bool Check(const ScriptValue& value);
  // A variant array, one element per item, Null for a range marker.
  ScriptValue GetValue() override;
  TscCustomVariable* Element(int index) const {
    return static_cast<TscCustomVariable*>(Item(index));
  }
};

// What a value is read from: an expression's single operand or root node (skipping the
// expression's own layer), anything else itself.
TscCustomVariable* scValueSource(TscCustomVariable* value);

// Membership in a variant array as "in" tests it: elements compared for equality, an element
// followed by Null and a third element forming the inclusive range from the first to the third.
bool scInArray(const ScriptValue& value, const ScriptValue& array);
