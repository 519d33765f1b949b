#include "PendingDesigns.h"

#include "PlainPage.h"
#include "RuledPaperOptions.h"

void DrawImagePage(const RuledPaperOptions& o, double left, double right) { DrawPlainPage(o, left, right); }
void DrawRulerPage(const RuledPaperOptions& o, double left, double right) { DrawPlainPage(o, left, right); }
void DrawShogiBoard(const RuledPaperOptions& o, double left, double right) { DrawPlainPage(o, left, right); }
void DrawShopList(const RuledPaperOptions& o, int32_t, double left, double right) {
  DrawPlainPage(o, left, right);
}
void DrawRiskSheet(const RuledPaperOptions& o, double left, double right) { DrawPlainPage(o, left, right); }
void DrawProjectSheet(const RuledPaperOptions& o, double left, double right) {
  DrawPlainPage(o, left, right);
}
void DrawAgeTable(const RuledPaperOptions& o, int, double left, double right) {
  DrawPlainPage(o, left, right);
}
void DrawKanjiList(const RuledPaperOptions& o, int16_t& pageNumber, double left, double right) {
  DrawPlainPage(o, left, right);
  pageNumber = 0;
}
