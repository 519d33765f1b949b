#pragma once
// Meeting minutes (a first sheet with prompts, a continuation sheet) and the
// sheet of frames to stick notes on.
#include <cstdint>

struct RuledPaperOptions;

// sheetKind 1 the first sheet, anything else the continuation sheet. A pitch
// below 1 mm is raised to 1 mm and written back.
void DrawMinutesSheet(RuledPaperOptions& o, int16_t sheetKind, double left, double right);
// The frame count is corrected in o.txt_waku: "1" for none, and at most as
// many frames as fit at 1 mm high.
void DrawStickyNoteToDoSheet(RuledPaperOptions& o, double left, double right);
