#pragma once
// TrpCollection and TrpCollectionItem: an owned, ordered list of persistent items (report
// variables, styles) in which every item gets an inherited name when it joins: its class name
// followed by the smallest positive number no item of the list uses yet (compared ignoring case).
// A report that inherits an ancestor writes and reads its items under these names, so the names
// must stay stable while the list lives.
#include <QString>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "report/objects/class_info.h"
#include "report/objects/persistent.h"

class TrpCollectionItem : public TrpPersistent {
 public:
  ~TrpCollectionItem() override;

  // Whoever hands items out by address (the script bindings) hears of each item destroyed.
  using DestroyedListener = std::function<void(const TrpCollectionItem*)>;
  static int AddDestroyedListener(DestroyedListener listener);  // returns its key
  static void RemoveDestroyedListener(int key);

  // The name the item joined its list under; items that have a name of their own may give that.
  virtual QString InheritedName() const { return FInheritedName; }
  void SetInheritedName(const QString& value) { FInheritedName = value; }
  // Set for the items a report took over from its ancestor report.
  bool Inherited() const { return FInherited; }
  void SetInherited(bool value) { FInherited = value; }

 private:
  QString FInheritedName;
  bool FInherited = false;
};

// The first of `className` + 1, 2, ... that `used` (a predicate on names) does not accept.
template <class Used>
QString rpNextInheritedName(const QString& className, Used used) {
  for (int n = 1;; ++n) {
    const QString name = className + QString::number(n);
    if (!used(name)) return name;
  }
}

template <class Item>
class TrpCollection {
 public:
  TrpCollection() = default;
  virtual ~TrpCollection() = default;
  TrpCollection(const TrpCollection&) = delete;
  TrpCollection& operator=(const TrpCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  Item* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
  Item* Add() { return Insert(Count()); }
  // A new item at `index` (clamped to 0..Count).
  Item* Insert(int index) {
    auto item = std::make_unique<Item>();
    item->SetInheritedName(NextInheritedName());
    ItemAdded(*item);
    index = std::clamp(index, 0, Count());
    return FItems.insert(FItems.begin() + index, std::move(item))->get();
  }
  void Delete(int index) {
    if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
  }
  void Clear() { FItems.clear(); }
  // The item whose inherited name is exactly `name`, or none.
  Item* FindByName(const QString& name) const {
    for (const auto& item : FItems)
      if (item->InheritedName() == name) return item.get();
    return nullptr;
  }
  // Takes the items of `other`, which is left empty.
  void TakeItems(TrpCollection& other) {
    FItems = std::move(other.FItems);
    other.FItems.clear();
    for (const auto& item : FItems) ItemAdded(*item);
  }

 protected:
  // Lets a list tell a new item where it belongs.
  virtual void ItemAdded(Item& item) { (void)item; }

 private:
  QString NextInheritedName() const {
    const QString className = QString::fromLatin1(Item::StaticClassInfo().ClassName());
    return rpNextInheritedName(className, [this](const QString& name) {
      return std::any_of(FItems.begin(), FItems.end(), [&](const auto& item) {
        return item->InheritedName().compare(name, Qt::CaseInsensitive) == 0;
      });
    });
  }

  std::vector<std::unique_ptr<Item>> FItems;
};
