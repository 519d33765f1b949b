#pragma once
// The study sheet of two halves or a three-by-three lattice. Called with left
// and right both 0 it fills the window's layout list instead.

struct RuledPaperOptions;

void DrawLatticeSheet(RuledPaperOptions& o, double left, double right);
