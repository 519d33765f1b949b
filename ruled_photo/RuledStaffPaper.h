#pragma once
// Ruled paper (horizontal rules with classifier columns and check glyphs, or
// dotted vertical rules) and staff paper.
#include <cstdint>

struct RuledPaperOptions;

// pitchIndex is the position in the pitch list: the pitch is 4 mm plus half a
// millimetre per position.
void DrawRuledPaper(const RuledPaperOptions& o, int16_t pitchIndex, double left, double right);
void DrawStaffPaper(const RuledPaperOptions& o, double left, double right);
