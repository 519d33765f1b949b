#pragma once
// Renderers print small texts a few points below a configured size; a tiny
// configured size must still give a font that draws.
#include <algorithm>

constexpr float kSmallestPrintFontSize = 1.0f;

inline float ReducedFontSize(float points, float by) {
  return std::max(kSmallestPrintFontSize, points - by);
}
