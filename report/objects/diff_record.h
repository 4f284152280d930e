#pragma once
// A class's difference record (diff_entry.h) made ready for writing: the record's property paths
// ("Left", "Font.Name", "Frame.LeftLine.Color") split into the sub-objects they pass through
// ("slots": the object itself, its Font, its Frame, the Frame's LeftLine, ...) and the property
// each entry reads in its slot.
//
// Every object placed on a prepared page is written through its class's record, so nothing is
// looked up by name per object: an object's slots are fetched once for all entries, and the
// entries' properties are resolved once for each combination of slot classes met (a view's fill
// has one of three classes) and kept with the record. Values are compared as their getters return
// them (TrpPropertyDescriptor::Same) wherever both sides have the same property.
#include <QLatin1StringView>
#include <QString>

#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "report/objects/diff_entry.h"

class TrpComponent;
class TrpPersistent;
struct TrpClassInfo;
struct TrpPropertyDescriptor;

class TrpDiffRecord {
 public:
  // `recordClass` is the class whose record `entries` is; its property list must be complete.
  TrpDiffRecord(std::span<const TrpDiffEntry> entries, const TrpClassInfo& recordClass);
  ~TrpDiffRecord();
  TrpDiffRecord(const TrpDiffRecord&) = delete;
  TrpDiffRecord& operator=(const TrpDiffRecord&) = delete;

  // Appends to `out` the first `entryCount` entries' attributes (` name="value"`) in which
  // `object` differs from `other`, as each entry's Write test decides. An entry whose path does not
  // reach a property of `object` is left out; one that does not reach a property of `other`
  // counts as different.
  void Append(const TrpComponent& object, const TrpComponent& other, size_t entryCount, QString& out) const;

  // The most sub-objects one record may pass through (the object itself included).
  static constexpr int kMaxSlots = 16;

 private:
  // A name to look up in a class, with its NameHash.
  struct Name {
    QLatin1StringView Text;
    size_t Hash = 0;
  };
  // A sub-object: the property `Via` of the slot `Parent` (slot 0 is the object itself). `Seen`
  // remembers the class the property was last looked up in (its Serial, high half; 0: never)
  // and where it was found in that class's AllProperties() (low half; kAbsent: nowhere), in one
  // word, so that preparations on several threads read a consistent pair.
  struct Slot {
    int Parent = 0;
    Name Via;
    mutable std::atomic<std::uint64_t> Seen{0};
  };
  struct Entry {
    int Slot = 0;
    Name Property;
  };
  // The entries' properties for one combination of slot classes; immutable once published.
  struct Resolution;
  // An object's slots: each sub-object and its class (null where the path ends).
  struct Walk {
    const TrpPersistent* Objects[kMaxSlots];
    const TrpClassInfo* Classes[kMaxSlots];
    const Resolution* Resolved = nullptr;
  };

  void Fetch(const TrpPersistent& object, Walk& walk) const;
  const TrpPropertyDescriptor* ViaIn(const Slot& slot, const TrpClassInfo& cls) const;
  const TrpPropertyDescriptor* LookUpVia(const Slot& slot, const TrpClassInfo& cls) const;
  const Resolution& ResolutionFor(const Walk& walk) const;
  bool SameClasses(const Walk& a, const Walk& b) const;
  // The sub-object slots (bits) found equal to the template's in this record before, neither
  // side changed since (their ChangeStamp), and all their parent slots likewise.
  std::uint32_t SlotsFoundSame(const Walk& mine, const Walk& theirs) const;
  // Remembers on each sub-object that was compared (not `passed`) and gave nothing (not
  // `touched`) that it equals the template's at both stamps.
  void RecordSameSlots(const Walk& mine, const Walk& theirs, std::uint32_t passed, std::uint32_t touched) const;

  static constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;

  std::span<const TrpDiffEntry> FEntries;
  std::vector<Slot> FSlots;
  std::vector<Entry> FEntryPaths;
  mutable std::atomic<Resolution*> FResolutions{nullptr};
};
