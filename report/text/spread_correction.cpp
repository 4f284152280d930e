#include "report/text/spread_correction.h"

#include <algorithm>
#include <cstdlib>

void IncArray(int* values, int first, int last, int step, int count) {
  if (count <= 0 || first > last) return;
  const int half = std::max(1, (last - first + 1) / 2);
  if (count == 1) {
    values[first + half - 1] += step;
    return;
  }
  IncArray(values, first, first + half - 1, step, count / 2);
  IncArray(values, first + half, last, step, count - count / 2);
}

void SpreadCorrection(int* values, int first, int last, int correction) {
  const int elements = last - first + 1;
  if (elements <= 0 || correction == 0) return;
  if (std::abs(correction) >= elements) {
    const int each = correction / elements;  // truncates toward zero, like div
    for (int i = first; i <= last; ++i) values[i] += each;
    correction -= each * elements;
  }
  IncArray(values, first, last, correction > 0 ? 1 : -1, std::abs(correction));
}
