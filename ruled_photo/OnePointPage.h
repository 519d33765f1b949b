#pragma once
// A plain page with the one-point picture in a corner of its body.

struct RuledPaperOptions;

void DrawImagePage(const RuledPaperOptions& o, double left, double right);
