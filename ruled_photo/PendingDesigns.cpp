#include "PendingDesigns.h"

#include "PlainPage.h"
#include "RuledPaperOptions.h"

void DrawKanjiList(const RuledPaperOptions& o, int16_t& pageNumber, double left, double right) {
  DrawPlainPage(o, left, right);
  pageNumber = 0;
}
