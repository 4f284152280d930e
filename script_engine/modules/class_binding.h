#pragma once
// Small helpers for binding host classes to scripts: a method whose handler receives the object it
// is called on as a C++ reference of its own type, constructors that know which class the script
// named, and arguments read as objects.
#include <QString>

#include <span>
#include <vector>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/host_class.h"

using TscArgs = std::vector<ScriptValue>;

// Tables of names a module registers: Integer constants, and enumerations or sets.
struct TscIntConstant {
  const char* name;
  int value;
};
struct TscEnumeration {
  const char* type;
  const char* names;  // comma-separated, in value order
  bool isSet;
};
inline void scAddConstants(TscScript& script, std::span<const TscIntConstant> constants) {
  for (const TscIntConstant& c : constants)
    script.AddConst(QString::fromLatin1(c.name), QStringLiteral("Integer"), ScriptValue(c.value));
}
inline void scAddEnumerations(TscScript& script, std::span<const TscEnumeration> enumerations) {
  for (const TscEnumeration& e : enumerations) {
    const QString type = QString::fromLatin1(e.type), names = QString::fromLatin1(e.names);
    if (e.isSet)
      script.AddEnumSet(type, names);
    else
      script.AddEnum(type, names);
  }
}

// The object a member is used on, as T. Raises for nil (and for an object of another kind).
template <class T>
T& scSelfAs(TscHostObject* instance, const QString& member) {
  if (!instance) throw ScriptError(QStringLiteral("%1: the object is nil").arg(member));
  T* self = dynamic_cast<T*>(instance);
  if (!self)
    throw ScriptError(QStringLiteral("%1 is not available on a %2")
                          .arg(member, instance->HostClass() ? instance->HostClass()->ClassName()
                                                             : QStringLiteral("host object")));
  return *self;
}

// An argument that must be an object of class `expected` and kind T (nil raises).
template <class T>
T& scArgumentAs(const ScriptValue& value, const TscHostClass& expected, const QString& member) {
  TscHostObject* object = scObjectOf(value, &expected);
  if (!object) throw ScriptError(QStringLiteral("%1: the %2 is nil").arg(member, expected.ClassName()));
  return scSelfAs<T>(object, member);
}

// Registers "syntax" on cls with handler fn(T& self, TscArgs& args) -> ScriptValue.
template <class T, class Fn>
TscMethodHelper* scBindMethod(TscClassVariable* cls, const char* syntax, Fn fn) {
  return cls->AddMethod(QString::fromUtf8(syntax),
                        [fn](TscHostObject* instance, const TscHostClass*, const QString& name,
                             TscArgs& args) -> ScriptValue {
                          return fn(scSelfAs<T>(instance, name), args);
                        });
}

// A read-write (or, without set, read-only) property of T.
template <class T, class Get>
TscPropertyHelper* scBindProperty(TscClassVariable* cls, const char* name, const char* type, Get get) {
  return cls->AddProperty(QString::fromUtf8(name), QString::fromUtf8(type),
                          [get](TscHostObject* instance, const TscHostClass*, const QString& n) {
                            return ScriptValue(get(scSelfAs<T>(instance, n)));
                          });
}
template <class T, class Get, class Set>
TscPropertyHelper* scBindProperty(TscClassVariable* cls, const char* name, const char* type, Get get,
                                  Set set) {
  return cls->AddProperty(
      QString::fromUtf8(name), QString::fromUtf8(type),
      [get](TscHostObject* instance, const TscHostClass*, const QString& n) {
        return ScriptValue(get(scSelfAs<T>(instance, n)));
      },
      [set](TscHostObject* instance, const TscHostClass*, const QString& n, const ScriptValue& v) {
        set(scSelfAs<T>(instance, n), v);
      });
}

// An indexed property of T: fn(self, args, setting) where args[0..] are the indices and, when
// setting, the last argument is the value assigned.
template <class T, class Fn>
TscMethodHelper* scBindIndexProperty(TscClassVariable* cls, const char* name, const char* indexType,
                                     const char* type, bool isDefault, Fn fn) {
  return cls->AddIndexProperty(
      QString::fromUtf8(name), QString::fromUtf8(indexType), QString::fromUtf8(type),
      [fn](TscHostObject* instance, const TscHostClass*, const QString& n, TscArgs& args) {
        return ScriptValue(fn(scSelfAs<T>(instance, n), args, n.endsWith(QLatin1String(".SET"))));
      },
      isDefault);
}

// Registers "constructor ..." on cls: make(named class, args) builds the object, which the
// script `owner` then owns. The class is the one the script named (TStringList.Create calls the
// constructor TStrings declares, for a TStringList).
using TscMakeObject =
    std::function<std::unique_ptr<TscHostObject>(const TscHostClass& named, TscMethodHelper& call)>;
TscMethodHelper* scBindConstructor(TscClassVariable* cls, const char* syntax, TscScript& owner,
                                   TscMakeObject make);
