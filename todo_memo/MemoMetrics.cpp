#include "MemoMetrics.h"

#include <cmath>

#include "core/settings/PaperSettings.h"

namespace {
// Half-width characters of a one-point font per millimetre.
constexpr double kCharsPerMmAtOnePoint = 5.67;

int16_t Floor(double value) { return static_cast<int16_t>(std::floor(value)); }
}  // namespace

MemoLineMetrics CalcMemoLineMetrics(int16_t landscape, const PaperSettingsData& paper) {
  const double size = paper.DataFontSize;
  if (!(size > 0)) return {};
  const double across = paper.PageWidth - paper.PageLeft;
  const double down = paper.FootHeight - paper.DataHeight;
  if (landscape == 0)
    return {static_cast<int16_t>(Floor(across * kCharsPerMmAtOnePoint / size) - 1),
            Floor(down * kCharsPerMmAtOnePoint / (2 * size))};
  return {static_cast<int16_t>(Floor(down * kCharsPerMmAtOnePoint / size) - 2),
          Floor(across * kCharsPerMmAtOnePoint / (2 * size))};
}
