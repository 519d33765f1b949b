#pragma once
// The default geometry and font sizes of the 25 organiser sizes.
#include <cstdint>
#include <string_view>
#include <vector>

#include "PaperSettings.h"

struct PaperSizeDefaults {
  const char16_t* section;   // settings section, e.g. "SIZE_BIBLE"
  const char16_t* listText;  // text of the settings form's size list
  int16_t left, width, height, headHeight, dataHeight, footHeight;
  int16_t headFontSize, defaultFontSize, dataFontSize;
};

// nullptr outside 0..24.
const PaperSizeDefaults* PaperSizeDefaultsAt(int index);

// Indexes of the sizes in the order their defaults are written.
std::vector<int> PaperSizeDefaultWriteOrder();
