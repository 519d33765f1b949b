#pragma once
// The stepped loops of the drawn line patterns (dots, gradient strokes, hatch
// strokes): from a start towards an end in fixed steps, the end included when
// it lies on a step. Positions are computed from the step number rather than
// summed, so long lines do not drift, and a loop that could not end (a zero,
// negative or vanishing step, an absurd length, NaN) runs not at all.
#include <cmath>

// Steps shorter than this draw nothing: the strokes would merge into a solid
// area anyway, and their number would grow without bound.
constexpr double kMinPatternStepMm = 0.01;
// No page needs more steps than this along one line.
constexpr double kMaxPatternSteps = 100000;

// Number of positions from..to with the step; 0 when the loop must not run.
inline long StepCount(double from, double to, double step) {
  if (!(step >= kMinPatternStepMm) || !(to >= from)) return 0;
  const double last = std::floor((to - from) / step + 1e-6);
  if (!(last < kMaxPatternSteps)) return 0;
  return long(last) + 1;
}

template <class Draw>
void ForEachStep(double from, double to, double step, Draw draw) {
  const long count = StepCount(from, to, step);
  for (long i = 0; i < count; ++i) draw(from + double(i) * step);
}
