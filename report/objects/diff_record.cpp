#include "report/objects/diff_record.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

#include "report/objects/class_info.h"
#include "report/objects/component.h"
#include "report/objects/property_access.h"
#include "report/objects/property_value.h"
#include "report/objects/record_text.h"

struct TrpDiffRecord::Resolution {
  const TrpClassInfo* Classes[kMaxSlots] = {};
  // Per entry, its property in its slot's class; null where the slot is empty or the class has
  // no such property.
  std::vector<const TrpPropertyDescriptor*> Properties;
  // The entries whose property resolved, in record order: what a record against an object of the
  // same slot classes walks.
  struct Step {
    const TrpPropertyDescriptor* Property;
    TrpSameTest Same;  // the property's typed comparison, or null: compared as QVariant
    std::uint32_t Entry;
    int Slot;
  };
  std::vector<Step> Steps;
  // The steps in runs of one slot each (a sub-object's entries mostly stand together), so that a
  // sub-object passed over costs one test.
  struct Run {
    int Slot;
    std::uint32_t Begin, End;  // in Steps
  };
  std::vector<Run> Runs;
  Resolution* Next = nullptr;
};

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

// Appends the value of a property without a typed writer, as its kind is written.
void appendRecordText(QString& out, TrpPropertyKind kind, const QVariant& value) {
  switch (kind) {
    case TrpPropertyKind::Float:
      rpAppendRecordText(out, rpVariantToFloat(value));
      return;
    case TrpPropertyKind::Boolean:
      rpAppendRecordText(out, rpFromVariant<bool>(value));
      return;
    case TrpPropertyKind::String:
      rpAppendRecordText(out, value.toString());
      return;
    case TrpPropertyKind::Strings:
      rpAppendRecordText(out, value.toStringList());
      return;
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
    case TrpPropertyKind::Enumeration:
    case TrpPropertyKind::Set:
      rpAppendRecordText(out, rpVariantToInt(value));
      return;
    case TrpPropertyKind::Reference:
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Picture:
      return;
  }
}

// Whether two values of the same entry are equal: through the getters when both sides have the
// same typed comparison, as QVariant otherwise (the kind is the first side's).
bool sameValue(const TrpPropertyDescriptor& mine, const TrpPersistent& myObject,
               const TrpPropertyDescriptor& theirs, const TrpPersistent& theirObject) {
  if (mine.Same && mine.Same == theirs.Same) return mine.Same(myObject, theirObject, rpUnitTolerance);
  return rpSameValue(mine.Kind, mine.Get(myObject), theirs.Get(theirObject), rpUnitTolerance);
}

}  // namespace

TrpDiffRecord::TrpDiffRecord(std::span<const TrpDiffEntry> entries, const TrpClassInfo& recordClass)
    : FEntries(entries) {
  // Slots are identified by their dotted path up to the entry's property; sized once, as a
  // slot's atomic word cannot move.
  std::vector<std::pair<QByteArray, int>> known{{QByteArray(), 0}};  // path, parent
  std::vector<Name> vias{{}};
  FEntryPaths.reserve(entries.size());
  for (const TrpDiffEntry& entry : entries) {
    const std::vector<QLatin1StringView> segments = segmentsOf(entry.Path);
    int slot = 0;
    QByteArray path;
    for (size_t i = 0; i + 1 < segments.size(); ++i) {
      path += QByteArray(segments[i].data(), segments[i].size()) + '.';
      int found = -1;
      for (size_t k = 0; k < known.size(); ++k)
        if (known[k].first == path) found = static_cast<int>(k);
      if (found < 0) {
        found = static_cast<int>(known.size());
        known.emplace_back(path, slot);
        vias.push_back({segments[i], TrpClassInfo::NameHash(segments[i])});
      }
      slot = found;
    }
    FEntryPaths.push_back({slot, {segments.back(), TrpClassInfo::NameHash(segments.back())}});
  }
  if (known.size() > size_t{kMaxSlots})
    qFatal("The difference record of %s passes through too many sub-objects", recordClass.ClassName());
  FSlots = std::vector<Slot>(known.size());
  for (size_t k = 1; k < known.size(); ++k) {
    FSlots[k].Parent = known[k].second;
    FSlots[k].Via = vias[k];
  }
}

