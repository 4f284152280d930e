#pragma once
// A set over an enumeration whose values are element numbers 0..31: element i is bit i of the
// set's mask, which is also how sets are written to report files ("Font.Style=\"3\"" is bold and
// italic).
#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <class E>
class TrpSet {
 public:
  constexpr TrpSet() = default;
  constexpr TrpSet(std::initializer_list<E> elements) {
    for (E e : elements) Include(e);
  }
  static constexpr TrpSet FromMask(std::uint32_t mask) {
    TrpSet s;
    s.FMask = mask;
    return s;
  }

  constexpr bool Has(E e) const { return (FMask & Bit(e)) != 0; }
  constexpr TrpSet& Include(E e) { FMask |= Bit(e); return *this; }
  constexpr TrpSet& Exclude(E e) { FMask &= ~Bit(e); return *this; }
  constexpr bool IsEmpty() const { return FMask == 0; }
  constexpr std::uint32_t Mask() const { return FMask; }

  friend constexpr bool operator==(TrpSet a, TrpSet b) { return a.FMask == b.FMask; }
  friend constexpr TrpSet operator+(TrpSet a, TrpSet b) { return FromMask(a.FMask | b.FMask); }
  friend constexpr TrpSet operator-(TrpSet a, TrpSet b) { return FromMask(a.FMask & ~b.FMask); }

 private:
  static constexpr std::uint32_t Bit(E e) { return std::uint32_t{1} << static_cast<int>(e); }
  std::uint32_t FMask = 0;
};

template <class T>
struct rpIsSet : std::false_type {};
template <class E>
struct rpIsSet<TrpSet<E>> : std::true_type {};
