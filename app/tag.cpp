#include "app/tag.h"

#include <QObject>
#include <QVariant>

namespace stroval {

namespace {
constexpr const char* kTagProperty = "Tag";
}

int Tag(const QObject* object) {
  if (object == nullptr) return 0;
  return object->property(kTagProperty).toInt();  // an unset property reads as 0
}

void SetTag(QObject* object, int tag) {
  object->setProperty(kTagProperty, tag);
}

}  // namespace stroval
