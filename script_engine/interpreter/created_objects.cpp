// The register of the objects a script created.
#include "script_engine/interpreter/created_objects.h"

#include "script_engine/interpreter/host_class.h"

TscCreatedObjects::~TscCreatedObjects() { Clear(); }

ScriptValue TscCreatedObjects::Adopt(std::unique_ptr<TscHostObject> object) {
  return Adopt(object.release());
}

ScriptValue TscCreatedObjects::Adopt(TscHostObject* object) {
  FLiving.insert(object);
  return ScriptValue(static_cast<ScriptObject*>(object));
}

void TscCreatedObjects::Free(TscHostObject* object) {
  if (FLiving.erase(object) == 0) return;
  object->Retire();
  object->Release();
  FRetired.push_back(object);
  if (FRetired.size() > kRetiredKept) {
    delete FRetired.front();
    FRetired.pop_front();
  }
}

void TscCreatedObjects::Clear() {
  // An object's destructor may free others it holds (a document its items): each is taken out of
  // the register before it is deleted.
  while (!FLiving.empty()) {
    auto* object = const_cast<TscHostObject*>(*FLiving.begin());
    FLiving.erase(FLiving.begin());
    delete object;
  }
  for (TscHostObject* object : FRetired) delete object;
  FRetired.clear();
}
