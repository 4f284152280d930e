#pragma once
// The objects a script created (TStringList.Create, new TMemoryStream, ...). They belong to the
// script: freed by it (Free, delete) or, at the latest, with it.
//
// A freed object is retired rather than deleted at once: it leaves the register of living objects
// and lets go of its contents, but its memory stays taken until a good many objects later. A
// script that still holds the old reference thus gets "The object has been freed", and never an
// object created afterwards at the same address.
#include <deque>
#include <memory>
#include <unordered_set>

#include "script_engine/interpreter/value.h"

class TscHostObject;

class TscCreatedObjects {
 public:
  TscCreatedObjects() = default;
  TscCreatedObjects(const TscCreatedObjects&) = delete;
  TscCreatedObjects& operator=(const TscCreatedObjects&) = delete;
  ~TscCreatedObjects();  // deletes every object, living or retired

  // Takes the object; the value a script sees for it.
  ScriptValue Adopt(std::unique_ptr<TscHostObject> object);
  // Adopts an object made elsewhere (by a host class's constructor), whose owner is this script.
  ScriptValue Adopt(TscHostObject* object);
  bool Owns(const TscHostObject* object) const { return FLiving.count(object) != 0; }
  // Frees an object this script created: retired now, deleted later.
  void Free(TscHostObject* object);
  // Frees every object (the script's program is cleared).
  void Clear();
  int LivingCount() const { return static_cast<int>(FLiving.size()); }

 private:
  // Freed objects kept retired before the oldest is deleted.
  static constexpr std::size_t kRetiredKept = 4096;

  std::unordered_set<const TscHostObject*> FLiving;
  std::deque<TscHostObject*> FRetired;
};
