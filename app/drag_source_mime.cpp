#include "app/drag_source_mime.h"

namespace stroval {

DragSourceMime::DragSourceMime(QObject* source) : source_(source) {
  setData(kFormat, QByteArray());
}

QObject* DragSourceMime::SourceOf(const QMimeData* data) {
  const auto* own = qobject_cast<const DragSourceMime*>(data);
  return own != nullptr ? own->Source() : nullptr;
}

}  // namespace stroval