TrpDiffRecord::~TrpDiffRecord() {
  for (Resolution* r = FResolutions.load(std::memory_order_acquire); r;) {
    Resolution* next = r->Next;
    delete r;
    r = next;
  }
}

// Mostly the property was looked up in this very class before: answered without a call.
inline const TrpPropertyDescriptor* TrpDiffRecord::ViaIn(const Slot& slot, const TrpClassInfo& cls) const {
  const std::uint64_t seen = slot.Seen.load(std::memory_order_relaxed);
  if (seen >> 32 != cls.Serial()) return LookUpVia(slot, cls);
  const std::uint32_t position = static_cast<std::uint32_t>(seen);
  return position == kAbsent ? nullptr : &cls.AllProperties()[position];
}

const TrpPropertyDescriptor* TrpDiffRecord::LookUpVia(const Slot& slot, const TrpClassInfo& cls) const {
  const std::span<const TrpPropertyDescriptor> all = cls.AllProperties();
  const TrpPropertyDescriptor* found = cls.FindAnyProperty(slot.Via.Text, slot.Via.Hash);
  const std::uint32_t position = found ? static_cast<std::uint32_t>(found - all.data()) : kAbsent;
  slot.Seen.store(std::uint64_t{cls.Serial()} << 32 | position, std::memory_order_relaxed);
  return found;
}

void TrpDiffRecord::Fetch(const TrpPersistent& object, Walk& walk) const {
  walk.Objects[0] = &object;
  walk.Classes[0] = &object.KeptClassInfo();
  for (size_t k = 1; k < FSlots.size(); ++k) {
    const Slot& slot = FSlots[k];
    walk.Objects[k] = nullptr;
    walk.Classes[k] = nullptr;
    const TrpPersistent* parent = walk.Objects[slot.Parent];
    if (!parent) continue;
    const TrpPropertyDescriptor* via = ViaIn(slot, *walk.Classes[slot.Parent]);
    if (!via || via->Kind != TrpPropertyKind::Object) continue;
    if (const TrpPersistent* sub = via->Object(*parent)) {
      walk.Objects[k] = sub;
      walk.Classes[k] = &sub->KeptClassInfo();
    }
  }
}

bool TrpDiffRecord::SameClasses(const Walk& a, const Walk& b) const {
  for (size_t k = 0; k < FSlots.size(); ++k)
    if (a.Classes[k] != b.Classes[k]) return false;
  return true;
}

const TrpDiffRecord::Resolution& TrpDiffRecord::ResolutionFor(const Walk& walk) const {
  const size_t slotCount = FSlots.size();
  Resolution* head = FResolutions.load(std::memory_order_acquire);
  for (const Resolution* r = head; r; r = r->Next)
    if (std::equal(walk.Classes, walk.Classes + slotCount, r->Classes)) return *r;
  auto* fresh = new Resolution;
  std::copy(walk.Classes, walk.Classes + slotCount, fresh->Classes);
  fresh->Properties.reserve(FEntryPaths.size());
  for (const Entry& entry : FEntryPaths) {
    const TrpClassInfo* cls = walk.Classes[entry.Slot];
    const TrpPropertyDescriptor* property =
        cls ? cls->FindAnyProperty(entry.Property.Text, entry.Property.Hash) : nullptr;
    if (property)
      fresh->Steps.push_back(
          {property, property->Same, static_cast<std::uint32_t>(fresh->Properties.size()), entry.Slot});
    fresh->Properties.push_back(property);
  }
  for (std::uint32_t i = 0; i < fresh->Steps.size(); ++i) {
    const int slot = fresh->Steps[i].Slot;
    if (fresh->Runs.empty() || fresh->Runs.back().Slot != slot) fresh->Runs.push_back({slot, i, i});
    fresh->Runs.back().End = i + 1;
  }
  // Another thread may publish the same combination meanwhile; either copy serves.
  fresh->Next = head;
  while (!FResolutions.compare_exchange_weak(fresh->Next, fresh, std::memory_order_release,
                                             std::memory_order_acquire)) {
  }
  return *fresh;
}

