#include "report/pages/fill_gaps.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

const TrpClassInfo& TrpFillGaps::StaticClassInfo() {
  using C = TrpFillGaps;
  static const TrpClassInfo info("TrpFillGaps", nullptr, nullptr,
                                 {
                                     rpInteger<&C::Top, &C::SetTop>("Top", 0),
                                     rpInteger<&C::Left, &C::SetLeft>("Left", 0),
                                     rpInteger<&C::Bottom, &C::SetBottom>("Bottom", 0),
                                     rpInteger<&C::Right, &C::SetRight>("Right", 0),
                                 });
  return info;
}

const TrpClassInfo& TrpFillGaps::ClassInfo() const { return StaticClassInfo(); }

void TrpFillGaps::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpFillGaps*>(&source);
  if (!other || other == this) return;
  FTop = other->FTop;
  FLeft = other->FLeft;
  FBottom = other->FBottom;
  FRight = other->FRight;
}
