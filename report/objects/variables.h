#pragma once
// Report variables: named values (for report variables usually an expression text) grouped in
// categories. An item whose name begins with a blank is a category header; the variables after it,
// up to the next header, belong to that category. Names are matched without regard to case.
//
// Every report owns one list; one more, rpGlobalVariables(), holds the program-wide variables
// (the copy names among them). The list lives in the model because the report owns it and writes
// it into report files; the script binding above the model reads it.
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "report/objects/collection.h"
#include "script_engine/interpreter/value.h"

class QIODevice;
class TrpXMLItem;

class TrpVariable : public TrpCollectionItem {
 public:
  TrpVariable() = default;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QString& Name() const { return FName; }
  void SetName(const QString& value) { FName = value; }
  const ScriptValue& Value() const { return FValue; }
  void SetValue(const ScriptValue& value) { FValue = value; }
  // The value as the report file holds it: its text (a file gives it back as a text).
  QString ValueText() const;
  void SetValueText(const QString& value) { FValue = ScriptValue(value); }
  // A category header: the name begins with a blank.
  bool IsCategory() const { return FName.startsWith(u' '); }

 private:
  QString FName;
  ScriptValue FValue;
};

// The lookup by name over an owned, ordered list of variables; TrpVariables and TrpArray share it.
class TrpVariableCollection : public TrpCollection<TrpVariable> {
 public:
  // The first item of that name (ignoring case), or -1.
  int IndexOf(const QString& name) const;
  // The first item of that name (ignoring case), or none.
  TrpVariable* Find(const QString& name) const {
    const int index = IndexOf(name);
    return index < 0 ? nullptr : Items(index);
  }
  // The value of the named item; empty when there is none.
  ScriptValue Variables(const QString& name) const;
  // Sets the named item's value, adding the item when absent.
  void SetVariables(const QString& name, const ScriptValue& value);
};

class TrpVariables : public TrpVariableCollection {
 public:
  // The category names (without their blank), appended to `list`; emptied first when asked.
  void GetCategoriesList(QStringList& list, bool clearList = true) const;
  // The variable names of `category`; with an empty category the uncategorised ones at the top.
  void GetVariablesList(const QString& category, QStringList& list) const;
  // Removes the category header and its variables.
  void DeleteCategory(const QString& name);
  void DeleteVariable(const QString& name);
  // Sets an existing variable's value, or inserts the variable at the end of `category`; nothing
  // when the category does not exist. An empty category is the uncategorised top.
  void AddVariable(const QString& category, const QString& name, const ScriptValue& value);
  void Assign(const TrpVariables& source);

  // --- the variables file: root "variables", one "item" per variable ---------------------------
  void LoadFromFile(const QString& fileName);
  void LoadFromStream(QIODevice& stream);
  void SaveToFile(const QString& fileName) const;
  void SaveToStream(QIODevice& stream) const;
  // Replaces the list by the "item" children of `item` (other children are ignored). Messages
  // about attributes that could not be applied go to `errors`.
  void LoadFromXMLItem(const TrpXMLItem& item, bool oldFormat = false, QStringList* errors = nullptr);
  void SaveToXMLItem(TrpXMLItem& item) const;

 private:
  // The index of the category header, or -1; an empty name gives the top (-1 too).
  int CategoryIndex(const QString& name) const;
  // The index after the last variable of the category starting after `header`.
  int CategoryEnd(int header) const;
};

// Array-like variable sets for scripts: the same lookup, keyed by any value's text.
class TrpArray : public TrpVariableCollection {
 public:
  ScriptValue Variables(const ScriptValue& key) const {
    return TrpVariableCollection::Variables(key.ToText());
  }
  void SetVariables(const ScriptValue& key, const ScriptValue& value) {
    TrpVariableCollection::SetVariables(key.ToText(), value);
  }
};

// The program-wide variables.
TrpVariables& rpGlobalVariables();
