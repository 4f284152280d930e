// Building, finishing and optimising expression trees.
#include "script_engine/interpreter/expression.h"

#include <typeinfo>
#include <vector>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/expression_nodes.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/type_compat.h"

namespace {

// The root of an expression while it is built: the insertion point at the start.
class TNoneNode : public TscOperatorNode {
 public:
  TNoneNode() : TscOperatorNode(opNone) {}
  int Priority() const override { return 7; }
  ScriptValue GetValue() override { return FLeft ? FLeft->GetValue() : ScriptValue::Null(); }
};

bool isOperator(const TscExpressionNode* n, TscOperatorType op) {
  auto* o = dynamic_cast<const TscOperatorNode*>(n);
  return o && o->FOp == op;
}

TscCustomVariable* plainVariable(TscDesignator* d) {
  return d && d->FKind == dkVariable ? d->FRef1 : nullptr;
}

TscCustomVariable* plainVariable(const TscExpressionNode* n) {
  auto* d = dynamic_cast<const TscDesignatorNode*>(n);
  return d ? plainVariable(d->FDesignator) : nullptr;
}

// Depth of the tree, without recursion (a tree of any depth must not exhaust the stack here).
int depthOf(const TscExpressionNode* root) {
  int deepest = 0;
  std::vector<std::pair<const TscExpressionNode*, int>> stack{{root, 1}};
  while (!stack.empty()) {
    auto [n, d] = stack.back();
    stack.pop_back();
    if (!n) continue;
    deepest = std::max(deepest, d);
    stack.push_back({n->FLeft, d + 1});
    stack.push_back({n->FRight, d + 1});
  }
  return deepest;
}

bool isComparison(TscOperatorType op) {
  return op == opGreat || op == opLess || op == opLessEq || op == opGreatEq || op == opNonEq ||
         op == opEq;
}

bool isInteger(TscVarType t) { return t == fvtInt || t == fvtInt64; }

// Which operators a left operand of each type admits.
bool operatorAllowed(TscVarType left, TscOperatorType op) {
  switch (left) {
    case fvtBool:
      return op == opEq || op == opNonEq || op == opOr || op == opXor || op == opAnd ||
             op == opNot;
    case fvtChar:
    case fvtString:
      return isComparison(op) || op == opPlus || op == opIn;
    case fvtClass:
    case fvtArray:
      return op == opEq || op == opNonEq;
    default:
      return true;
  }
}

class TypeInference {
 public:
  explicit TypeInference(const TscScript* script) : FScript(script) {}
  QString FError;

  void infer(TscExpressionNode* n) {
    if (!n) return;
    infer(n->FLeft);
    infer(n->FRight);
    auto* o = dynamic_cast<TscOperatorNode*>(n);
    if (!o) {
      if (typeid(*n) == typeid(TscOperandNode)) n->SetType(constantType(n->FValue), QString());
      return;  // designators and sets carry their own types
    }
    TscVarType l = o->FLeft ? o->FLeft->FTyp : fvtVariant;
    TscVarType r = o->FRight ? o->FRight->FTyp : fvtVariant;
    QString ln = o->FLeft ? o->FLeft->FTypeName : QString();
    QString rn = o->FRight ? o->FRight->FTypeName : QString();
    o->FOptimizeBool = l == fvtBool && r == fvtBool;
    if (o->FOp == opIs) setIsClass(o);
    if (!(o->FOp == opIs && l == fvtClass && r == fvtClass)) {
      bool ok = scTypesCompatible(l, ln, r, rn, FScript) && operatorAllowed(l, o->FOp);
      if (!ok && FError.isEmpty()) FError = o->FSourcePos.isEmpty() ? QStringLiteral("0:0")
                                                                     : o->FSourcePos;
    }
    TscVarType t = l;
    if ((l == fvtInt && r == fvtFloat) || (l == fvtFloat && r == fvtInt) ||
        (l == fvtFloat && r == fvtInt64) || (l == fvtInt64 && r == fvtFloat))
      t = fvtFloat;
    if (o->FOp == opDivFloat && isInteger(l) && isInteger(r)) t = fvtFloat;
    if (isComparison(o->FOp) || o->FOp == opIn || o->FOp == opIs) t = fvtBool;
    o->SetType(t, t == l ? ln : QString());
  }

