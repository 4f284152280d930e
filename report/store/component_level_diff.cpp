#include "report/store/component_level_diff.h"

#include "report/objects/class_info.h"
#include "report/objects/component.h"

// The base record is the start of every class's record.
QString rpComponentLevelDiff(const TrpComponent& object, const TrpComponent& source) {
  return object.InternalDiff(source, TrpComponent::StaticClassInfo().DiffEntries().size());
}
