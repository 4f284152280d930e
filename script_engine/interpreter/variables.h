#pragma once
// Named values of the script engine: the base of every item that has a value (variables,
// constants, parameters, procedures, helpers, designators, expressions), and the plain variable
// kinds. Procedures are in procedure.h, members of classes in helpers.h.
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "script_engine/interpreter/value.h"
#include "script_engine/interpreter/var_type.h"

class TscScript;

// An owned list of items. Clear frees and removes them; freeing the list clears it.
class TscItemList {
 public:
  TscItemList() = default;
  TscItemList(const TscItemList&) = delete;
  TscItemList& operator=(const TscItemList&) = delete;
  virtual ~TscItemList();
  virtual void Clear();

  int Count() const { return static_cast<int>(FItems.size()); }
  TscItemList* Item(int index) const { return FItems[static_cast<std::size_t>(index)]; }
  void AddItem(TscItemList* item) { FItems.push_back(item); }  // takes ownership

 protected:
  std::vector<TscItemList*> FItems;
};

// The value hook of a script's variables: may replace the value being returned.
using TscGetVarValueEvent = std::function<void(const QString& name, TscVarType typ,
                                               ScriptValue& result, const ScriptValue& stored)>;

class TscParamItem;

// A named value. Its items are its parameters (TscParamItem).
class TscCustomVariable : public TscItemList {
 public:
  TscCustomVariable(const QString& name, TscVarType typ, const QString& typeName);

  virtual ScriptValue GetValue();
  virtual void SetValue(const ScriptValue& value);  // nothing when read-only
  // The value converted as a condition converts it; a comparison answers without making a
  // value first.
  virtual bool IsTrue() { return ReadValue().ToBool(); }
  // SetValue for a value the caller no longer needs: it is moved, not copied, where it can be.
  virtual void TakeValue(ScriptValue&& value) { SetValue(value); }

  const QString& Name() const { return FName; }
  const QString& UppercaseName() const { return FUppercaseName; }
  TscVarType Typ() const { return FTyp; }
  const QString& TypeName() const { return FTypeName; }
  void SetType(TscVarType typ, const QString& typeName) {
    FTyp = typ;
    FTypeName = typeName;
    FKindsStoredAsIs = kindsStoredAsIs(typ);
  }
  QString FullTypeName() const { return scTypeToString(FTyp, FTypeName); }

  TscParamItem* Param(int index) const;
  void AddParam(TscParamItem* param);  // takes ownership
  int GetNumberOfRequiredParams() const;

  // The stored value itself, for in-place changes of arrays and for saving frames.
  ScriptValue& StoredValue() { return FValue; }

  // GetValue without the virtual call where both are the same: a plain variable, parameter or
  // constant without a value hook gives its stored value. The interpreter reads every operand
  // this way.
  bool ReadsStorage() const { return FPlainStorage && !FOnGetVarValue; }
  ScriptValue ReadValue() { return ReadsStorage() ? FValue : GetValue(); }
  // The same for writing: a writable plain variable or parameter keeps a value of its declared
  // kind (any value when it is a Variant) as it is, so the interpreter stores that directly and
  // leaves conversions to TakeValue.
  void Store(ScriptValue&& value) {
    if (FPlainStorage && !FIsReadOnly && (FKindsStoredAsIs >> unsigned(value.Kind()) & 1u))
      FValue = std::move(value);
    else
      TakeValue(std::move(value));
  }

  QString FName;
  QString FUppercaseName;
  TscVarType FTyp;  // changed only through SetType, which keeps the kinds stored as they are
  QString FTypeName;
  ScriptValue FValue = ScriptValue::Null();
  bool FIsReadOnly = false;
  bool FIsMacro = false;
  bool FNeedResult = true;
  TscCustomVariable* FRefItem = nullptr;  // not owned
  QString FSourcePos;
  QString FSourceUnit;
  const void* FAddedBy = nullptr;
  TscGetVarValueEvent FOnGetVarValue;

 protected:
  // Set by the classes whose GetValue is the stored value unless a value hook is set, and whose
  // TakeValue stores a value of the declared kind unchanged; a class derived from one of them
  // that reads or writes its value another way must clear it.
  bool FPlainStorage = false;

 private:
  // The value kinds a variable of the type keeps as they are (any kind for a Variant), one bit
  // each, so that Store tests a kind with one shift.
  static constexpr std::uint16_t kindBit(ValueKind kind) {
    return std::uint16_t(1u << unsigned(kind));
  }
  static constexpr std::uint16_t kindsStoredAsIs(TscVarType typ) {
    switch (typ) {
      case fvtInt: return kindBit(ValueKind::Integer);
      case fvtInt64: return kindBit(ValueKind::Int64);
      case fvtFloat: return kindBit(ValueKind::Double) | kindBit(ValueKind::Date);
      case fvtBool: return kindBit(ValueKind::Boolean);
      case fvtString: return kindBit(ValueKind::String);
      case fvtVariant: return 0xFFFF;
      default: return 0;
    }
  }
  std::uint16_t FKindsStoredAsIs;  // of FTyp, kept by the constructor and SetType
};

// A typed variable: assignment converts the value to the declared type.
class TscVariable : public TscCustomVariable {
 public:
  TscVariable(const QString& name, TscVarType typ, const QString& typeName);
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override { TakeValue(ScriptValue(value)); }
  void TakeValue(ScriptValue&& value) override;

 protected:
  ScriptValue hooked(const ScriptValue& stored) const;
};

// A Char or String variable: keeps its value as text (a String value in FValue, never another
// kind, so that saving and restoring a procedure's frame is a plain copy).
class TscStringVariable : public TscVariable {
 public:
  TscStringVariable(const QString& name, TscVarType typ, const QString& typeName);
  ScriptValue GetValue() override;
  void SetValue(const ScriptValue& value) override { TakeValue(ScriptValue(value)); }
  void TakeValue(ScriptValue&& value) override;
};

// A registered type name.
class TscTypeVariable : public TscCustomVariable {
 public:
  using TscCustomVariable::TscCustomVariable;
};

// A formal parameter.
class TscParamItem : public TscCustomVariable {
 public:
  TscParamItem(const QString& name, TscVarType typ, const QString& typeName, bool isOptional,
               bool isVarParam);
  void TakeValue(ScriptValue&& value) final { FValue = std::move(value); }

  bool FIsVarParam;
  bool FIsOptional;
  ScriptValue FDefValue = ScriptValue::Null();
};

inline TscParamItem* TscCustomVariable::Param(int index) const {
  return static_cast<TscParamItem*>(Item(index));
}
inline void TscCustomVariable::AddParam(TscParamItem* param) { AddItem(param); }
