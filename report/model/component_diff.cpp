// The difference record of an object against its template: one walk over the class's record.
#include "report/model/class_info.h"
#include "report/model/component.h"

QString TrpComponent::InternalDiff(const TrpComponent& other) const {
  return InternalDiff(other, ClassInfo().DiffEntries().size());
}

QString TrpComponent::InternalDiff(const TrpComponent& other, size_t entryCount) const {
  // Written into a buffer the thread keeps, so that a record is not grown attribute by attribute
  // into new allocations; the record itself is an exact copy (prepared pages hold many).
  thread_local QString buffer;
  if (buffer.capacity() > 65536) buffer = QString();
  buffer.resize(0);
  ClassInfo().DiffRecord().Append(*this, other, entryCount, buffer);
  return QString(buffer.constData(), buffer.size());
}

QString TrpComponent::Diff(const TrpComponent& other) const { return InternalDiff(other); }

bool TrpComponent::DiffForcesTop() const {
  static const TrpClassName band("TrpBand");
  return InheritsFrom(band);
}
