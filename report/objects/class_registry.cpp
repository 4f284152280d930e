#include "report/objects/class_registry.h"

#include "report/objects/class_info.h"

namespace {

QList<const TrpClassInfo*>& registry() {
  static QList<const TrpClassInfo*> classes;
  return classes;
}

qsizetype indexOf(const QString& className) {
  const QList<const TrpClassInfo*>& classes = registry();
  for (qsizetype i = 0; i < classes.size(); ++i)
    if (className.compare(QLatin1String(classes[i]->ClassName()), Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

}  // namespace

void rpRegisterClass(const TrpClassInfo& cls) {
  const qsizetype i = indexOf(QLatin1String(cls.ClassName()));
  if (i >= 0)
    registry()[i] = &cls;
  else
    registry().append(&cls);
}

void rpUnregisterClass(const TrpClassInfo& cls) { registry().removeAll(&cls); }

const TrpClassInfo* rpFindClass(const QString& className) {
  const qsizetype i = indexOf(className);
  return i < 0 ? nullptr : registry()[i];
}

TrpComponent* rpCreateObject(const QString& className, TrpComponent* owner) {
  const TrpClassInfo* cls = rpFindClass(className);
  return cls && cls->Factory() ? cls->Factory()(owner) : nullptr;
}

QList<const TrpClassInfo*> rpRegisteredClasses() { return registry(); }
