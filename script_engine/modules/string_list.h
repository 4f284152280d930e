#pragma once
// The string list behind the script classes TStrings and TStringList: lines, each with an object
// beside it, optionally kept sorted (ignoring case) with a rule for duplicates, and the usual
// views of the lines: names and values ("name=value"), comma text and text.
#include <QString>
#include <QStringList>

#include <vector>

#include "script_engine/interpreter/value.h"

enum class TscDuplicates { dupIgnore, dupAccept, dupError };

class TscStringList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // Each raises ScriptError("List index out of bounds (i)") for an index outside the list.
  const QString& Strings(int index) const;
  void SetStrings(int index, const QString& s);
  const ScriptValue& Objects(int index) const;
  void SetObjects(int index, const ScriptValue& object);

  // The index of the new line: its sorted place in a sorted list; for a duplicate in a sorted
  // list that ignores duplicates, the index of the line already there (nothing is added).
  int Add(const QString& s, const ScriptValue& object = ScriptValue::Null());
  // Raises in a sorted list, where the position is the list's to choose.
  void Insert(int index, const QString& s, const ScriptValue& object = ScriptValue::Null());
  void Delete(int index);
  void Move(int from, int to);
  void Clear() { FItems.clear(); }

  int IndexOf(const QString& s) const;
  int IndexOfName(const QString& name) const;
  int IndexOfObject(const ScriptValue& object) const;
  // Where s is or would go. A sorted list is searched by halves; an unsorted one line by line,
  // with the end of the list as the place of a missing text.
  bool Find(const QString& s, int& index) const;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  void Sort();
  TscDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TscDuplicates d) { FDuplicates = d; }

  // "name=value" lines: the name of a line (empty without "="), the value of the first line with
  // that name (ignoring case; empty when none). Setting a value to empty deletes its line.
  QString Names(int index) const;
  QString Values(const QString& name) const;
  void SetValues(const QString& name, const QString& value);

  // Lines joined by commas; a line with blanks, commas or quotes (or an empty one) is written in
  // double quotes with its quotes doubled. Setting splits at commas and blanks outside quotes.
  QString CommaText() const;
  void SetCommaText(const QString& text);
  // Every line followed by a line break; setting splits at CR LF, LF or CR.
  QString Text() const;
  void SetText(const QString& text);
  void Assign(const TscStringList& source) { FItems = source.FItems; if (FSorted) Sort(); }

 private:
  struct Item {
    QString text;
    ScriptValue object;
  };
  void checkIndex(int index, int count) const;
  static int compare(const QString& a, const QString& b);
  bool findSorted(const QString& s, int& index) const;

  std::vector<Item> FItems;
  bool FSorted = false;
  TscDuplicates FDuplicates = TscDuplicates::dupIgnore;
};
