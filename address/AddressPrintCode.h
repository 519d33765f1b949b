#pragma once
// Which print path a design and side take: design × 100 + side + 1, plus
// 10000 in the four-fold organiser sizes, in 16-bit arithmetic.
#include <cstdint>

inline int16_t AddressPrintCode(int designIndex, int sideIndex, int superOrganiserMode) {
  return static_cast<int16_t>(designIndex * 100 + sideIndex + 1 + 10000 * superOrganiserMode);
}