std::uint32_t TrpDiffRecord::SlotsFoundSame(const Walk& mine, const Walk& theirs) const {
  std::uint32_t same = 1;  // slot 0, the object itself, stands for "no parent to ask"
  for (size_t k = 1; k < FSlots.size(); ++k) {
    const TrpPersistent* o = mine.Objects[k];
    const TrpPersistent* t = theirs.Objects[k];
    if (!o || !t || !(same >> FSlots[k].Parent & 1)) continue;
    const TrpPersistent::RecordedSame& last = o->LastRecordedSame();
    // Only RecordSameSlots names this record, and only for stamped objects.
    if (last.Record == this && last.Mine == o->ChangeStamp() && last.Theirs == t->ChangeStamp())
      same |= std::uint32_t{1} << k;
  }
  return same & ~std::uint32_t{1};
}

void TrpDiffRecord::RecordSameSlots(const Walk& mine, const Walk& theirs, std::uint32_t passed,
                                    std::uint32_t touched) const {
  for (size_t k = 1; k < FSlots.size(); ++k) {
    if ((passed | touched) >> k & 1) continue;
    const TrpPersistent* o = mine.Objects[k];
    const TrpPersistent* t = theirs.Objects[k];
    if (!o || !t || o->ChangeStamp() == 0 || t->ChangeStamp() == 0) continue;
    o->LastRecordedSame() = {this, o->ChangeStamp(), t->ChangeStamp()};
  }
}

void TrpDiffRecord::Append(const TrpComponent& object, const TrpComponent& other, size_t entryCount,
                           QString& out) const {
  Walk mine, theirs;
  Fetch(object, mine);
  Fetch(other, theirs);
  mine.Resolved = &ResolutionFor(mine);
  theirs.Resolved = SameClasses(mine, theirs) ? mine.Resolved : &ResolutionFor(theirs);
  const bool wholeRecord = entryCount >= FEntries.size();
  entryCount = std::min(entryCount, FEntries.size());
  const auto write = [&](const TrpDiffEntry& entry, const TrpPropertyDescriptor& property,
                         const TrpPersistent& myObject, bool differ) {
    if (entry.Write ? !entry.Write(object, other, differ) : !differ) return false;
    out += u' ';
    out += QLatin1StringView(entry.Attribute);
    out += QLatin1StringView("=\"");
    if (property.AppendRecordText)
      property.AppendRecordText(myObject, out);
    else
      appendRecordText(out, property.Kind, property.Get(myObject));
    out += u'"';
    return true;
  };
  if (theirs.Resolved == mine.Resolved) {
    // Sub-objects of the same classes on both sides: each resolved property is the same on both.
    // Most values equal their template's, so an entry without a Write test of its own is passed
    // over after one typed comparison, and a sub-object (with its own sub-objects) that was found
    // equal to the template's in this record, neither having changed since, is passed over whole:
    // it gives no attribute (the Write tests of sub-object entries write only what differs).
    const std::uint32_t passed = wholeRecord ? SlotsFoundSame(mine, theirs) : 0;
    std::uint32_t touched = 0;  // slots with an entry that differed or was written
    const Extended tolerance = rpUnitTolerance;
    const std::vector<Resolution::Step>& steps = mine.Resolved->Steps;
    for (const Resolution::Run& run : mine.Resolved->Runs) {
      if (passed >> run.Slot & 1) continue;
      const TrpPersistent& myObject = *mine.Objects[run.Slot];
      const TrpPersistent& theirObject = *theirs.Objects[run.Slot];
      for (std::uint32_t i = run.Begin; i < run.End; ++i) {
        const Resolution::Step& step = steps[i];
        if (step.Entry >= entryCount) break;
        const TrpDiffEntry& entry = FEntries[step.Entry];
        const bool same = step.Same ? step.Same(myObject, theirObject, tolerance)
                                    : sameValue(*step.Property, myObject, *step.Property, theirObject);
        if (same && !entry.Write) continue;
        if (write(entry, *step.Property, myObject, !same) || !same) touched |= std::uint32_t{1} << run.Slot;
      }
    }
    if (wholeRecord) RecordSameSlots(mine, theirs, passed, touched);
    return;
  }
  for (size_t i = 0; i < entryCount; ++i) {
    const TrpPropertyDescriptor* property = mine.Resolved->Properties[i];
    if (!property) continue;
    const int slot = FEntryPaths[i].Slot;
    const TrpPersistent& myObject = *mine.Objects[slot];
    const TrpPropertyDescriptor* theirProperty = theirs.Resolved->Properties[i];
    const bool differ =
        !theirProperty || !sameValue(*property, myObject, *theirProperty, *theirs.Objects[slot]);
    write(FEntries[i], *property, myObject, differ);
  }
}
