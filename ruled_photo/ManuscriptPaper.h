#pragma once
// Manuscript paper in its three layouts: 100 squares for horizontal writing,
// a 10 x 10 grid, and the 200-square sheet with its guide line.

struct RuledPaperOptions;

void DrawManuscriptPaper(const RuledPaperOptions& o, double left, double right);
