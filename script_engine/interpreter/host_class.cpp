// Host classes and the register of living host objects.
#include "script_engine/interpreter/host_class.h"

#include <mutex>
#include <unordered_set>

#include "script_engine/front/script_error.h"

namespace {

// Every host object registers itself while it exists. A script value holds a bare pointer; this
// register is what lets the engine tell a living object from a freed one before touching it.
struct LiveObjects {
  std::mutex lock;
  std::unordered_set<const ScriptObject*> objects;
};

LiveObjects& live() {
  static LiveObjects registry;
  return registry;
}

}  // namespace

TscHostClass::TscHostClass(const QString& name, const TscHostClass* parent,
                           std::vector<TscPublishedProperty> properties)
    : FName(name), FParent(parent), FProperties(std::move(properties)) {}

std::vector<const TscPublishedProperty*> TscHostClass::Published() const {
  std::vector<const TscPublishedProperty*> all =
      FParent ? FParent->Published() : std::vector<const TscPublishedProperty*>{};
  for (const TscPublishedProperty& p : FProperties) all.push_back(&p);
  return all;
}

bool TscHostClass::InheritsFrom(const TscHostClass* other) const {
  for (const TscHostClass* c = this; c; c = c->FParent)
    if (c == other) return true;
  return false;
}

bool TscHostClass::InheritsFrom(const QString& name) const {
  for (const TscHostClass* c = this; c; c = c->FParent)
    if (c->FName.compare(name, Qt::CaseInsensitive) == 0) return true;
  return false;
}

TscHostObject::TscHostObject() {
  std::lock_guard<std::mutex> guard(live().lock);
  live().objects.insert(this);
}

TscHostObject::~TscHostObject() {
  std::lock_guard<std::mutex> guard(live().lock);
  live().objects.erase(this);
}

void TscHostObject::Retire() {
  std::lock_guard<std::mutex> guard(live().lock);
  live().objects.erase(this);
}

void TscHostObject::FreeByScript() {
  throw ScriptError(QStringLiteral("The %1 object belongs to the program; a script cannot free it")
                        .arg(HostClass() ? HostClass()->ClassName() : QStringLiteral("host")));
}

bool TscHostObject::IsAlive(const ScriptObject* p) {
  std::lock_guard<std::mutex> guard(live().lock);
  return live().objects.count(p) != 0;
}

TscHostObject* scTryObjectOf(const ScriptValue& value) {
  if (!value.IsObject()) return nullptr;
  ScriptObject* p = value.ToObject();
  // Only pointers found in the register are ever converted; a foreign or freed pointer is not.
  return p && TscHostObject::IsAlive(p) ? static_cast<TscHostObject*>(p) : nullptr;
}

TscHostObject* scObjectOf(const ScriptValue& value, const TscHostClass* expected) {
  if (value.IsEmptyOrNull()) return nullptr;
  if (value.IsInteger() && value.ToInt64() == 0) return nullptr;  // nil
  if (!value.IsObject())
    throw ScriptError(QStringLiteral("A value of type %1 is not an object").arg(value.KindName()));
  ScriptObject* p = value.ToObject();
  if (!p) return nullptr;
  if (!TscHostObject::IsAlive(p))
    throw ScriptError(QStringLiteral("The object has been freed"));
  auto* object = static_cast<TscHostObject*>(p);
  if (expected && !(object->HostClass() && object->HostClass()->InheritsFrom(expected)))
    throw ScriptError(QStringLiteral("Invalid class typecast: %1 is not %2")
                          .arg(object->HostClass() ? object->HostClass()->ClassName()
                                                   : QStringLiteral("an unknown class"),
                               expected->ClassName()));
  return object;
}