 private:
  static TscVarType constantType(const ScriptValue& v) {
    switch (v.Kind()) {
      case ValueKind::Boolean: return fvtBool;
      case ValueKind::Double:
      case ValueKind::Date: return fvtFloat;
      case ValueKind::Int64: return fvtInt64;
      case ValueKind::String: return fvtString;
      default: return fvtInt;
    }
  }

  void setIsClass(TscOperatorNode* o) {
    auto* d = dynamic_cast<TscDesignatorNode*>(o->FRight);
    if (!d || d->FDesignator->Count() != 1) return;
    scSetIsClass(o, dynamic_cast<TscClassVariable*>(d->FDesignator->DesignatorItem(0)->FRef));
  }

  const TscScript* FScript;
};

}  // namespace

// --- nodes ---

TscExpressionNode::TscExpressionNode() : TscCustomVariable(QString(), fvtVariant, QString()) {}

TscExpressionNode::~TscExpressionNode() {
  delete FLeft;
  delete FRight;
}

void TscExpressionNode::AddNode(TscExpressionNode* node) {
  if (!FLeft)
    FLeft = node;
  else
    FRight = node;
  node->FParent = this;
  NoteChildren();
}

void TscExpressionNode::ReplaceChild(TscExpressionNode* child, TscExpressionNode* by) {
  if (FLeft == child) FLeft = by;
  else if (FRight == child) FRight = by;
  if (by) by->FParent = this;
  if (child) child->FParent = nullptr;
  NoteChildren();
}

void TscExpressionNode::NoteChildren() {
  FLeftStorage = FLeft ? FLeft->FStorage : nullptr;
  FRightStorage = FRight ? FRight->FStorage : nullptr;
  // A constant is its own storage and never has a value hook.
  const bool constant = FRight && typeid(*FRight) == typeid(TscOperandNode);
  FRightConstant = constant ? &FRight->StoredValue() : nullptr;
}

TscOperandNode::TscOperandNode(const ScriptValue& value) {
  FValue = value;
  FPlainStorage = true;  // a constant is its stored value
  FStorage = this;
}

TscDesignatorNode::TscDesignatorNode(TscDesignator* designator)
    : TscOperandNode(ScriptValue::Null()), FDesignator(designator),
      FVar(plainVariable(designator)) {
  FPlainStorage = false;
  FStorage = FVar;
  SetType(designator->FTyp, designator->FTypeName);
  FIsReadOnly = designator->FIsReadOnly;
}

TscDesignatorNode::~TscDesignatorNode() { delete FDesignator; }

void TscDesignatorNode::SetValue(const ScriptValue& value) {
  if (FIsReadOnly) return;
  if (FVar)
    FVar->SetValue(value);
  else
    FDesignator->SetValue(value);
}

TscSetNode::TscSetNode(TscSetExpression* set) : TscOperandNode(ScriptValue::Null()),
                                                FSetExpression(set) {
  FPlainStorage = false;
  FStorage = nullptr;
}
TscSetNode::~TscSetNode() { delete FSetExpression; }
ScriptValue TscSetNode::GetValue() { return FSetExpression->GetValue(); }

int TscOperatorNode::Priority() const {
  static const int kPriority[] = {7, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 2,
                                  2, 2, 2, 2, 2, 2, 6, 5, 1, 1, 4, 4};
  return kPriority[FOp];
}

// --- building ---

TscExpression::TscExpression(TscScript* script)
    : TscCustomExpression(QString(), fvtVariant, QString()), FNode(new TNoneNode),
      FCurNode(FNode), FScript(script) {
  FIsReadOnly = true;
}

TscExpression::~TscExpression() { delete FNode; }

void TscExpression::addOperand(TscExpressionNode* node) {
  node->FSourcePos = FSourcePos;
  FCurNode->AddNode(node);
  FCurNode = node;
}

void TscExpression::AddConst(const ScriptValue& value) { addOperand(new TscOperandNode(value)); }
void TscExpression::AddDesignator(TscDesignator* d) {
  const bool directCall = d->FCallProc && !d->FLateBindingXmlSource;
  addOperand(directCall ? scDirectCallNode(d) : new TscDesignatorNode(d));
}
void TscExpression::AddSet(TscSetExpression* set) { addOperand(new TscSetNode(set)); }

