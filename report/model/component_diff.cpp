// The difference record of an object against its template: one walk over the class's record.
#include "report/model/class_info.h"
#include "report/model/component.h"

QString TrpComponent::InternalDiff(const TrpComponent& other) const {
  return InternalDiff(other, ClassInfo().DiffEntries().size());
}

QString TrpComponent::InternalDiff(const TrpComponent& other, size_t entryCount) const {
  QString result;
  ClassInfo().DiffRecord().Append(*this, other, entryCount, result);
  return result;
}

QString TrpComponent::Diff(const TrpComponent& other) const { return InternalDiff(other); }

bool TrpComponent::DiffForcesTop() const {
  static const TrpClassName band("TrpBand");
  return InheritsFrom(band);
}
