#pragma once
// a × b / c rounded to the nearest integer, halves away from zero, computed in 64 bits: the
// scaling the fills use for gradient steps and stripe positions. A zero divisor gives 0 here
// (callers avoid it; the platform's -1 would shift a colour by one).
#include <cstdint>
#include <cstdlib>

inline int rpMulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  const std::int64_t d = std::llabs(static_cast<std::int64_t>(c));
  const std::int64_t q = (std::llabs(p) + d / 2) / d;
  return static_cast<int>(((p < 0) != (c < 0)) ? -q : q);
}
