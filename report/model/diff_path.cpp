#include "report/model/diff_path.h"

#include <cstring>

#include "report/model/class_info.h"
#include "report/model/persistent.h"

namespace {

// The segments of `path`, split at its dots.
std::vector<QLatin1StringView> segmentsOf(const char* path) {
  std::vector<QLatin1StringView> segments;
  for (const char* start = path;;) {
    const char* dot = std::strchr(start, '.');
    if (!dot) {
      segments.emplace_back(start);
      return segments;
    }
    segments.emplace_back(start, dot - start);
    start = dot + 1;
  }
}

}  // namespace

TrpDiffPath::TrpDiffPath(const char* path, const TrpClassInfo& recordClass) {
  const std::vector<QLatin1StringView> segments = segmentsOf(path);
  FFirstName = segments.front();
  FFirstHash = TrpClassInfo::NameHash(FFirstName);
  FFirst = recordClass.FindAnyProperty(FFirstName, FFirstHash);
  // Sized once, as a segment's atomic word cannot move (the vector itself can).
  FRest = std::vector<Segment>(segments.size() - 1);
  for (size_t i = 1; i < segments.size(); ++i) {
    FRest[i - 1].Name = segments[i];
    FRest[i - 1].Hash = TrpClassInfo::NameHash(segments[i]);
  }
}

const TrpPropertyDescriptor* TrpDiffPath::Segment::In(const TrpClassInfo& cls) const {
  const std::uint64_t seen = Seen.load(std::memory_order_relaxed);
  const std::span<const TrpPropertyDescriptor> all = cls.AllProperties();
  if (seen >> 32 == cls.Serial()) {
    const std::uint32_t position = static_cast<std::uint32_t>(seen);
    return position == kAbsent ? nullptr : &all[position];
  }
  const TrpPropertyDescriptor* found = cls.FindAnyProperty(Name, Hash);
  const std::uint32_t position = found ? static_cast<std::uint32_t>(found - all.data()) : kAbsent;
  Seen.store(std::uint64_t{cls.Serial()} << 32 | position, std::memory_order_relaxed);
  return found;
}

TrpDiffPath::Walk::Walk(const TrpPersistent& object, const TrpClassInfo& recordClass)
    // Resolution only reads; the refs are used read-only by the record writers.
    : FObject(const_cast<TrpPersistent*>(&object)),
      FClass(object.ClassInfo()),
      FOfRecordClass(&FClass == &recordClass) {}

TrpPropertyRef TrpDiffPath::Resolve(Walk& walk) const {
  const TrpPropertyDescriptor* property =
      walk.FOfRecordClass ? FFirst : walk.FClass.FindAnyProperty(FFirstName, FFirstHash);
  TrpPersistent* target = walk.FObject;
  for (size_t depth = 0; depth < FRest.size(); ++depth) {
    if (!property || property->Kind != TrpPropertyKind::Object) return {};
    Walk::Hop hop{property, target, nullptr, nullptr};
    if (depth < walk.FHops.size() && walk.FHops[depth].Via == property &&
        walk.FHops[depth].From == target) {
      hop = walk.FHops[depth];
    } else {
      hop.To = property->Object(*target);
      if (hop.To) hop.Class = &hop.To->ClassInfo();
      if (depth < walk.FHops.size()) walk.FHops[depth] = hop;
    }
    if (!hop.To) return {};
    target = hop.To;
    property = FRest[depth].In(*hop.Class);
  }
  if (!property) return {};
  return {target, property};
}
