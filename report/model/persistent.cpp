#include "report/model/persistent.h"

#include "report/model/class_info.h"
#include "report/model/property_access.h"

QString TrpPersistent::ClassName() const { return QLatin1String(ClassInfo().ClassName()); }

bool TrpPersistent::InheritsFrom(const TrpClassName& className) const {
  return ClassInfo().InheritsFrom(className);
}

bool TrpPersistent::InheritsFrom(const char* className) const {
  return ClassInfo().InheritsFrom(QLatin1String(className));
}

void TrpPersistent::Assign(const TrpPersistent& source) {
  if (&source != this) rpCopyProperties(source, *this);
}
