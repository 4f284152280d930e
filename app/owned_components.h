#pragma once

#include <QObject>
#include <vector>

// The components a window owns, in the order they were given to it. Ownership is kept apart from
// the Qt parent: a grid cell or a palette label is shown inside a panel (its parent) but belongs
// to the window (its owner), which enumerates and frees it by index. A component deleted by any
// other means leaves the list at once, so the indexes never point at freed objects.
namespace stroval {

class OwnedComponents {
 public:
  OwnedComponents() = default;
  OwnedComponents(const OwnedComponents&) = delete;
  OwnedComponents& operator=(const OwnedComponents&) = delete;
  // Frees every remaining component, the most recently added first.
  ~OwnedComponents();

  // Appends a component; the list now frees it. Adding a component twice has no effect.
  void Insert(QObject* component);
  int ComponentCount() const { return static_cast<int>(entries_.size()); }
  QObject* Components(int index) const { return entries_.at(static_cast<size_t>(index)).component; }

 private:
  void Remove(QObject* component);

  struct Entry {
    QObject* component;
    QMetaObject::Connection watch;
  };
  std::vector<Entry> entries_;
};

}  // namespace stroval
