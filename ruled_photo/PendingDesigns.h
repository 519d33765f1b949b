#pragma once
// Designs whose own content is not drawn yet: each prints its plain page, so
// that every entry of the design list prints and previews.
#include <cstdint>

struct RuledPaperOptions;

void DrawImagePage(const RuledPaperOptions& o, double left, double right);
void DrawRulerPage(const RuledPaperOptions& o, double left, double right);
void DrawShogiBoard(const RuledPaperOptions& o, double left, double right);
void DrawShopList(const RuledPaperOptions& o, int32_t shopsPerPage, double left, double right);
void DrawRiskSheet(const RuledPaperOptions& o, double left, double right);
void DrawProjectSheet(const RuledPaperOptions& o, double left, double right);
void DrawAgeTable(const RuledPaperOptions& o, int year, double left, double right);
// pageNumber becomes 0 on the page that ends the list.
void DrawKanjiList(const RuledPaperOptions& o, int16_t& pageNumber, double left, double right);
