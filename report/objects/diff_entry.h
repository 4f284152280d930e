#pragma once
// One attribute of the difference record that the prepared-pages store keeps for an object
// placed on a prepared page: the object against the template it was copied from. A class's
// record is its parent's followed by its own entries (class_info.h); TrpComponent::Diff is one
// loop over them.
class TrpComponent;

struct TrpDiffEntry {
  const char* Attribute = nullptr;  // name in the record ("l", "Font.Name")
  const char* Path = nullptr;       // property path read on both objects ("Left", "Font.Name")
  // Whether the attribute is written, given whether the two values differ (floats differ by
  // more than rpUnitTolerance). Null: exactly when they differ.
  bool (*Write)(const TrpComponent& self, const TrpComponent& other, bool differ) = nullptr;
};
