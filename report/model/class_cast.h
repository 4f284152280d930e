#pragma once
// A checked downcast of a report object that asks the class description first. Objects of other
// classes are ruled out by a few pointer comparisons along the class chain, where a failing
// dynamic_cast compares type names at each level of the C++ hierarchy; the cast then only confirms.
// For the engine's questions about every object of every band it shows ("is it a subreport?"),
// which are mostly answered no.
#include <type_traits>

#include "report/model/class_info.h"

template <class T, class Object>
T* rpClassCast(Object* object) {
  if (!object || !object->ClassInfo().InheritsFrom(std::remove_cv_t<T>::StaticClassInfo()))
    return nullptr;
  return dynamic_cast<T*>(object);
}
