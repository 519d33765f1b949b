#pragma once
// The shop list (one to four shops a page, each with a sketch grid) and the
// shogi board.
#include <cstdint>

struct RuledPaperOptions;

// shopsPerPage outside 1..4 becomes 3.
void DrawShopList(const RuledPaperOptions& o, int32_t& shopsPerPage, double left, double right);
void DrawShogiBoard(const RuledPaperOptions& o, double left, double right);
