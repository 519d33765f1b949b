#pragma once
// How many half-width characters fit on one printed memo line and how many
// lines on one page, for the current organiser page and body font; the
// reflow and the printout share these numbers.
#include <cstdint>

struct PaperSettingsData;

struct MemoLineMetrics {
  int16_t CharsPerLine = 0;
  int16_t LinesPerPage = 0;
};

// Upright, a line runs across the page's width; turned (landscape not 0)
// it runs down the body band. A line is one full-width character high.
MemoLineMetrics CalcMemoLineMetrics(int16_t landscape, const PaperSettingsData& paper);
