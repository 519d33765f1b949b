#pragma once
// The sheet count typed beside the print button, read as the drivers read it.
#include <QString>

// The largest count a job takes: twice it still numbers every page in 16 bits.
constexpr double kMaxSheetCount = 16383;

// The number at the start of the text (0 when there is none).
double SheetCountValue(const QString& text);
// Pages (or sheets) of a layout: the count, doubled for layouts that print
// both sides as separate pages, to the nearest whole number with halves to
// the even one. Below 1 a layout prints nothing.
int PagesOfSheetCount(const QString& text, int pagesPerSheet);
