#pragma once
// The to-do sheet with its optional hour scale and the wide to-do sheet.
// DrawToDoSheet with left and right both 0 fills the window's to-do controls.
#include <cstdint>

struct RuledPaperOptions;

void DrawToDoSheet(RuledPaperOptions& o, int16_t kind, double left, double right);
void DrawWideToDoSheet(RuledPaperOptions& o, double left, double right);
