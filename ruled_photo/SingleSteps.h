#pragma once
// The repetitions of the ruled designs: a running sum in single precision
// (each value is the previous one plus the step) compared with its bound in
// single precision, so that lines fall where the printed designs have always
// put them, the last one included or dropped by the same rounding.
#include <cmath>

// More steps than any page can hold; a loop that would take more runs not at
// all instead of drawing for minutes.
constexpr double kMaxSingleSteps = 100000;

// Calls draw(value) for from, from + step, ... while the value is not above
// the bound (a positive step) or not below it (a negative step). A step of
// the wrong sign for the bound runs zero times; a zero, NaN or vanishing step
// (one that leaves the sum unchanged) runs not at all.
template <class Draw>
void ForSingleSteps(float from, float to, float step, Draw draw) {
  if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || step == 0) return;
  if (from + step == from) return;
  const double count = (double(to) - double(from)) / double(step);
  if (count > kMaxSingleSteps) return;
  const bool up = step > 0;
  long guard = 0;
  for (float v = from; up ? v <= to : v >= to; v += step) {
    if (++guard > long(kMaxSingleSteps) + 2) return;
    draw(v);
  }
}
