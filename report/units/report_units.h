#pragma once
// Report units and the small shared types every report layer uses. One report unit is one screen
// pixel at 96 pixels per inch; positions and sizes are 80-bit floats (`Extended`).
#include <cmath>
#include <cstdint>

using Extended = long double;

// Units per millimetre, centimetre, tenth of an inch, inch, and the text-mode character cell.
// 37.7953 is a rounded figure, not 96 / 2.54, and must stay so: stored geometry depends on it.
constexpr Extended rp01cm = 3.77953L;
constexpr Extended rp1cm = 37.7953L;
constexpr Extended rp01in = 9.6L;
constexpr Extended rp1in = 96.0L;
constexpr Extended rp1CharX = 9.6L;
constexpr Extended rp1CharY = 17.0L;

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4). Every
// conversion from report units to device pixels goes through this; never qRound.
inline long long rpRound(Extended value) {
  // The default FE_TONEAREST mode is half-to-even. llrint rounds in one instruction; nearbyint
  // saves and restores the floating-point environment on every call, which showed in profiles.
  return std::llrint(value);
}

// Two report-unit values count as different when they differ by more than this: in
// prepared-object records and in the engine's fit and position tests.
constexpr Extended rpUnitTolerance = 0.0001L;

struct TrpRect {
  Extended Left = 0;
  Extended Top = 0;
  Extended Right = 0;
  Extended Bottom = 0;
};

// Colours are 0x00BBGGRR values or system-colour codes.
using TColor = std::int32_t;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clTransparent = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clAqua = 0xFFFF00;
