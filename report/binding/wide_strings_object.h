#pragma once
// TWideStrings for scripts: a list of lines with an object beside each. A text object's Lines is
// one over the text object's own lines (Memo1.Lines.Add changes the text object); a script may
// also create one of its own (TWideStrings.Create).
#include <QStringList>

#include <vector>

#include "script_engine/modules/classes_module.h"

class TrpWideStringsObject : public TscPersistentObject {
 public:
  TrpWideStringsObject() : FLines(FOwnLines) {}
  // Over lines someone else keeps; they must outlive this object.
  explicit TrpWideStringsObject(QStringList& lines) : FLines(lines) {}

  const TscHostClass* HostClass() const override;
  bool AssignFrom(TscHostObject& source) override;
  void Release() override { Clear(); }

  QStringList& Lines() const { return FLines; }
  // The object beside line `index` (nil when none was given); raises for an index outside.
  ScriptValue Object(int index);
  void SetObject(int index, const ScriptValue& object);
  int Add(const QString& line, const ScriptValue& object = ScriptValue::Null());
  void Insert(int index, const QString& line);
  void Delete(int index);
  void Clear();
  void SetText(const QString& text);

  // Registers "TWideStrings" with its members in `script`, unless known.
  static void RegisterClass(TscScript& script);

 private:
  void CheckIndex(int index, int count) const;
  void FitObjects();  // the lines may have changed elsewhere: one object slot per line

  QStringList FOwnLines;
  QStringList& FLines;
  std::vector<ScriptValue> FObjects;
};
