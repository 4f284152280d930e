#pragma once
// The pages the store has rebuilt from their records, most recently used first. Pages are shared:
// a caller holding a page keeps it alive when the cache drops it. A page dropped by the cache is
// also kept for a while as "retired", so that a plain pointer a caller got from GetPage stays
// valid until control returns to the event loop (or, without one, until RetiredLimit more pages
// have been dropped).
#include <QList>

#include <memory>

class TrpReportPage;

class TrpPageCache {
 public:
  static constexpr int RetiredLimit = 16;

  TrpPageCache();
  ~TrpPageCache();
  TrpPageCache(const TrpPageCache&) = delete;
  TrpPageCache& operator=(const TrpPageCache&) = delete;

  // The page of `index` moved to the front, or none.
  std::shared_ptr<TrpReportPage> Find(int index);
  // Puts `page` at the front under `index`, replacing a page of the same index.
  void Add(int index, std::shared_ptr<TrpReportPage> page);
  int Count() const { return FEntries.size(); }
  // Drops the least recently used page and returns its index; -1 when empty.
  int DropLast();
  // Drops every page.
  void Clear();
  // Frees the retired pages now (nobody can hold a plain pointer to them any more).
  void ReleaseRetired();
  int RetiredCount() const { return FRetired.size(); }

 private:
  struct Entry {
    int index;
    std::shared_ptr<TrpReportPage> page;
  };
  void Retire(std::shared_ptr<TrpReportPage> page);
  void ScheduleRelease();

  QList<Entry> FEntries;
  QList<std::shared_ptr<TrpReportPage>> FRetired;
  // Tells a queued release whether the cache still exists.
  std::shared_ptr<TrpPageCache*> FSelf;
  bool FReleaseQueued = false;
};
