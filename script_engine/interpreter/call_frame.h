#pragma once
// The locals of a script procedure laid out as one frame of value slots, and the caller's values
// put aside while a recursive call runs.
#include <cstddef>
#include <deque>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "script_engine/interpreter/value.h"

// The value slots of a procedure's parameters (in their order), of "Result" and of the other
// variables of its local script. A call overwrites the first `replaced` (the parameters and
// "Result") at once, so a recursive call moves the caller's values of those aside instead of
// copying them.
struct TscFrameLayout {
  std::vector<ScriptValue*> values;
  std::size_t count = 0;  // values.size(), kept apart as every call reads it
  std::size_t parameters = 0;
  std::size_t replaced = 0;
  // Where the slots of variables removed from the local script point instead; a deque, so that
  // the values stay where they are.
  std::deque<ScriptValue> detached;
};

// The caller's locals during a recursive call: moved aside bit by bit when the call starts and
// put back when it ends, whatever happens. The first `arguments` parameters receive the
// arguments (moved), the other parameters and "Result" no value; the remaining locals keep the
// caller's values (copied), as a local keeps its value until assigned. Parameters left without
// an argument are the caller's to fill afterwards.
//
// Slots is the frame's slot count when the caller picked it at compile time (the small frames
// of nearly every procedure): saving and restoring are then straight runs of copies, as with two
// or three slots the bookkeeping of a loop costs as much as the copies. With Slots 0 the count
// is read from the layout, and a frame of more than kLocal slots is put aside on the heap.
template <std::size_t Slots>
class TscSavedFrame {
 public:
  static constexpr std::size_t kLocal = Slots ? Slots : 8;

  [[gnu::always_inline]] TscSavedFrame(const TscFrameLayout& layout, ScriptValue* args,
                                       std::size_t arguments)
      : FValues(layout.values.data()) {
    if constexpr (Slots != 0) {
      moveOutEach(std::make_index_sequence<Slots>(), args, arguments, layout.replaced);
    } else {
      ScriptValue* const* const values = FValues;
      const std::size_t count = layout.count;
      FCount = count;
      ScriptValue* const saved = count <= kLocal ? local() : heapStorage(count);
      FSaved = saved;
      const std::size_t replaced = layout.replaced;
      for (std::size_t i = 0; i < count; ++i)
        moveOut(values[i], saved + i, i < arguments ? args + i : nullptr, i < replaced);
    }
  }
  [[gnu::always_inline]] ~TscSavedFrame() {
    if constexpr (Slots != 0) {
      putBackEach(std::make_index_sequence<Slots>());
    } else {
      ScriptValue* const* const values = FValues;
      ScriptValue* const saved = FSaved;
      const std::size_t count = FCount;
      for (std::size_t i = 0; i < count; ++i) putBack(values[i], saved + i);
      if (count > kLocal) delete[] reinterpret_cast<unsigned char*>(saved);
    }
  }
  TscSavedFrame(const TscSavedFrame&) = delete;
  TscSavedFrame& operator=(const TscSavedFrame&) = delete;

 private:
  // A slot's value goes aside, and the slot receives its value for the call: the argument,
  // no value when the call replaces it, else the caller's value again. Moved, not relocated,
  // an argument computed just before is read in the widths it was written, straight from the
  // store.
  [[gnu::always_inline]] static void moveOut(ScriptValue* value, ScriptValue* saved,
                                             ScriptValue* argument, bool replaced) {
    ScriptValue::Relocate(saved, value);
    if (argument)
      new (value) ScriptValue(std::move(*argument));
    else if (replaced)
      new (value) ScriptValue();
    else
      new (value) ScriptValue(*saved);
  }
  // The callee's value of a slot goes, the caller's comes back.
  [[gnu::always_inline]] static void putBack(ScriptValue* value, ScriptValue* saved) {
    value->~ScriptValue();
    ScriptValue::Relocate(value, saved);
  }
  // A frame of a known slot count, slot by slot in straight code.
  template <std::size_t... I>
  [[gnu::always_inline]] void moveOutEach(std::index_sequence<I...>, ScriptValue* args,
                                          std::size_t arguments, std::size_t replaced) {
    (moveOut(FValues[I], local() + I, I < arguments ? args + I : nullptr, I < replaced), ...);
  }
  template <std::size_t... I>
  [[gnu::always_inline]] void putBackEach(std::index_sequence<I...>) {
    (putBack(FValues[I], local() + I), ...);
  }
  [[gnu::noinline]] static ScriptValue* heapStorage(std::size_t count) {
    return reinterpret_cast<ScriptValue*>(new unsigned char[count * sizeof(ScriptValue)]);
  }
  ScriptValue* local() { return reinterpret_cast<ScriptValue*>(FLocal); }

  // Kept only by a frame whose slot count is read from the layout.
  struct None {};
  template <class T>
  using Counted = std::conditional_t<Slots == 0, T, None>;

  ScriptValue* const* FValues;
  [[no_unique_address]] Counted<std::size_t> FCount;  // the layout's
  [[no_unique_address]] Counted<ScriptValue*> FSaved;  // where the values went
  alignas(ScriptValue) unsigned char FLocal[kLocal * sizeof(ScriptValue)];
};
