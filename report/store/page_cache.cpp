#include "report/store/page_cache.h"

#include "report/pages/report_page.h"

#include <QCoreApplication>
#include <QMetaObject>

TrpPageCache::TrpPageCache() : FSelf(std::make_shared<TrpPageCache*>(this)) {}

TrpPageCache::~TrpPageCache() { *FSelf = nullptr; }

std::shared_ptr<TrpReportPage> TrpPageCache::Find(int index) {
  for (int i = 0; i < FEntries.size(); ++i) {
    if (FEntries[i].index != index) continue;
    if (i > 0) FEntries.move(i, 0);
    return FEntries.first().page;
  }
  return {};
}

void TrpPageCache::Add(int index, std::shared_ptr<TrpReportPage> page) {
  for (int i = 0; i < FEntries.size(); ++i) {
    if (FEntries[i].index != index) continue;
    Retire(std::move(FEntries[i].page));
    FEntries.removeAt(i);
    break;
  }
  FEntries.prepend({index, std::move(page)});
}

int TrpPageCache::DropLast() {
  if (FEntries.isEmpty()) return -1;
  Entry last = FEntries.takeLast();
  Retire(std::move(last.page));
  return last.index;
}

void TrpPageCache::Clear() {
  while (!FEntries.isEmpty()) DropLast();
}

void TrpPageCache::ReleaseRetired() { FRetired.clear(); }

void TrpPageCache::Retire(std::shared_ptr<TrpReportPage> page) {
  if (!page) return;
  FRetired.append(std::move(page));
  while (FRetired.size() > RetiredLimit) FRetired.removeFirst();
  ScheduleRelease();
}

void TrpPageCache::ScheduleRelease() {
  QCoreApplication* app = QCoreApplication::instance();
  if (FReleaseQueued || !app) return;
  FReleaseQueued = true;
  std::weak_ptr<TrpPageCache*> self = FSelf;
  QMetaObject::invokeMethod(
      app,
      [self] {
        const std::shared_ptr<TrpPageCache*> alive = self.lock();
        if (!alive || !*alive) return;
        (*alive)->FReleaseQueued = false;
        (*alive)->ReleaseRetired();
      },
      Qt::QueuedConnection);
}
