#pragma once
// Spreading a rounding correction over per-character advances or line steps, so that a line or a
// block of lines ends exactly where the high-resolution measurement says it should.

// Adds `count` steps of `step` (+1 or -1) to elements first..last of `values`, spread evenly by
// halving the range recursively.
void IncArray(int* values, int first, int last, int step, int count);

// Distributes `correction` over elements first..last: each gets correction div n first when the
// correction is at least the element count, the remainder one unit at a time with IncArray.
void SpreadCorrection(int* values, int first, int last, int correction);
