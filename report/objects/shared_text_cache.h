#pragma once
// A few answers kept for the very texts they were asked for. The engine asks for the same names
// again and again with the same strings (an object's alias, an expression of a text object's
// template): a name found here by its storage costs no hashing of its characters. A kept text
// holds its storage, so a name sharing that storage has the same characters; a copy of the name
// with storage of its own is simply not found here, and the caller looks it up the usual way.
// Only allocated texts are kept: a literal's or a raw text's storage is not held by a copy.
// Not for use from several threads at once.
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

template <class Value, std::size_t Slots = 64>
class TrpSharedTextCache {
 public:
  // The answer kept for `name`'s storage, or null.
  const Value* Find(const QString& name) const {
    const Slot& slot = FSlots[SlotOf(name)];
    if (name.isEmpty() || slot.Name.constData() != name.constData() || slot.Name.size() != name.size())
      return nullptr;
    return &slot.Answer;
  }
  void Keep(const QString& name, const Value& answer) {
    if (name.isEmpty() || !name.data_ptr().isMutable()) return;
    Slot& slot = FSlots[SlotOf(name)];
    slot.Name = name;
    slot.Answer = answer;
  }
  void Clear() { FSlots = {}; }

 private:
  struct Slot {
    QString Name;
    Value Answer{};
  };
  static std::size_t SlotOf(const QString& name) {
    return (std::hash<const void*>{}(name.constData()) >> 4) % Slots;
  }
  std::array<Slot, Slots> FSlots;
};
