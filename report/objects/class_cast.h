#pragma once
// Checked downcasts of report objects for the engine's questions about every object of every band
// it shows ("is it a data band?", "can it stretch?").
//
// rpDynamicCast is dynamic_cast with its outcome remembered for the last few dynamic types it
// met: a dynamic_cast down a deep hierarchy walks the type descriptions and compares type names at
// each level, where the answer for one dynamic type never changes (the offset from the object to
// its T part included). rpClassCast asks the class description first: objects of other classes
// are ruled out by a few pointer comparisons along the class chain.
#include <array>
#include <cstddef>
#include <type_traits>
#include <typeinfo>

#include "report/objects/class_info.h"

template <class T, class Object>
T* rpDynamicCast(Object* object) {
  static_assert(std::is_const_v<T> || !std::is_const_v<Object>, "the cast keeps constness");
  if (!object) return nullptr;
  using Bytes = std::conditional_t<std::is_const_v<Object>, const char*, char*>;
  struct Outcome {
    const std::type_info* Type = nullptr;
    std::ptrdiff_t Offset = 0;
    bool Is = false;
  };
  thread_local std::array<Outcome, 4> seen;
  thread_local unsigned next = 0;
  const std::type_info* type = &typeid(*object);
  for (const Outcome& outcome : seen)
    if (outcome.Type == type)
      return outcome.Is ? reinterpret_cast<T*>(reinterpret_cast<Bytes>(object) + outcome.Offset) : nullptr;
  T* cast = dynamic_cast<T*>(object);
  Outcome& slot = seen[next++ % seen.size()];
  slot.Type = type;
  slot.Is = cast != nullptr;
  slot.Offset = cast ? reinterpret_cast<Bytes>(cast) - reinterpret_cast<Bytes>(object) : 0;
  return cast;
}

template <class T, class Object>
T* rpClassCast(Object* object) {
  if (!object || !object->ClassInfo().InheritsFrom(std::remove_cv_t<T>::StaticClassInfo()))
    return nullptr;
  return rpDynamicCast<T>(object);
}
