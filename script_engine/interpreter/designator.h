#pragma once
// Designators: access paths such as  a,  s[i],  arr[i, j],  Obj.Items[3].Name,  F(x, y).
//
// A designator is a list of items; each refers to a variable, a helper (a member of whatever the
// item before it yields), a procedure or a nested designator, and holds its argument expressions.
// Evaluation walks the items with a running value (see TscDesignator::GetValue). Three common
// forms take shortcuts: a plain variable (dkVariable), a character of a string variable
// (dkStringArray) and an element of an array variable (dkArray).
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "script_engine/interpreter/variables.h"

class TscCustomHelper;
class TscProcVariable;
class TscScript;
class TscXMLItem;

// dkCall: a call of a script procedure or function whose parameters are all by value.
enum TscDesignatorKind { dkOther, dkVariable, dkStringArray, dkArray, dkCall };

class TscDesignatorItem : public TscItemList {
 public:
  TscDesignatorItem(TscCustomVariable* ref, bool nested, const QString& sourcePos);
  ~TscDesignatorItem() override;
  void AddArgument(TscCustomVariable* expression) { AddItem(expression); }  // takes ownership
  TscCustomVariable* Argument(int index) const {
    return static_cast<TscCustomVariable*>(Item(index));
  }
  TscCustomVariable* FRef;  // owned only when it is a nested designator (FFlag)
  bool FFlag;               // FRef is a nested designator
  QString FSourcePos;

  // What the reference is, found once before the first use (see Prepare).
  void Prepare();
  bool FPrepared = false;
  TscProcVariable* FProc = nullptr;
  TscCustomHelper* FHelper = nullptr;
  bool FHasVarParams = false;
  // What each argument's value is read from: an expression's root or single operand, so that
  // computing an argument skips the expression's own layer.
  std::vector<TscCustomVariable*> FArgumentSources;
};

class TscDesignator;
// Compiles a late-bound designator from its kept intermediate form, now that the values it
// depends on exist. Installed by the compiler.
using TscLateBinder = std::function<std::unique_ptr<TscDesignator>(TscDesignator& designator)>;

class TscDesignator : public TscCustomVariable {
 public:
  explicit TscDesignator(TscScript* program);
  ~TscDesignator() override;

  TscDesignatorItem* AddDesignatorItem(TscCustomVariable* ref, const QString& sourcePos = {},
                                       bool nested = false);
  TscDesignatorItem* DesignatorItem(int index) const {
    return static_cast<TscDesignatorItem*>(Item(index));
  }
  // Sets the type, the read-only flag and the kind from the items (the compiler calls it once
  // the items are complete).
  void Finish();

  ScriptValue GetValue() override { return Evaluate(true); }
  void SetValue(const ScriptValue& value) override;
  // The value; needResult false when the designator is called as a statement. A direct call
  // (dkCall) is dispatched inline: it is the common case of a script calling its own functions.
  ScriptValue Evaluate(bool needResult) {
    if (FKind == dkCall && !FLateBindingXmlSource) return call();
    return evaluateOther(needResult);
  }

  static void SetLateBinder(TscLateBinder binder);

  TscDesignatorKind FKind = dkOther;
  TscScript* FProgram;
  TscScript* FMainProg = nullptr;
  TscCustomVariable* FRef1 = nullptr;  // the variable of the shortcut kinds
  TscCustomVariable* FRef2 = nullptr;  // the array helper of dkArray
  // A dkCall with one argument: the procedure and what the argument is read from, so that the
  // most common call reaches both without the item.
  TscProcVariable* FCallProc = nullptr;
  TscCustomVariable* FCallSource = nullptr;
  std::unique_ptr<TscXMLItem> FLateBindingXmlSource;

 private:
  friend class TscDesignatorNode;
  ScriptValue callDirect();
  ScriptValue callWithArguments(TscDesignatorItem* item);
  ScriptValue evaluateOther(bool needResult);
  ScriptValue walk(const ScriptValue* assigned, bool needResult);
  ScriptValue stringChar();
  void setStringChar(const ScriptValue& value);
  ScriptValue arrayElement(const ScriptValue* assigned);
  ScriptValue call();
  TscDesignator* resolved();

  std::unique_ptr<TscDesignator> FResolved;  // the late-bound designator, once compiled
};

// A string with character `index` (1-based) replaced by the first character of `by`'s text.
// Raises ScriptError when the index lies outside the string.
QString scReplaceChar(const QString& s, int index, const ScriptValue& by);
// Character `index` (1-based) of s as a one-character string; ScriptError outside the string.
ScriptValue scCharAt(const QString& s, int index);
