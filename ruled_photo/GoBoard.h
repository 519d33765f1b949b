#pragma once
// Go-board paper of 19, 13 or 9 lines with labels, star points and frame.
#include <vector>

struct RuledPaperOptions;

// The line count of the chosen board, and the lines that carry star points.
int GoBoardLines(int optionIndex);
std::vector<int> GoStarPointLines(int lines);

void DrawGoBoard(const RuledPaperOptions& o, double left, double right);