void TscExpression::AddOperator(const QString& spelling) {
  TscOperatorNode* node = scCreateOperatorNode(spelling);
  node->FSourcePos = FSourcePos;
  TscOperatorType op = node->FOp;
  if (op == opLeftBracket || op == opNot || op == opUnMinus) {
    FCurNode->AddNode(node);
    FCurNode = node;
    return;
  }
  if (op == opRightBracket) {
    delete node;
    // Up to the matching "(": it is removed and its child takes its place.
    TscExpressionNode* n = FCurNode;
    while (n && n->Priority() <= 5) n = n->FParent;
    if (!n || !isOperator(n, opLeftBracket) || !n->FParent) return;  // unbalanced: ignored
    TscExpressionNode* child = n->FLeft;
    n->FLeft = nullptr;
    n->FParent->ReplaceChild(n, child);
    delete n;
    if (child) FCurNode = child;
    return;
  }
  // Walk up while the new operator binds no tighter than the node met; the last subtree passed
  // becomes its left operand, so equal priorities associate to the left.
  TscExpressionNode* c = FCurNode;
  TscExpressionNode* remembered = nullptr;
  if (!isOperator(c, opLeftBracket) && c->FParent) {
    remembered = c;
    c = c->FParent;
  }
  const int priority = node->Priority();
  while (c->FParent && priority >= c->Priority()) {
    remembered = c;
    c = c->FParent;
  }
  if (remembered) {
    c->ReplaceChild(remembered, node);
    node->AddNode(remembered);
  } else {
    c->AddNode(node);
  }
  FCurNode = node;
}

QString TscExpression::Finalize() {
  // The root's only child becomes the root.
  if (auto* none = dynamic_cast<TNoneNode*>(FNode); none && none->FLeft && !none->FRight) {
    TscExpressionNode* child = none->FLeft;
    none->FLeft = nullptr;
    child->FParent = nullptr;
    delete none;
    FNode = child;
  }
  FCurNode = FNode;
  if (depthOf(FNode) > kMaxDepth)
    throw ScriptError(QStringLiteral("Expression too complex: more than %1 levels of nesting")
                          .arg(kMaxDepth));
  TypeInference types(FScript);
  types.infer(FNode);
  SetType(FNode->FTyp, FNode->FTypeName);
  auto* d = dynamic_cast<TscDesignatorNode*>(FNode);
  FIsReadOnly = !d || d->FIsReadOnly;
  return types.FError;
}

ScriptValue TscExpression::GetValue() { return FNode->GetValue(); }

void TscExpression::SetValue(const ScriptValue& value) {
  if (!FIsReadOnly) FNode->SetValue(value);
}

QChar TscExpression::Optimize(TscDesignator* target) {
  TscCustomVariable* var = plainVariable(target);
  auto* root = dynamic_cast<TscOperatorNode*>(FNode);
  if (!var || !root || scIsStrCatNode(root)) return QChar();
  static const struct { TscOperatorType op; char modifier; bool commutes; } kOps[] = {
      {opPlus, '+', true}, {opMinus, '-', false}, {opMul, '*', true}, {opDivFloat, '/', false}};
  for (const auto& entry : kOps) {
    if (entry.op != root->FOp || !root->FLeft || !root->FRight) continue;
    TscExpressionNode* keep = nullptr;
    if (plainVariable(root->FLeft) == var)
      keep = root->FRight;
    else if (entry.commutes && plainVariable(root->FRight) == var && var->FTyp != fvtString &&
             var->FTyp != fvtVariant)
      keep = root->FLeft;
    if (!keep) return QChar();
    root->ReplaceChild(keep, nullptr);
    delete root;
    FNode = FCurNode = keep;
    SetType(keep->FTyp, keep->FTypeName);
    FIsReadOnly = true;
    return QLatin1Char(entry.modifier);
  }
  return QChar();
}

TscCustomVariable* TscExpression::SingleItem() const {
  if (auto* d = dynamic_cast<TscDesignatorNode*>(FNode)) return d->FVar;
  if (FNode && typeid(*FNode) == typeid(TscOperandNode)) return FNode;
  return nullptr;
}

TscCustomVariable* scValueSource(TscCustomVariable* value) {
  auto* e = dynamic_cast<TscExpression*>(value);
  if (!e) return value;
  TscCustomVariable* single = e->SingleItem();
  return single ? single : e->Root();
}
