#pragma once
// Graph paper, dot paper and the number-place grid, and the blank date field
// that the grid and ruled designs put at the right end of their header.
#include <QString>

struct RuledPaperOptions;

// A date field at the right end of the header band, while the date box is
// shown and ticked. left is not used.
void DrawDateField(const RuledPaperOptions& o, double left, double right);

// mode "H" graph paper, "D" dot paper, "H2" the number-place grid; cellSize
// in mm; halfLines and fitWidth 1 or 0. "H2" writes its corrected counts back.
void DrawGridPaper(RuledPaperOptions& o, const QString& mode, float cellSize, int16_t halfLines,
                   int16_t fitWidth, double left, double right);
