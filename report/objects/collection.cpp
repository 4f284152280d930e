#include "report/objects/collection.h"

#include <QMutex>
#include <QMutexLocker>

#include <map>

namespace {

struct Listeners {
  QMutex lock;
  std::map<int, TrpCollectionItem::DestroyedListener> byKey;
  int nextKey = 1;
};

Listeners& listeners() {
  static Listeners all;
  return all;
}

}  // namespace

TrpCollectionItem::~TrpCollectionItem() {
  Listeners& all = listeners();
  QMutexLocker locker(&all.lock);
  for (const auto& [key, listener] : all.byKey) listener(this);
}

int TrpCollectionItem::AddDestroyedListener(DestroyedListener listener) {
  Listeners& all = listeners();
  QMutexLocker locker(&all.lock);
  const int key = all.nextKey++;
  all.byKey.emplace(key, std::move(listener));
  return key;
}

void TrpCollectionItem::RemoveDestroyedListener(int key) {
  Listeners& all = listeners();
  QMutexLocker locker(&all.lock);
  all.byKey.erase(key);
}
