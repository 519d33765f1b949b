#pragma once
// Designs whose own content is not drawn yet: each prints its plain page, so
// that every entry of the design list prints and previews.
#include <cstdint>

struct RuledPaperOptions;

// pageNumber becomes 0 on the page that ends the list.
void DrawKanjiList(const RuledPaperOptions& o, int16_t& pageNumber, double left, double right);
