#include "SheetCount.h"

#include <cmath>

#include "core/text/Numbers.h"

double SheetCountValue(const QString& text) { return ParseNumber(text); }

int PagesOfSheetCount(const QString& text, int pagesPerSheet) {
  const double value = SheetCountValue(text) * pagesPerSheet;
  if (!std::isfinite(value) || value < 0.5) return 0;
  return int(RoundHalfEven(std::min(value, kMaxSheetCount * pagesPerSheet)));
}
