#pragma once
// A TStrings or TStringList object of a script: a string list with its class.
#include "script_engine/modules/classes_module.h"
#include "script_engine/modules/string_list.h"

class TscStringsObject : public TscPersistentObject {
 public:
  explicit TscStringsObject(const TscHostClass& cls) : FClass(cls) {}
  const TscHostClass* HostClass() const override { return &FClass; }
  void Release() override { List.Clear(); }
  bool AssignFrom(TscHostObject& source) override;

  TscStringList List;

 private:
  const TscHostClass& FClass;
};
