#pragma once

#include <QMimeData>
#include <QPointer>

// The data of a drag that starts on one of our own controls: it names the control being dragged,
// so that a drop target can ask what it was given. The reference is weak; a control freed while
// its drag is under way reads as no source at all.
namespace stroval {

class DragSourceMime : public QMimeData {
  Q_OBJECT

 public:
  static constexpr const char* kFormat = "application/x-stroval-drag-source";

  explicit DragSourceMime(QObject* source);
  QObject* Source() const { return source_; }

  // The dragged control of our own drags; nullptr for data from anywhere else.
  static QObject* SourceOf(const QMimeData* data);

 private:
  QPointer<QObject> source_;
};

}  // namespace stroval
