#pragma once
// The property path of one entry of a class's difference record ("Left", "Font.Name",
// "Frame.LeftLine.Color"), split once into its segments, and its resolution on an object.
//
// Every recorded object walks its class's whole record, so nothing here is looked up by name in
// the common case: the first segment is resolved in the record's class when the class is built,
// each later segment remembers the class of the sub-object it was last resolved in (a view's
// fill has one of three classes) together with what it found there, and a walk of one object
// fetches each of its sub-objects once for all the entries that pass through it.
#include <QLatin1StringView>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "report/model/property_access.h"

struct TrpClassInfo;

class TrpDiffPath {
 public:
  // `recordClass` is the class whose record holds the entry; its property list must be complete.
  TrpDiffPath(const char* path, const TrpClassInfo& recordClass);

  // One object's walk through a record of `recordClass`: the object, and the sub-objects the
  // entries resolved last reached, one per depth. Consecutive entries mostly pass through the
  // same ones (Font.Name, Font.Size, ...). Valid while the object and its sub-objects are not
  // changed, that is for one record.
  class Walk {
   public:
    Walk(const TrpPersistent& object, const TrpClassInfo& recordClass);

   private:
    friend class TrpDiffPath;
    struct Hop {
      const TrpPropertyDescriptor* Via = nullptr;
      const TrpPersistent* From = nullptr;
      TrpPersistent* To = nullptr;
      const TrpClassInfo* Class = nullptr;
    };
    TrpPersistent* FObject;
    const TrpClassInfo& FClass;
    bool FOfRecordClass;
    std::array<Hop, 2> FHops;
  };

  // The property the path names on the walk's object (public-only properties too), with the object
  // or sub-object that holds it; an empty ref when a segment is unknown, a step is not an Object
  // property or a sub-object is missing.
  TrpPropertyRef Resolve(Walk& walk) const;

 private:
  // A segment after the first. `Seen` packs the serial of the class it was last resolved in (high
  // half; 0: never) and the position of the property found in that class's AllProperties() (low
  // half; kAbsent: none). One word, so that preparations on several threads read a consistent
  // pair; a race only costs a lookup by name.
  struct Segment {
    QLatin1StringView Name;
    size_t Hash = 0;
    mutable std::atomic<std::uint64_t> Seen{0};

    const TrpPropertyDescriptor* In(const TrpClassInfo& cls) const;
  };
  static constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;

  QLatin1StringView FFirstName;
  size_t FFirstHash = 0;
  const TrpPropertyDescriptor* FFirst = nullptr;  // in the record's class; null when it has none
  std::vector<Segment> FRest;
};
