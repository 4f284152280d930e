#include "report/objects/persistent.h"

#include "report/objects/class_info.h"
#include "report/objects/property_access.h"

#include <atomic>

void TrpPersistent::StampChange() {
  static std::atomic<std::uint64_t> last{0};
  FChangeStamp = last.fetch_add(1, std::memory_order_relaxed) + 1;
}

QString TrpPersistent::ClassName() const { return QLatin1String(ClassInfo().ClassName()); }

bool TrpPersistent::InheritsFrom(const TrpClassInfo& cls) const { return ClassInfo().InheritsFrom(cls); }

bool TrpPersistent::InheritsFrom(const TrpClassName& className) const {
  return ClassInfo().InheritsFrom(className);
}

bool TrpPersistent::InheritsFrom(const char* className) const {
  return ClassInfo().InheritsFrom(QLatin1String(className));
}

void TrpPersistent::Assign(const TrpPersistent& source) {
  if (&source != this) rpCopyProperties(source, *this);
}
