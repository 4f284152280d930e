#include "app/owned_components.h"

#include <algorithm>

namespace stroval {

OwnedComponents::~OwnedComponents() {
  // Deleting a component runs its watch, which drops it from the list.
  while (!entries_.empty()) delete entries_.back().component;
}

void OwnedComponents::Insert(QObject* component) {
  auto same = [component](const Entry& e) { return e.component == component; };
  if (component == nullptr || std::any_of(entries_.begin(), entries_.end(), same)) return;
  auto watch = QObject::connect(component, &QObject::destroyed,
                                [this, component] { Remove(component); });
  entries_.push_back({component, watch});
}

void OwnedComponents::Remove(QObject* component) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [component](const Entry& e) { return e.component == component; });
  if (it == entries_.end()) return;
  QObject::disconnect(it->watch);
  entries_.erase(it);
}

}  // namespace stroval
